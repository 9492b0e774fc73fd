#pragma once

#include <string_view>

// The file dialogs' filters that several tabs share, as the user reads them (UTF-8; turned into
// Shift_JIS where a dialog is asked for).
namespace pellucor::file_filters {

/// Pages to open: HTML files and server pages.
inline constexpr std::string_view kHtmlOpen =
    "HTMLﾌｧｲﾙ（ *.html/*.htm/*.php ）|*.html;*.htm;*.php|すべてのﾌｧｲﾙ（ *.* ）|*.*";
/// Pages to save.
inline constexpr std::string_view kHtmlSave =
    "HTMLﾌｧｲﾙ（*.html/htm）|*.html;*htm|すべてのﾌｧｲﾙ（ *.* ）|*.*";
/// Text files of a saved site: pages, style sheets, scripts, lists.
inline constexpr std::string_view kTextFile =
    "ﾃｷｽﾄ・ﾌｧｲﾙ（html/css/tx/rdft）|*.htm;*.css;*.js;*;*.txt;*.rdf;*.xml|すべてのﾌｧｲﾙ（*.*）|*.*";

}  // namespace pellucor::file_filters

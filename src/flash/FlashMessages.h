#pragma once

#include <string_view>

// The Flash player tab's dialog filters, as the user reads them (UTF-8; turned into Shift_JIS
// where they are used).
namespace pellucor::flash_messages {

inline constexpr std::string_view kMovieFilter =
    "Flashﾌｧｲﾙ（ *.swf ）|*.swf|すべてのﾌｧｲﾙ（ *.* ）|*.*";
inline constexpr std::string_view kHtmlFilter =
    "HTMLﾌｧｲﾙ（ *.html/*.htm/*.php ）|*.html;*.htm;*.php|すべてのﾌｧｲﾙ（ *.* ）|*.*";

}  // namespace pellucor::flash_messages

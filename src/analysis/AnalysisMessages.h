#pragma once

#include <string_view>

// The local page analysis' texts, as the user reads them. Written here in UTF-8 and turned into
// Shift_JIS where they are shown (SjisFromUtf8Literal).
namespace pellucor::analysis_messages {

// The status panel after a jump to a hit: the line and the column go between the pieces.
inline constexpr std::string_view kStatusLine = " 行[  ";
inline constexpr std::string_view kStatusColumn = " ]    列[ ";

// The local page tab.
inline constexpr std::string_view kMergedFileFilter =
    "CSS/JS統合ﾌｧｲﾙ（ *.txt ）|*.txt;*.htm;*.css;*js;*.xml|すべてのﾌｧｲﾙ（ *.* ）|*.*";
inline constexpr std::string_view kMergedFileQuestion =
    "統合ﾌｧｲﾙの読み込みには時間がかかりますので、\r\n\r\n"
    "必要な場合のみｸﾘｯｸしてください。続けますか（はい）？";
inline constexpr std::string_view kCssOpenFilter =
    "CSSﾌｧｲﾙ（ *.* ）|*.css|すべてのﾌｧｲﾙ（ *.* ）|*.*";
inline constexpr std::string_view kJsOpenFilter = "JSﾌｧｲﾙ（ *.js ）|*.js|すべてのﾌｧｲﾙ（ *.* ）|*.*";
inline constexpr std::string_view kCssSaveFilter = "CSSﾌｧｲﾙ（ *.css ）|*.css";
inline constexpr std::string_view kJsSaveFilter = "JSﾌｧｲﾙ（ *.* ）|*.js";
inline constexpr std::string_view kFileSavedOpen = "ファイル【 ";
inline constexpr std::string_view kFileSavedClose = " 】が保存されました";
// A save that was refused or failed: the file and the reason follow.
inline constexpr std::string_view kFileNotSaved = "ファイルを保存できませんでした： ";
// The browser's message when a page has loaded.
inline constexpr std::string_view kPageFinished = "ページが";

}  // namespace pellucor::analysis_messages

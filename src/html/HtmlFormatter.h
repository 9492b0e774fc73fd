#pragma once

#include <string>
#include <string_view>

// The house style in which every page, style sheet and script is saved and shown: no tabs, no
// blank lines, Shift_JIS charset declarations, lower-case tag and attribute names and one line
// per block-level tag. It is a fixed pipeline of whole-text replacements, not a parser: script
// bodies, comments and visible text are rewritten like markup.
namespace pellucor {

/// The whole pipeline: line clean-up (TAB to two blanks, blank lines dropped, every line ended
/// by CR LF), SetDeclaredCharsetShiftJIS, the lower-casing rows, BreakHTMLLines. An empty text,
/// or one of blank lines only, gives an empty text.
[[nodiscard]] std::string FormatHTMLSource(std::string_view text);

/// FormatHTMLSource on the text itself.
void FormatHTMLSourceIn(std::string& text);

/// Starts block-level tags on lines of their own and joins what belongs together ("<br />"
/// followed by exactly one line end, empty table cells filled with "&nbsp;").
[[nodiscard]] std::string BreakHTMLLines(std::string_view text);

/// Rewrites EUC-JP, UTF-8 and ISO-2022-JP declarations ("charset=euc-jp", "encoding=\"utf-8",
/// ...) to name Shift_JIS, ignoring case; a longer name that begins the same way is rewritten at
/// its start. Declarations of Shift_JIS in any spelling are left alone.
[[nodiscard]] std::string SetDeclaredCharsetShiftJIS(std::string_view text);

}  // namespace pellucor

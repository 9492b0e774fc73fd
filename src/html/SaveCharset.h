#pragma once

#include <string>
#include <string_view>

#include "text/CodePage932.h"
#include "text/HtmlCharset.h"

// Making saved text agree with the encoding it is saved in. The save encoding is given by the
// same codes as the charset option groups (0 automatic, 1 EUC-JP, 2 UTF-8, 3 Shift_JIS,
// 4 ISO-2022-JP, 5 UTF-8N).
namespace pellucor {

/// The page converted to Shift_JIS from the encoding its own declarations name (only the
/// lower-case spellings count; anything else is detected), with its declarations rewritten to
/// name Shift_JIS. Fails only as ConvertHtmlToSjis does.
[[nodiscard]] ConvertedText HTMLToShiftJIS(std::string_view text);

/// Rewrites meta charset declarations to "charset=Shift_JIS\"" (ignoring case) and puts a blank
/// between a quote and a following "/*".
[[nodiscard]] std::string SetMetaCharsetShiftJIS(std::string_view text);

/// For style sheets and scripts: quoted "euc-jp", "utf-8", "iso-2022-jp" (and "shift_js")
/// become "\"Shift_JIS\"", and every line end becomes CR LF.
[[nodiscard]] std::string SetQuotedCharsetShiftJIS(std::string_view text);

/// SetQuotedCharsetShiftJIS on the text itself.
void SetQuotedCharsetShiftJISIn(std::string& text);

/// Quoted charset names (a name directly followed by its closing quote) rewritten for saving in
/// `code`: to "Shift_JIS" for 0 and 3, from "Shift_JIS" to "euc-jp", "utf-8" or "iso-2022-jp"
/// for 1, 2 and 5, and 4. Names only; the bytes stay Shift_JIS (ConvertSaveCharset converts).
[[nodiscard]] std::string ReplaceCharsetName(std::string_view text, CharsetCode code);

/// The Shift_JIS text as the bytes to write in `code`: unchanged for 0 and 3, EUC-JP for 1,
/// UTF-8 without byte order mark for 2 and 5, ISO-2022-JP for 4; unchanged for any other code.
[[nodiscard]] std::string ConvertSaveCharset(std::string_view text, CharsetCode code);

}  // namespace pellucor

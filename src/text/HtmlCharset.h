#pragma once

#include <string>
#include <string_view>

#include "text/CodePage932.h"

// Bringing a fetched page, style sheet or script into Shift_JIS.
namespace pellucor {

/// The item index of the charset option groups: how a fetched text is to be read.
enum class CharsetCode : int {
  Automatic = 0,  // "自動": decided from the declarations in the head
  EucJp = 1,
  Utf8 = 2,
  ShiftJis = 3,
  Iso2022Jp = 4,
  Utf8N = 5,  // UTF-8 with a byte order mark
};

/// Line-end normalisation: CR LF becomes LF, then every pair of LFs becomes one (a run of four
/// becomes two), then every LF becomes CR LF. Lone CRs are kept.
[[nodiscard]] std::string NormalizeLineEnds(std::string_view text);

/// The charset that ConvertHtmlToSjis with Automatic reads the text as: ShiftJis, EucJp or
/// Iso2022Jp when the head declares one of them (in that order, as Automatic looks), otherwise
/// Utf8 for a well-formed UTF-8 text (a pure ASCII text included) and ShiftJis for any other,
/// which Automatic keeps as it is. Never Automatic or Utf8N: a byte order mark is part of a
/// well-formed UTF-8 text.
[[nodiscard]] CharsetCode DetectHtmlCharset(std::string_view text);

/// The charset to read a style sheet or script of a page in `pageCharset` (as DetectHtmlCharset
/// or the user named it): its own declaration when it has one; the page's ISO-2022-JP for a text
/// with its escapes; Automatic for a well-formed UTF-8 text (or plain ASCII), which Automatic
/// reads right; otherwise the page's charset when that is EUC-JP or ISO-2022-JP, since a script
/// without a word of its charset is written in its page's. Automatic for anything else (which
/// keeps a Shift_JIS text as it is).
[[nodiscard]] CharsetCode ResourceCharset(std::string_view text, CharsetCode pageCharset);

/// The text as Shift_JIS. Automatic looks in the head part (the text before "</head", else before
/// "<link", else before "<script") for a Shift_JIS, EUC-JP, UTF-8 or ISO-2022-JP declaration, in
/// that order, and otherwise tries UTF-8; text that is not well-formed UTF-8 stays as it is. Line
/// ends are normalised except after an automatic ISO-2022-JP decision and for ShiftJis. A code
/// outside 0-5 returns the text unchanged. Fails only when the UTF-8 conversion cannot run.
[[nodiscard]] ConvertedText ConvertHtmlToSjis(std::string_view text, CharsetCode charset);

}  // namespace pellucor

#include "webcode/WebCode.h"

#include <optional>

#include "text/Base64.h"
#include "text/CodePage932.h"
#include "text/JisCode.h"
#include "text/PercentCoding.h"
#include "text/ShiftJis.h"
#include "text/TextTrim.h"

namespace pellucor {
namespace {

// Percent-escaped UTF-8 read back: a text that is not UTF-8 after all gives nothing rather than
// a guess.
std::string StrictUtf8ToSjis(std::string_view utf8) {
  std::optional<std::string> sjis = WellFormedUtf8ToSjis(utf8);
  return sjis ? std::move(*sjis) : std::string();
}

std::string CrLfToLf(std::string text) {
  ReplaceAllIn(text, "\r\n", "\n", CaseMode::Exact);
  return text;
}

// The form of EUC-JP that query strings of Japanese sites expect: parentheses escaped, and the
// asterisk, the space and the ampersand written plainly.
std::string EscapedEuc(std::string_view text) {
  std::string euc = SjisToEucSimple(CrLfToLf(std::string(text)));
  ReplaceAllIn(euc, "(", "%28", CaseMode::Exact);
  std::string escaped = PercentEncode(euc);
  ReplaceAllIn(escaped, "%2a", "*", CaseMode::IgnoreAsciiCase);
  ReplaceAllIn(escaped, "%20", "+", CaseMode::Exact);
  ReplaceAllIn(escaped, "%26", "&", CaseMode::Exact);
  return escaped;
}

}  // namespace

std::string WebCodeDecode(std::string_view text, int item) {
  if (text.empty()) return {};
  switch (item) {
    case 0:
      return StrictUtf8ToSjis(PercentDecode(text));
    case 1:
      return StrictUtf8ToSjis(PercentDecode(ReplaceAll(text, "%25", "%", CaseMode::Exact)));
    case 2:
      return LfToCrLf(EucToSjis(PercentDecode(text)));
    case 3:
      return PercentDecode(text);
    case 4:
      return StrictUtf8ToSjis(text);
    case 5:
      return JisTextToSjisSimple(text);
    case 6:
      return Base64Decode(text);
    case 7:
      return LfToCrLf(EucToSjis(text));
    default:
      return std::string(text);
  }
}

std::string WebCodeEncode(std::string_view text, int item) {
  if (text.empty()) return {};
  switch (item) {
    case 0:
    case 1:
      return PercentEncode(SjisToUtf8(text));
    case 2:
      return EscapedEuc(text);
    case 3:
      return PercentEncode(text);
    case 4:
      return SjisToUtf8(text);
    case 5:
      return SjisToJisText(text);
    case 6:
      return Base64Encode(text);
    case 7:
      return CrLfToLf(SjisToEuc(text, KanaWidening::WidenAndMerge));
    default:
      return std::string(text);
  }
}

}  // namespace pellucor

#include "web/UrlDecode.h"

#include "text/Base64.h"
#include "text/CodePage932.h"
#include "text/JisCode.h"
#include "text/PercentCoding.h"
#include "text/ShiftJis.h"
#include "text/TextTrim.h"

namespace pellucor {
namespace {

std::string PercentUtf8ToSjis(std::string_view text) {
  ConvertedText converted = Utf8ToSjis(PercentDecode(text));
  if (!converted.ok()) return {};
  // The converted text ends at its first NUL, as a C string handed on would.
  if (const std::size_t nul = converted.text.find('\0'); nul != std::string::npos)
    converted.text.resize(nul);
  return std::move(converted.text);
}

}  // namespace

std::string DecodeUrlText(std::string_view url, UrlDecodeMode mode) {
  switch (mode) {
    case UrlDecodeMode::None:
      return std::string(url);
    case UrlDecodeMode::PercentUtf8:
      return PercentUtf8ToSjis(url);
    case UrlDecodeMode::PercentEucCrLf:
      return LfToCrLf(EucToSjis(PercentDecode(url)));
    case UrlDecodeMode::PercentEuc:
      return EucToSjis(PercentDecode(url));
    case UrlDecodeMode::Percent25Utf8:
      return PercentUtf8ToSjis(ReplaceAll(url, "%25", "%", CaseMode::Exact));
    case UrlDecodeMode::Base64:
      return Base64Decode(url);
  }
  return std::string(url);
}

}  // namespace pellucor

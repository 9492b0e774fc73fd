#include "html/SaveCharset.h"

#include <array>
#include <utility>

#include "html/ReplaceRows.h"
#include "text/JisCode.h"
#include "text/TextTrim.h"

namespace pellucor {
namespace {

// The declarations that decide a page's encoding, searched case-sensitively in this order.
constexpr std::array<std::pair<std::string_view, CharsetCode>, 10> kDeclaredEncodings = {{
    {"<meta charset=\"shift-jis\"", CharsetCode::ShiftJis},
    {"<meta charset=\"euc-jp\"", CharsetCode::EucJp},
    {"<meta charset=\"shift_jis\"", CharsetCode::ShiftJis},
    {"<meta charset=\"utf-8\"", CharsetCode::Utf8},
    {"charset=iso-2022", CharsetCode::Iso2022Jp},
    {"charset=utf-8\"", CharsetCode::Utf8},
    {"charset=euc-jp\"", CharsetCode::EucJp},
    {"charset=shift_jis\"", CharsetCode::ShiftJis},
    {"charset=shift-jis\"", CharsetCode::ShiftJis},
    {"charset=x-sjis\"", CharsetCode::ShiftJis},
}};

constexpr std::array<ReplaceRow, 7> kMetaCharsetRows = {{
    {"\"/*", "\" /*"},
    {"charset=UTF-8\"", "charset=Shift_JIS\""},
    {"charset=EUC-JP\"", "charset=Shift_JIS\""},
    {"charset=shift_jis\"", "charset=Shift_JIS\""},
    {"charset=shift-jis\"", "charset=Shift_JIS\""},
    {"charset=x_jis\"    ", "charset=Shift_JIS\""},
    {"charset= UTF-8?", "charset=Shift_JIS\""},
}};

// Rows 1-5 of the meta charset rows and one of their own.
constexpr std::array<ReplaceRow, 6> kConvertedPageRows = {{
    kMetaCharsetRows[0],
    kMetaCharsetRows[1],
    kMetaCharsetRows[2],
    kMetaCharsetRows[3],
    kMetaCharsetRows[4],
    {"charset=x-sjis\"   ", "charset=Shift_JIS\""},
}};

constexpr std::array<ReplaceRow, 4> kQuotedCharsetRows = {{
    {"\"shift_js\"", "\"Shift_JIS\""},
    {"\"euc-jp\"", "\"Shift_JIS\""},
    {"\"utf-8\"", "\"Shift_JIS\""},
    {"\"iso-2022-jp\"", "\"Shift_JIS\""},
}};

// Saving as Shift_JIS. "x-sjis\"" comes first: after the row "sjis\"" it would be left as
// "x-Shift_JIS\"", a name no browser knows.
constexpr std::array<ReplaceRow, 11> kToShiftJisRows = {{
    {"x-sjis\"", "Shift_JIS\""},
    {"shift_jis\"", "Shift_JIS\""},
    {"s_jis\"", "Shift_JIS\""},
    {"sjis\"", "Shift_JIS\""},
    {"s-jis\"", "Shift_JIS\""},
    {"xjis\"", "Shift_JIS\""},
    {"x-jis\"", "Shift_JIS\""},
    {"shift-jis\"", "Shift_JIS\""},
    {"UTF-8\"", "Shift_JIS\""},
    {"EUC-JP\"", "Shift_JIS\""},
    {"ISO-2022-JP\"", "Shift_JIS\""},
}};

constexpr std::array<ReplaceRow, 1> kToEucJpRows = {{{"Shift_JIS\"", "euc-jp\""}}};
constexpr std::array<ReplaceRow, 1> kToUtf8Rows = {{{"Shift_JIS\"", "utf-8\""}}};
constexpr std::array<ReplaceRow, 1> kToIso2022JpRows = {{{"Shift_JIS\"", "iso-2022-jp\""}}};

std::string WithRows(std::string_view text, std::span<const ReplaceRow> rows) {
  std::string result(text);
  ApplyRows(result, rows);
  return result;
}

}  // namespace

ConvertedText HTMLToShiftJIS(std::string_view text) {
  CharsetCode declared = CharsetCode::Automatic;
  for (const auto& [declaration, code] : kDeclaredEncodings) {
    if (ContainsText(text, declaration, CaseMode::Exact)) {
      declared = code;
      break;
    }
  }
  ConvertedText converted = ConvertHtmlToSjis(text, declared);
  if (converted.ok()) ApplyRows(converted.text, kConvertedPageRows);
  return converted;
}

std::string SetMetaCharsetShiftJIS(std::string_view text) {
  return WithRows(text, kMetaCharsetRows);
}

std::string SetQuotedCharsetShiftJIS(std::string_view text) {
  std::string result(text);
  SetQuotedCharsetShiftJISIn(result);
  return result;
}

void SetQuotedCharsetShiftJISIn(std::string& text) {
  ApplyRows(text, kQuotedCharsetRows);
  UnifyLineEndsIn(text);
}

std::string ReplaceCharsetName(std::string_view text, CharsetCode code) {
  switch (code) {
    case CharsetCode::Automatic:
    case CharsetCode::ShiftJis:
      return WithRows(text, kToShiftJisRows);
    case CharsetCode::EucJp:
      return WithRows(text, kToEucJpRows);
    case CharsetCode::Utf8:
    case CharsetCode::Utf8N:
      return WithRows(text, kToUtf8Rows);
    case CharsetCode::Iso2022Jp:
      return WithRows(text, kToIso2022JpRows);
  }
  return std::string(text);
}

std::string ConvertSaveCharset(std::string_view text, CharsetCode code) {
  switch (code) {
    case CharsetCode::EucJp:
      return SjisToEucSimple(text);
    case CharsetCode::Utf8:
    case CharsetCode::Utf8N:
      return SjisToUtf8(text);
    case CharsetCode::Iso2022Jp:
      return SjisToJisText(text);
    case CharsetCode::Automatic:
    case CharsetCode::ShiftJis:
      break;
  }
  return std::string(text);
}

}  // namespace pellucor

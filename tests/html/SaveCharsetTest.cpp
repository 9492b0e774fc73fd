#include "html/SaveCharset.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Iconv;
using testing::Sjis;

TEST(HTMLToShiftJIS, TheFirstDeclarationRuleDecides) {
  // Both an EUC-JP meta tag and a UTF-8 declaration: the meta tag's rule comes first.
  const std::string euc = *Iconv(
      "UTF-8", "EUC-JP", "<meta charset=\"euc-jp\"><meta content=\"charset=utf-8\"><p>日本</p>");
  const ConvertedText converted = HTMLToShiftJIS(euc);
  ASSERT_TRUE(converted.ok());
  EXPECT_EQ(converted.text,
            Sjis("<meta charset=\"euc-jp\"><meta content=\"charset=Shift_JIS\"><p>日本</p>"));
  // Only lower-case spellings count; "charset=UTF-8" in capitals is detected instead.
  EXPECT_EQ(HTMLToShiftJIS("<meta content=\"charset=UTF-8\">日本").text,
            Sjis("<meta content=\"charset=Shift_JIS\">日本"));
  EXPECT_EQ(HTMLToShiftJIS("<meta content=\"charset=x-sjis\"   >").text,
            "<meta content=\"charset=Shift_JIS\">");
}

TEST(SetMetaCharsetShiftJIS, Rows) {
  EXPECT_EQ(SetMetaCharsetShiftJIS("charset=euc-jp\" x=\"/*\""), "charset=Shift_JIS\" x=\" /*\"");
  EXPECT_EQ(SetMetaCharsetShiftJIS("charset=X_JIS\"    >"), "charset=Shift_JIS\">");
  EXPECT_EQ(SetMetaCharsetShiftJIS("charset= UTF-8?>"), "charset=Shift_JIS\">");
}

TEST(SetQuotedCharsetShiftJIS, QuotedNamesAndLineEnds) {
  EXPECT_EQ(SetQuotedCharsetShiftJIS("@charset \"UTF-8\";\nx\ry"),
            "@charset \"Shift_JIS\";\r\nx\r\ny");
}

TEST(ReplaceCharsetName, ByCode) {
  struct Case {
    const char* name;
    std::string in;
    CharsetCode code;
    std::string out;
  } cases[] = {
      {"automatic", "charset=\"EUC-JP\" charset=\"utf-8\"", CharsetCode::Automatic,
       "charset=\"Shift_JIS\" charset=\"Shift_JIS\""},
      {"x-sjis becomes Shift_JIS, not x-Shift_JIS", "charset=\"x-sjis\"", CharsetCode::ShiftJis,
       "charset=\"Shift_JIS\""},
      {"names only with their closing quote", "shift_jis utf-8", CharsetCode::Automatic,
       "shift_jis utf-8"},
      {"EUC-JP", "charset=\"Shift_JIS\" " + Sjis("漢字"), CharsetCode::EucJp,
       "charset=\"euc-jp\" " + Sjis("漢字")},
      {"UTF-8", "charset=\"shift_jis\"", CharsetCode::Utf8, "charset=\"utf-8\""},
      {"UTF-8N", "charset=\"Shift_JIS\"", CharsetCode::Utf8N, "charset=\"utf-8\""},
      {"ISO-2022-JP", "charset=\"Shift_JIS\"", CharsetCode::Iso2022Jp, "charset=\"iso-2022-jp\""},
      {"unknown code", "charset=\"utf-8\"", static_cast<CharsetCode>(7), "charset=\"utf-8\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReplaceCharsetName(c.in, c.code), c.out);
  }
}

TEST(ConvertSaveCharset, ByCodeAndBackAgain) {
  const std::string text = Sjis("日本語のテキスト\r\n");
  EXPECT_EQ(ConvertSaveCharset(text, CharsetCode::Automatic), text);
  EXPECT_EQ(ConvertSaveCharset(text, CharsetCode::ShiftJis), text);
  EXPECT_EQ(ConvertSaveCharset(text, CharsetCode::EucJp), Iconv("CP932", "EUC-JP", text));
  EXPECT_EQ(ConvertSaveCharset(text, CharsetCode::Utf8), "日本語のテキスト\r\n");
  EXPECT_EQ(ConvertSaveCharset(text, CharsetCode::Utf8N),
            ConvertSaveCharset(text, CharsetCode::Utf8));
  EXPECT_EQ(
      Iconv("ISO-2022-JP", "CP932", ConvertSaveCharset(text, CharsetCode::Iso2022Jp) + "\x1B(B"),
      text);
}

}  // namespace
}  // namespace pellucor

#include "text/CodePage932.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Iconv;
using testing::Sjis;

TEST(Utf8ToWideText, StrictCheck) {
  struct Case {
    const char* name;
    std::string in;
    std::u32string out;  // empty: rejected
  } cases[] = {
      {"empty", "", U""},
      {"ASCII", "ab", U"ab"},
      {"two and three bytes", "\xC3\xA9\xE6\xBC\xA2", U"\u00E9\u6F22"},
      {"four bytes", "\xF0\x9F\x98\x80", U"\U0001F600"},
      {"stray continuation byte", "a\x80", U""},
      {"cut-off sequence", "\xE6\xBC", U""},
      {"bad continuation", "\xE6\x41\x41", U""},
      {"overlong", "\xC0\xAF", U""},
      {"surrogate", "\xED\xA0\x80", U""},
      {"past U+10FFFF", "\xF4\x90\x80\x80", U""},
      {"Shift_JIS text", Sjis("漢字です"), U""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Utf8ToWideText(c.in), c.out);
    // The check without the wide text agrees, past the eight-byte ASCII runs it skips too.
    EXPECT_EQ(IsWellFormedUtf8(c.in), c.in.empty() || !c.out.empty());
    EXPECT_EQ(IsWellFormedUtf8("0123456789" + c.in + "abcdefghij"), c.in.empty() || !c.out.empty());
  }
}

TEST(WideToSjis, CharactersWithoutShiftJisFormBecomeQuestionMarks) {
  EXPECT_EQ(WideToSjis(U"漢a\U0001F600\u00E9\uFEFF"), Sjis("漢a") + "???");
}

TEST(Utf8ToSjis, ReplacesMalformedSequencesAndNeverTruncates) {
  const ConvertedText converted = Utf8ToSjis(std::string("a\xFF\xE6\xBC\xA2\0b", 7));
  ASSERT_TRUE(converted.ok());
  EXPECT_EQ(converted.text, std::string("a?") + Sjis("漢") + std::string("\0b", 2));
  EXPECT_EQ(Utf8ToSjis("").text, "");
}

TEST(Utf8ToSjis, MessageIsTheProgramsText) {
  EXPECT_EQ(Utf8ConversionFailedMessage(), Sjis("UTF8の文字列変換に失敗しました."));
}

TEST(SjisToUtf8, AgreesWithIconvAndKeepsManyHalfWidthKana) {
  const std::string text = Sjis("Aｱｲｳｴｵ漢字～①\\");
  EXPECT_EQ(SjisToUtf8(text), Iconv("CP932", "UTF-8", text));
  const std::string kana(1000, '\xB1');
  EXPECT_EQ(SjisToUtf8(kana).size(), 3000u);
  EXPECT_EQ(SjisToUtf8("a\x80"
                       "b"),
            "a\xEF\xBF\xBD"
            "b");  // no character: U+FFFD
}

TEST(ExactConversions, RefuseWhatWouldChangeAName) {
  EXPECT_EQ(SjisToUtf8Exact(Sjis("表示.html")), "表示.html");
  EXPECT_EQ(SjisToUtf8Exact("a\x80"), std::nullopt);
  EXPECT_EQ(SjisToUtf8Exact("a\x81"), std::nullopt);  // a lead byte at the end
  EXPECT_EQ(Utf8ToSjisExact("表示"), Sjis("表示"));
  EXPECT_EQ(Utf8ToSjisExact("\u00E9t\u00E9"), std::nullopt);
  EXPECT_EQ(Utf8ToSjisExact("a\xFF"), std::nullopt);
}

TEST(CodePage932, EveryDoubleByteCharacterRoundTripsThroughUtf8AsIconvDoes) {
  int characters = 0;
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead >= 0xA0 && lead <= 0xDF) continue;
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      const std::string sjis{static_cast<char>(lead), static_cast<char>(trail)};
      const std::optional<std::string> utf8 = Iconv("CP932", "UTF-8", sjis);
      if (!utf8) continue;
      ++characters;
      ASSERT_EQ(SjisToUtf8(sjis), *utf8);
      ASSERT_EQ(Utf8ToSjis(*utf8).text, Iconv("UTF-8", "CP932", *utf8).value_or("?"));
    }
  }
  EXPECT_GT(characters, 7000);
}

}  // namespace
}  // namespace pellucor

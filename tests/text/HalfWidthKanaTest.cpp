#include "text/HalfWidthKana.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Sjis;

// The half-width katakana in byte order (0xA1-0xDF) and what each becomes alone.
constexpr const char* kHalfWidth =
    "｡｢｣､･ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝﾞﾟ";
constexpr const char* kFullWidth =
    "。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマ"
    "ミムメモヤユヨラリルレロワン゛゜";

TEST(HalfWidthKana, EveryByteWidensToItsFullWidthForm) {
  const std::string half = Sjis(kHalfWidth);
  ASSERT_EQ(half.size(), 63u);
  for (std::size_t i = 0; i < half.size(); ++i)
    EXPECT_EQ(static_cast<unsigned char>(half[i]), 0xA1 + i);
  EXPECT_EQ(HalfToFullKanaPlain(half), Sjis(kFullWidth));
}

TEST(HalfWidthKana, MergingOfVoicingMarks) {
  struct Case {
    const char* in;
    const char* merged;
    const char* plain;
  } cases[] = {
      {"ｶﾞｷﾞﾄﾞ", "ガギド", "カ゛キ゛ト゛"},
      {"ﾊﾞﾎﾞﾊﾟﾎﾟ", "バボパポ", "ハ゛ホ゛ハ゜ホ゜"},
      {"ｳﾞ", "ヴ", "ウ゛"},
      {"ｶﾟｱﾞﾅﾞ", "カ゜ア゛ナ゛", "カ゜ア゛ナ゛"},  // marks that do not combine stay marks
      {"ﾞｶ", "゛カ", "゛カ"},
      {"abc漢字", "abc漢字", "abc漢字"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(HalfToFullKana(Sjis(c.in)), Sjis(c.merged));
    EXPECT_EQ(HalfToFullKanaPlain(Sjis(c.in)), Sjis(c.plain));
  }
}

TEST(HalfWidthKana, SecondBytesInTheKanaRangeAreLeftAlone) {
  // "こ" is 0x82 0xB1, and 0xB1 alone would be "ｱ".
  const std::string ko = Sjis("こ");
  ASSERT_EQ(ko, "\x82\xB1");
  EXPECT_EQ(HalfToFullKana(ko), ko);
  EXPECT_EQ(HalfToFullKanaPlain(ko + Sjis("ｱ")), ko + Sjis("ア"));
}

TEST(HalfWidthKana, ToJisAdvancesPastWhatItTook) {
  const std::string text = Sjis("ﾊﾟx");
  std::size_t offset = 0;
  EXPECT_EQ(HalfKanaToJis(text, offset), 0x2551);  // パ
  EXPECT_EQ(offset, 2u);
  EXPECT_EQ(HalfKanaToJis(text, offset), 0);  // "x" is no kana
  EXPECT_EQ(offset, 2u);
  const std::string marks = Sjis("｡ﾞ");
  offset = 0;
  EXPECT_EQ(HalfKanaToJis(marks, offset), 0x2123);
  EXPECT_EQ(HalfKanaToJis(marks, offset), 0x212B);
}

}  // namespace
}  // namespace pellucor

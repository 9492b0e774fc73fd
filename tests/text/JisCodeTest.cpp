#include "text/JisCode.h"

#include <gtest/gtest.h>

#include <string>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Iconv;
using testing::Sjis;

TEST(JisChar, ShiftArithmeticOnKnownCharacters) {
  struct Case {
    const char* name;
    unsigned char row, cell;
    const char* utf8;
  } cases[] = {
      {"hiragana a (even row)", 0x24, 0x22, "あ"},
      {"ideographic space", 0x21, 0x21, "　"},
      {"odd row, cell below 0x60", 0x30, 0x21, "亜"},
      {"odd row, cell 0x60 and above", 0x25, 0x60, "ム"},
      {"row past 0x5E", 0x60, 0x21, "燹"},
      {"last cell of the last row", 0x74, 0x26, "熙"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string sjis = Sjis(c.utf8);
    EXPECT_EQ(JisToSjisChar(c.row, c.cell), sjis);
    const std::string jis{static_cast<char>(c.row), static_cast<char>(c.cell)};
    EXPECT_EQ(
        SjisToJisChar(static_cast<unsigned char>(sjis[0]), static_cast<unsigned char>(sjis[1])),
        jis);
  }
}

TEST(JisChar, OutOfRangeGivesEmpty) {
  EXPECT_EQ(JisToSjisChar(0x20, 0x21), "");
  EXPECT_EQ(JisToSjisChar(0x7F, 0x21), "");
  EXPECT_EQ(JisToSjisChar(0x0A, 0x41), "");
  EXPECT_EQ(SjisToJisChar('A', 0x40), "");
  EXPECT_EQ(SjisToJisChar(0xA1, 0x40), "");
}

// Every JIS X 0208 character that the system knows: its Shift_JIS form goes to EUC-JP and
// ISO-2022-JP and back unchanged, and the forms agree with iconv's.
TEST(JisChar, EveryJisX0208CharacterRoundTripsAndAgreesWithIconv) {
  int characters = 0;
  for (unsigned row = 0x21; row <= 0x7E; ++row) {
    for (unsigned cell = 0x21; cell <= 0x7E; ++cell) {
      const std::string euc{static_cast<char>(row | 0x80), static_cast<char>(cell | 0x80)};
      const std::optional<std::string> unicode = Iconv("EUC-JP", "UTF-8", euc);
      if (!unicode) continue;  // an unassigned cell
      ++characters;
      SCOPED_TRACE(::testing::Message() << std::hex << "JIS " << row << cell);
      const std::string sjis =
          JisToSjisChar(static_cast<unsigned char>(row), static_cast<unsigned char>(cell));
      ASSERT_EQ(sjis.size(), 2u);

      EXPECT_EQ(SjisToEuc(sjis, KanaWidening::Keep), euc);
      EXPECT_EQ(SjisToEucSimple(sjis), euc);
      EXPECT_EQ(EucToSjis(euc), sjis);

      const std::string jisText = SjisToJisText(sjis);
      EXPECT_EQ(jisText, std::string("\x1B$B") + static_cast<char>(row) + static_cast<char>(cell));
      EXPECT_EQ(JisTextToSjis(jisText), sjis);
      EXPECT_EQ(JisTextToSjisSimple(jisText), sjis);
      // iconv closes the two-byte mode at the end; ours leaves it open.
      EXPECT_EQ(Iconv("EUC-JP", "ISO-2022-JP", euc), jisText + "\x1B(B");
      EXPECT_EQ(Iconv("ISO-2022-JP", "EUC-JP", jisText + "\x1B(B"), euc);
      EXPECT_EQ(Iconv("EUC-JP", "SHIFT_JIS", euc).value_or(sjis), sjis);
    }
  }
  EXPECT_GT(characters, 6800);  // JIS X 0208 assigns 6,879 characters
}

TEST(JisText, EscapesSwitchTheModeAndVanish) {
  const std::string kanji = Sjis("漢字");
  struct Case {
    const char* name;
    std::string in;
    std::string out;
  } cases[] = {
      {"ASCII return", "a\x1B$B4A;z\x1B(Bb", "a" + kanji + "b"},
      {"Roman return", "\x1B$B4A;z\x1B(J\r\n", kanji + "\r\n"},
      {"line end inside two-byte mode vanishes with its partner", "\x1B$B4A\r\n;z", Sjis("漢字")},
      {"single last byte vanishes", "\x1B$B4A;", Sjis("漢")},
      {"other escape is copied", "\x1B(Ix", "\x1B(Ix"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(JisTextToSjis(c.in), c.out);
  }
}

TEST(JisText, SimpleVariantSkipsEveryEscapeWithTwoBytes) {
  // ESC "$@" (the old JIS set) enters two-byte mode, ESC "(I" leaves it; an unknown escape is
  // skipped with its two bytes and changes nothing.
  EXPECT_EQ(JisTextToSjisSimple("\x1B$@4A\x1B(Ia"), Sjis("漢") + "a");
  EXPECT_EQ(JisTextToSjisSimple("a\x1B%Gb"), "ab");
  EXPECT_EQ(JisTextToSjis("\x1B$@4A"), "\x1B$@4A");
}

TEST(JisText, FromShiftJisWritesEscapesOnlyAtChanges) {
  EXPECT_EQ(SjisToJisText(Sjis("a漢字b")), "a\x1B$B4A;z\x1B(Jb");
  EXPECT_EQ(SjisToJisText(Sjis("漢\r\n字")), "\x1B$B4A\x1B(J\r\n\x1B$B;z");
  // Ends with a kanji: no return escape.
  EXPECT_EQ(SjisToJisText(Sjis("字")), "\x1B$B;z");
  // Half-width katakana become full-width letters, voiced marks merged.
  EXPECT_EQ(SjisToJisText(Sjis("ｶﾞｱ")), "\x1B$B%,%\"");
}

TEST(EucJp, KanaAndOtherBytes) {
  EXPECT_EQ(EucToSjis("\x8E\xB1x"), "\xB1x");
  EXPECT_EQ(EucToSjis("\x8E"
                      "a"),
            "\x8E"
            "a");  // 0x8E without kana is copied
  EXPECT_EQ(SjisToEuc(Sjis("ｱ"), KanaWidening::Keep), "\x8E\xB1");
  EXPECT_EQ(SjisToEuc(Sjis("ｶﾞ"), KanaWidening::WidenAndMerge), *Iconv("UTF-8", "EUC-JP", "ガ"));
  EXPECT_EQ(SjisToEuc(Sjis("ｶﾞ"), KanaWidening::WidenPlain), *Iconv("UTF-8", "EUC-JP", "カ゛"));
  EXPECT_EQ(SjisToEucSimple(Sjis("ｶﾞ")), "\x8E\xB6\x8E\xDE");
}

}  // namespace
}  // namespace pellucor

#include "analysis/ColorSwatch.h"

#include <gtest/gtest.h>

namespace pellucor {
namespace {

TEST(ParseHexColor, Values) {
  struct Case {
    const char* text;
    int color;
  } cases[] = {
      {"#ff0000", 0xff},
      {"#00ff00", 0xff00},
      {"#0000ff", 0xff0000},
      {"#fff", 15 * 256 + 255 * 65536},  // "000fff"
      {"#12345678", 0x12 + 0x34 * 256 + 0x56 * 65536},
      {"#abcdef;}", 0xab + 0xcd * 256 + 0xef * 65536},
      {"#zz8000", 0x80 * 256},  // an invalid pair counts as 0
      {"123456", 0x12 + 0x34 * 256 + 0x56 * 65536},
      {"", -1},
      {"#", -1},
      {"#;", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseHexColor(c.text), c.color);
  }
}

TEST(ColorItemLookOf, SwatchAndTextColour) {
  constexpr TextColor kWhite{255, 255, 255};
  constexpr TextColor kBlack{0, 0, 0};
  constexpr TextColor kRed{255, 0, 0};
  constexpr TextColor kBlue{0, 0, 255};
  constexpr TextColor kYellow{255, 255, 0};
  struct Case {
    const char* item;
    bool drawn;
    TextColor background;
    TextColor text;
  } cases[] = {
      {"#fff         a", true, {0, 15, 255}, kRed},
      {"#ff0000      h1", true, {255, 0, 0}, kBlue},
      {"#123456      p", true, {0x12, 0x34, 0x56}, kYellow},
      {"#900000", true, {0x90, 0, 0}, kYellow},
      {"#900001", true, {0x90, 0, 1}, kBlue},
      {"#100000", true, {0x10, 0, 0}, kYellow},
      {"red a", true, kWhite, kBlack},
      {"", false, kWhite, kBlack},
      {" a", false, kWhite, kBlack},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    const ColorItemLook look = ColorItemLookOf(c.item);
    EXPECT_EQ(look.drawn, c.drawn);
    EXPECT_EQ(look.background, c.background);
    EXPECT_EQ(look.text, c.text);
  }
}

}  // namespace
}  // namespace pellucor

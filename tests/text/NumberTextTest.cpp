#include "text/NumberText.h"

#include <gtest/gtest.h>

namespace pellucor {
namespace {

TEST(PadNumber, Cases) {
  EXPECT_EQ(ZeroPadNumber(7, 3), "007");
  EXPECT_EQ(ZeroPadNumber(-5, 4), "00-5");
  EXPECT_EQ(ZeroPadNumber(12345, 3), "12345");
  EXPECT_EQ(SpacePadNumber(42, 5), "   42");
  EXPECT_EQ(SpacePadNumber(42, 0), "42");
}

TEST(PadBeforeTab, Cases) {
  EXPECT_EQ(PadBeforeTab("abc\tx", 5), "abc \t\tx");
  EXPECT_EQ(PadBeforeTab("abc\tx", 2), "abc   \t\tx");
  EXPECT_EQ(PadBeforeTab("abc\tx", 4), "abc\t\tx");
  EXPECT_EQ(PadBeforeTab("abc\tx\ty", 8), "abc    \t\tx\ty");
  EXPECT_EQ(PadBeforeTab("abc", 8), "abc");
}

TEST(HexStrToInt, Cases) {
  EXPECT_EQ(HexStrToInt("ff"), 255);
  EXPECT_EQ(HexStrToInt("FFcc00"), 0xFFCC00);
  EXPECT_EQ(HexStrToInt("1G2"), 2);
  EXPECT_EQ(HexStrToInt("#12"), 0x12);
  EXPECT_EQ(HexStrToInt(""), 0);
}

}  // namespace
}  // namespace pellucor

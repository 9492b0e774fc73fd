#include "text/PercentCoding.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Sjis;

TEST(PercentEncode, Cases) {
  struct Case {
    const char* name;
    std::string in;
    std::string out;
  } cases[] = {
      {"ASCII and reserved characters stay", "a&b=c?d+e/f", "a&b=c?d+e/f"},
      {"space becomes +", "a b", "a+b"},
      {"double-byte character", Sjis("漢"), "%8a%bf"},
      {"trail byte below 0x80 is escaped too", Sjis("ア") + "x", "%83%41x"},
      {"half-width kana takes the next ASCII byte along", Sjis("ｱ") + "x", "%b1%78"},
      {"a zero byte after a high byte vanishes", std::string("\xB1\0x", 3), "%b1x"},
      {"a literal %00 is removed too", "50%00", "50"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PercentEncode(c.in), c.out);
  }
}

TEST(PercentDecode, Cases) {
  struct Case {
    const char* name;
    std::string in;
    std::string out;
  } cases[] = {
      {"plus and %2B become spaces", "a+b%2Bc", "a b c"},
      {"upper and lower hex digits", "%8A%bf", Sjis("漢")},
      {"non-hex digits count as 0", "%G1", "\x01"},
      {"a percent sign at the end", "a%4", "a\x40"},
      {"a lone percent sign at the end", "a%", std::string("a\0", 2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PercentDecode(c.in), c.out);
  }
}

TEST(PercentCoding, RoundTripOfJapaneseText) {
  for (const char* utf8 : {"検索 キーワード", "ソフト表示", "ﾊﾝｶｸ", "a&b=c"}) {
    const std::string text = Sjis(utf8);
    EXPECT_EQ(PercentDecode(PercentEncode(text)), text) << utf8;
  }
}

}  // namespace
}  // namespace pellucor

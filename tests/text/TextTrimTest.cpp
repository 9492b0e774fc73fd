#include "text/TextTrim.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Sjis;

TEST(TrimAllSpaces, Cases) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {" \t a b \r\n", "a b"},
      {Sjis("　 漢字　\r\n"), Sjis("漢字")},
      {Sjis(" 　 "), ""},
      {"", ""},
      // 0x88 0x81 is one character; its second byte and the "@" after it look like a
      // full-width blank (0x81 0x40) but are not one.
      {"\x88\x81@", "\x88\x81@"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TrimAllSpaces(c.in), c.out) << c.in;
}

TEST(CollapseSpaces, Cases) {
  EXPECT_EQ(CollapseSpaces("  a     b  "), "a  b");  // five blanks end as two
  EXPECT_EQ(CollapseSpaces("a   b"), "a b");
  EXPECT_EQ(CollapseSpaces(Sjis("a　　　　b")), "a b");  // full-width runs end as one blank
  EXPECT_EQ(CollapseSpaces(Sjis("a　　b")), "a b");
}

TEST(CollapseBlankLines, RunsOfLineEnds) {
  const auto run = [](int count) {
    return "a" + std::string(static_cast<std::size_t>(count), '\n') + "b";
  };
  const auto crlf = [](int count) {
    std::string text = "a";
    for (int i = 0; i < count; ++i)
      text += "\r\n";
    return text + "b";
  };
  EXPECT_EQ(CollapseBlankLines(run(1)), crlf(1));
  EXPECT_EQ(CollapseBlankLines(run(2)), crlf(1));
  EXPECT_EQ(CollapseBlankLines(run(38)), crlf(1));
  EXPECT_EQ(CollapseBlankLines(run(39)), crlf(2));
  EXPECT_EQ(CollapseBlankLines(crlf(6)), crlf(1));
  EXPECT_EQ(CollapseBlankLines("a\r\rb\tc"), "a\r\nb  c");
}

TEST(LfToCrLf, EveryLfGetsACr) {
  // A lead byte before the LF does not swallow it: line ends are no part of a character.
  EXPECT_EQ(LfToCrLf("a\nb\r\n\x82\n"), "a\r\nb\r\r\n\x82\r\n");
  EXPECT_EQ(LfToCrLf(""), "");
}

TEST(UnifyLineEnds, EveryLineEndBecomesCrLf) {
  EXPECT_EQ(UnifyLineEnds("a\rb\nc\r\nd\n\n\r\r"), "a\r\nb\r\nc\r\nd\r\n\r\n\r\n\r\n");
  EXPECT_EQ(UnifyLineEnds("plain"), "plain");
}

}  // namespace
}  // namespace pellucor

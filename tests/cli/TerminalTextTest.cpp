#include "cli/TerminalText.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor::cli {
namespace {

using testing::Sjis;

TEST(TerminalText, ControlBytesAreEscaped) {
  struct Case {
    const char* name;
    std::string sjis;
    LineEnds lineEnds;
    std::string expected;
  } cases[] = {
      {"plain Japanese", Sjis("表示/a.gif"), LineEnds::Escape, "表示/a.gif"},
      {"escape sequence", "a\x1B]0;title\x07.gif", LineEnds::Escape, "a\\x1B]0;title\\x07.gif"},
      {"line ends in a name", "a\r\nb", LineEnds::Escape, "a\\x0D\\x0Ab"},
      {"line ends of a message", "line\r\n\r\nnext\rx", LineEnds::Keep, "line\n\nnextx"},
      {"delete and tab", "a\x7F\tb", LineEnds::Keep, "a\\x7F\\x09b"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TerminalText(c.sjis, c.lineEnds), c.expected) << c.name;
}

TEST(TerminalTextUtf8, ControlCharactersAndMalformedBytesAreEscaped) {
  struct Case {
    const char* name;
    std::string utf8;
    std::string expected;
  } cases[] = {
      {"plain Japanese and beyond Shift_JIS", "表示/\U0001F600.gif", "表示/\U0001F600.gif"},
      {"escape sequence", "a\x1B]0;title\x07.gif", "a\\x1B]0;title\\x07.gif"},
      {"line ends, tab and delete", "a\r\n\tb\x7F", "a\\x0D\\x0A\\x09b\\x7F"},
      {"C1 control introducing a sequence",
       "a\xC2\x9B"
       "31m",
       "a\\xC2\\x9B31m"},
      {"lone 8-bit control byte",
       "a\x9B"
       "31m",
       "a\\x9B31m"},
      {"Shift_JIS bytes", Sjis("表"), "\\x95\\"},
      {"overlong form", "\xC0\xAF", "\\xC0\\xAF"},
      {"cut off at the end", "a\xE6\xBC", "a\\xE6\\xBC"},
      {"no-break space is no control", "a\xC2\xA0", "a\xC2\xA0"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TerminalTextUtf8(c.utf8), c.expected) << c.name;
}

}  // namespace
}  // namespace pellucor::cli

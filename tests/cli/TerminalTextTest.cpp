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

}  // namespace
}  // namespace pellucor::cli

#include "cli/ConvertCommand.h"

#include <gtest/gtest.h>

#include <sstream>

#include "CommandRun.h"

namespace pellucor::cli {
namespace {

CommandRun Convert(const std::vector<std::string>& arguments, const std::string& input = {}) {
  std::istringstream in(input);
  return Capture([&](std::ostream& out, std::ostream& error) {
    return RunConvert(arguments, in, out, error);
  });
}

TEST(ConvertCommand, ConvertsTheArgumentOrStandardInput) {
  struct Case {
    const char* name;
    std::vector<std::string> arguments;
    std::string input;
    std::string out;
  } cases[] = {
      {"encode 0 of an argument", {"encode", "0", "日本"}, "", "%e6%97%a5%e6%9c%ac\n"},
      {"encode 3 writes the Shift_JIS bytes escaped",
       {"encode", "3", "日本"},
       "",
       "%93%fa%96%7b\n"},
      {"encode of standard input without its last line end",
       {"encode", "6"},
       "日本\n",
       "k/qWew==\n"},
      {"encode 4 prints the UTF-8 bytes", {"encode", "4", "表示"}, "", "表示\n"},
      {"inner line ends are CR LF before encoding", {"encode", "3"}, "a\nb\n", "a\r\nb\n"},
      {"decode 0 prints UTF-8", {"decode", "0", "%e6%97%a5%e6%9c%ac"}, "", "日本\n"},
      {"decode 3 of a Shift_JIS address", {"decode", "3", "%93%fa%96%7b"}, "", "日本\n"},
      {"decode of standard input, CR LF shown as LF",
       {"decode", "7"},
       "\xc6\xfc\n\xcb\xdc\n",
       "日\n本\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CommandRun run = Convert(c.arguments, c.input);
    EXPECT_EQ(run.status, 0) << run.error;
    EXPECT_EQ(run.out, c.out);
  }
}

TEST(ConvertCommand, EncodedOutputDecodesBack) {
  const std::string text = "ウェブ表示 (1) a=b&c";
  for (int item = 0; item < 8; ++item) {
    SCOPED_TRACE(item);
    const CommandRun encoded = Convert({"encode", std::to_string(item), text});
    ASSERT_EQ(encoded.status, 0);
    const CommandRun decoded =
        Convert({"decode", std::to_string(item == 1 ? 0 : item)}, encoded.out);
    EXPECT_EQ(decoded.out, text + "\n");
  }
}

TEST(ConvertCommand, ExitStatuses) {
  const ExitStatusCase cases[] = {
      {"help", {"--help"}, 0},
      {"no arguments", {}, 64},
      {"no item", {"decode"}, 64},
      {"unknown direction", {"translate", "0", "x"}, 64},
      {"item past the last", {"decode", "8", "x"}, 64},
      {"item that is no number", {"encode", "x", "y"}, 64},
      {"too many texts", {"encode", "0", "a", "b"}, 64},
      {"unknown option", {"encode", "0", "--fast"}, 64},
      {"decoded to nothing", {"decode", "0", "%93%fa"}, 1},
      {"a text without a Shift_JIS form", {"encode", "0", "한국어"}, 2},
      {"a text that is not UTF-8", {"encode", "0", "\xff"}, 2},
  };
  ExpectExitStatuses(
      "convert", [](const auto& arguments) { return Convert(arguments); }, cases);
}

}  // namespace
}  // namespace pellucor::cli

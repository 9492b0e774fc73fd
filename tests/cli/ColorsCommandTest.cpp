#include "cli/ColorsCommand.h"

#include <gtest/gtest.h>

#include <sstream>

#include "CommandRun.h"
#include "support/TempFolder.h"

namespace pellucor::cli {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

CommandRun Colors(const std::vector<std::string>& arguments) {
  return Capture(
      [&](std::ostream& out, std::ostream& error) { return RunColors(arguments, out, error); });
}

TEST(ColorsCommand, PrintsTheListItems) {
  TempFolder folder;
  WriteBytes(folder / "site.css",
             "/* #000000 */\nh1.title { color: #ff0000; }\n.見出し{background:#FFF}\n"
             "p{color:#fff;}\n");
  WriteBytes(folder / "page.html",
             "<html><head><meta charset=\"utf-8\"><style type=\"text/css\">\n"
             "body{color:#102030;}\n</style></head><body></body></html>\n");
  struct Case {
    const char* name;
    std::vector<std::string> arguments;
    std::string out;
  } cases[] = {
      {"a style sheet in text order",
       {folder / "site.css"},
       "#ff0000      h1.title\n#FFF         .見出し\n#fff         p\n"},
      {"sorted without duplicates",
       {"--sorted", folder / "site.css"},
       "#ff0000     \n#FFF        \n"},
      // The text before a page's first rule belongs to its selector.
      {"a page",
       {folder / "page.html"},
       "#102030      <html><head><meta charset=\"utf-8\"> body\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CommandRun run = Colors(c.arguments);
    EXPECT_EQ(run.status, 0) << run.error;
    EXPECT_EQ(run.out, c.out);
  }
}

TEST(ColorsCommand, ExitStatuses) {
  TempFolder folder;
  WriteBytes(folder / "plain.css", "p { margin: 0 }\n");
  WriteBytes(folder / "plain.htm", "<p style=\"background:#ffffff\">x</p>\n");
  const ExitStatusCase cases[] = {
      {"help", {"--help"}, 0},
      {"no file", {}, 64},
      {"two files", {folder / "plain.css", folder / "plain.css"}, 64},
      {"unknown option", {"--fast", folder / "plain.css"}, 64},
      {"missing file", {folder / "missing.css"}, 2},
      {"no colour values", {folder / "plain.css"}, 1},
      {"a page without color:", {folder / "plain.htm"}, 1},
  };
  ExpectExitStatuses("colors", Colors, cases);
}

}  // namespace
}  // namespace pellucor::cli

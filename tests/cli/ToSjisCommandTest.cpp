#include "cli/ToSjisCommand.h"

#include <gtest/gtest.h>

#include <sstream>

#include "CommandRun.h"
#include "support/Iconv.h"
#include "support/TempFolder.h"

namespace pellucor::cli {
namespace {

using testing::ReadBytes;
using testing::Sjis;
using testing::TempFolder;
using testing::WriteBytes;

CommandRun ToSjis(const std::vector<std::string>& arguments, bool terminal = false) {
  return Capture([&](std::ostream& out, std::ostream& error) {
    return RunToSjis(arguments, out, error, terminal);
  });
}

TEST(ToSjisCommand, ConvertsToAFileOrStandardOutput) {
  TempFolder folder;
  WriteBytes(folder / "in.html", *testing::Iconv("UTF-8", "EUC-JP", "<p>日本語</p>\n\n"));
  EXPECT_EQ(ToSjis({folder / "in.html", "--charset", "euc-jp", "-o", folder / "out.html"}).status,
            0);
  EXPECT_EQ(ReadBytes(folder / "out.html"), Sjis("<p>日本語</p>\r\n"));

  WriteBytes(folder / "utf8.html", "<p>日本語</p>");
  EXPECT_EQ(ToSjis({folder / "utf8.html"}).out, Sjis("<p>日本語</p>"));
  EXPECT_EQ(ToSjis({folder / "utf8.html"}, true).out, "<p>日本語</p>");  // shown as UTF-8
}

TEST(ToSjisCommand, ExitStatuses) {
  TempFolder folder;
  WriteBytes(folder / "in.html", "x");
  const ExitStatusCase cases[] = {
      {"help", {"--help"}, 0},
      {"no input", {}, 64},
      {"two inputs", {folder / "in.html", folder / "in.html"}, 64},
      {"unknown charset", {folder / "in.html", "--charset", "latin-1"}, 64},
      {"unknown option", {folder / "in.html", "--fast"}, 64},
      {"missing input", {folder / "missing.html"}, 2},
      {"unwritable output", {folder / "in.html", "-o", folder / "no/such/out.html"}, 2},
  };
  ExpectExitStatuses(
      "to-sjis", [](const auto& arguments) { return ToSjis(arguments); }, cases);
}

}  // namespace
}  // namespace pellucor::cli

#include "cli/ColorizeCommand.h"

#include <gtest/gtest.h>

#include <sstream>

#include "CommandRun.h"
#include "support/Iconv.h"
#include "support/TempFolder.h"
#include "syntax/RtfReader.h"

namespace pellucor::cli {
namespace {

using testing::ReadBytes;
using testing::Sjis;
using testing::TempFolder;
using testing::WriteBytes;

CommandRun Colorize(const std::vector<std::string>& arguments) {
  return Capture(
      [&](std::ostream& out, std::ostream& error) { return RunColorize(arguments, out, error); });
}

TEST(ColorizeCommand, WritesTheRtfOfTheShiftJisPage) {
  TempFolder folder;
  // A UTF-8 page: the RTF carries its text in Shift_JIS, with the declaration rewritten.
  WriteBytes(folder / "in.html", "<meta content=\"text/html; charset=utf-8\"><p>表示 {ソ}</p>\r\n");
  const CommandRun toFile = Colorize({folder / "in.html", "-o", folder / "out.rtf"});
  EXPECT_EQ(toFile.status, 0);
  EXPECT_EQ(toFile.out, "");
  const std::string rtf = ReadBytes(folder / "out.rtf");
  EXPECT_TRUE(
      rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab720{\\fonttbl"
                      "{\\f0\\fmodern\\fcharset128 Courier New;}}\r\n"));
  EXPECT_NE(rtf.find("\\cf7 <\\cf4 p\\cf7 >\\cf8 " + Sjis("表") + "\\"), std::string::npos);
  const RtfText read = ReadRtf(rtf);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.text, Sjis("<meta content=\"text/html; charset=Shift_JIS\"><p>表示 {ソ}</p>\r\n"));

  // Standard output gets the same bytes.
  EXPECT_EQ(Colorize({folder / "in.html"}).out, rtf);
}

TEST(ColorizeCommand, ExitStatuses) {
  TempFolder folder;
  WriteBytes(folder / "in.html", "x");
  const ExitStatusCase cases[] = {
      {"help", {"--help"}, 0},
      {"no input", {}, 64},
      {"two inputs", {folder / "in.html", folder / "in.html"}, 64},
      {"unknown option", {folder / "in.html", "--fast"}, 64},
      {"missing -o value", {folder / "in.html", "-o"}, 64},
      {"missing input", {folder / "missing.html"}, 2},
      {"unwritable output", {folder / "in.html", "-o", folder / "no/such/out.rtf"}, 2},
  };
  ExpectExitStatuses("colorize", Colorize, cases);
}

}  // namespace
}  // namespace pellucor::cli

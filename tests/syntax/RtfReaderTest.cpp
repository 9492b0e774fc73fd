#include "syntax/RtfReader.h"

#include <gtest/gtest.h>

#include <random>

#include "support/Iconv.h"
#include "syntax/HtmlRtf.h"

namespace pellucor {
namespace {

using testing::Sjis;

constexpr Color kRed = RgbColor(255, 0, 0);
constexpr Color kFuchsia = RgbColor(255, 0, 255);
constexpr Color kBlue = RgbColor(0, 0, 255);

// The colour index of every byte of the text, as the runs give it.
std::vector<int> ColorsByByte(const RtfText& read) {
  std::vector<int> colors;
  std::size_t expectedStart = 0;
  for (const ColoredRun& run : read.runs) {
    EXPECT_EQ(run.start, expectedStart);
    EXPECT_GT(run.length, 0u);
    colors.insert(colors.end(), run.length, run.colorIndex);
    expectedStart += run.length;
  }
  EXPECT_EQ(expectedStart, read.text.size());
  return colors;
}

TEST(ReadRtf, TextColoursAndTableOfABoldX) {
  const RtfText read = ReadRtf(HtmlToRtf("<b>x</b>\r\n"));
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.text, "<b>x</b>\r\n");
  ASSERT_EQ(read.colors.size(), 12u);
  EXPECT_EQ(read.colors[0], RgbColor(0, 0, 0));
  EXPECT_EQ(read.colors[1], RgbColor(0, 128, 0));
  EXPECT_EQ(read.colors[7], kFuchsia);
  const std::vector<ColoredRun> runs = {
      {0, 1, 7, kFuchsia}, {1, 1, 4, kRed}, {2, 1, 7, kFuchsia}, {3, 1, 8, kBlue},
      {4, 1, 7, kFuchsia}, {5, 2, 4, kRed}, {7, 1, 7, kFuchsia}, {8, 2, 5, kBlue},
  };
  EXPECT_EQ(read.runs, runs);
}

TEST(ReadRtf, NeighboursOfOneColourShareARun) {
  // The blank " " and the tab are two tokens of colour 5.
  const RtfText read = ReadRtf(HtmlToRtf("<p \t>"));
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.runs,
            (std::vector<ColoredRun>{
                {0, 1, 7, kFuchsia}, {1, 1, 4, kRed}, {2, 2, 5, kBlue}, {4, 1, 7, kFuchsia}}));
}

TEST(ReadRtf, JapanesePageComesBackUnchanged) {
  const std::string page = Sjis(
      "<!DOCTYPE html>\r\n<html><head><title>表示とソフトの予定</title>\r\n"
      "<script>\r\n// 能力 {\\ テスト }\r\nif (a) { x = \"ボマ\\n\"; }\r\n</script></head>\r\n"
      "<body bgcolor=#ffffff>\n<p class=\"見出し\">ﾊﾝｶｸ &amp; 全角&nbsp;{\\rtf1}</p>\r"
      "<!-- コメント\r\n続き -->\r\n<%= 表 %>\t<a href=//host/表.html>リンク</a>\r\n"
      "</body></html>");
  ASSERT_NE(page.find("\x95\x5C"), std::string::npos);
  const RtfText read = ReadRtf(HtmlToRtf(page));
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.text, page);
  const std::vector<int> colors = ColorsByByte(read);
  ASSERT_EQ(colors.size(), page.size());
  // Spot checks: the doctype name is a tag, the comment line of the script is comment coloured.
  EXPECT_EQ(colors[page.find("DOCTYPE")], 4);
  EXPECT_EQ(colors[page.find("//")], 2);
  EXPECT_EQ(colors[page.find(Sjis("コメント"))], 2);
  EXPECT_EQ(colors[page.find("\"" + Sjis("見出し"))], 6);
  EXPECT_EQ(colors[page.find("&amp;")], 11);
}

TEST(ReadRtf, RandomBytesComeBackUnchanged) {
  // Bytes 1-255, with the RTF specials, line breaks and HTML markup bytes made common.
  const std::string common = "\\{}\r\n<>&=\"%!-/ \t";
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(1, 255);
    std::uniform_int_distribution<std::size_t> pick(0, common.size() - 1);
    std::string text(1 + random() % 4000, ' ');
    for (char& c : text)
      c = random() % 3 == 0 ? common[pick(random)] : static_cast<char>(byte(random));
    const RtfText read = ReadRtf(HtmlToRtf(text));
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.text, text);
    ColorsByByte(read);
  }
}

TEST(ReadRtf, TextEndsAtAZeroByte) {
  const RtfText read = ReadRtf(HtmlToRtf(std::string("<b>x\0y", 6)));
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.text, "<b>x");
}

TEST(ReadRtf, Errors) {
  struct Case {
    const char* name;
    std::string rtf;
    RtfReadError error;
    std::string text;  // read before the error
  } cases[] = {
      {"not RTF", "hello", RtfReadError::NotRtf, ""},
      {"empty", "", RtfReadError::NotRtf, ""},
      {"cut off inside the document", "{\\rtf1\\pard abc", RtfReadError::CutOff, "abc"},
      {"lone backslash at the end", "{\\rtf1\\pard a\\", RtfReadError::CutOff, "a"},
      {"colour past the table", "{\\rtf1{\\colortbl\\red0\\green0\\blue0;}\\pard a\\cf1 b}",
       RtfReadError::ColorOutOfTable, "a"},
      {"colour without a table", "{\\rtf1\\pard\\cf0 a}", RtfReadError::ColorOutOfTable, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RtfText read = ReadRtf(c.rtf);
    EXPECT_EQ(read.error, c.error);
    EXPECT_EQ(read.text, c.text);
  }
}

TEST(ReadRtf, ControlWordsAndGroups) {
  struct Case {
    const char* name;
    std::string rtf;
    std::string text;
  } cases[] = {
      {"line breaks before \\pard lay out the header", "{\\rtf1\r\n{\\fonttbl x}\r\n\\pard a\r\n}",
       "a\r\n"},
      {"the blank after a control word is not text", "{\\rtf1\\pard\\b  two}", " two"},
      {"digits end a control word", "{\\rtf1\\pard\\fs20 9\\li-30 x}", "9x"},
      {"escapes", "{\\rtf1\\pard \\\\\\{\\}}", "\\{}"},
      {"unknown destinations are skipped", "{\\rtf1\\pard a{\\*\\generator x;}b}", "ab"},
      {"\\par adds nothing", "{\\rtf1\\pard a\\par b\\par }", "ab"},
      {"bytes after the document", "{\\rtf1\\pard a}trailing", "a"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RtfText read = ReadRtf(c.rtf);
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(read.text, c.text);
  }
}

TEST(ReadRtf, GroupsKeepTheirOwnColour) {
  const RtfText read = ReadRtf(
      "{\\rtf1{\\colortbl;\\red1\\green2\\blue3;\\red4\\green5\\blue6}\\pard\\cf1 a{\\cf2 b}c"
      "\\plain d}");
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.colors,
            (std::vector<Color>{0, RgbColor(1, 2, 3), RgbColor(4, 5, 6)}));  // last without ";"
  EXPECT_EQ(read.runs, (std::vector<ColoredRun>{{0, 1, 1, RgbColor(1, 2, 3)},
                                                {1, 1, 2, RgbColor(4, 5, 6)},
                                                {2, 1, 1, RgbColor(1, 2, 3)},
                                                {3, 1, 0, 0}}));
}

}  // namespace
}  // namespace pellucor

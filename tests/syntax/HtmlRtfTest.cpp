#include "syntax/HtmlRtf.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Sjis;
using Tokens = std::vector<std::pair<int, std::string>>;

constexpr std::string_view kPalette =
    "{\\colortbl\\red0\\green0\\blue0;\\red0\\green128\\blue0;\\red128\\green0\\blue0;"
    "\\red255\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green0\\blue255;"
    "\\red0\\green128\\blue0;\\red255\\green0\\blue255;\\red0\\green0\\blue255;"
    "\\red255\\green0\\blue0;\\red0\\green0\\blue0;\\red0\\green0\\blue0;}\r\n";

std::string LinuxFrame() {
  return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab720{\\fonttbl"
         "{\\f0\\fmodern\\fcharset128 Courier New;}}\r\n" +
         std::string(kPalette) + "\\deflang1033\\pard\\plain\\f0\\fs20\\f0 ";
}

// The tokens of the text, each with the colour index its formatting chooses.
Tokens TokensOf(const std::string& text) {
  TpsvHTMLRTF html;
  html.SetText(text);
  Tokens tokens;
  while (!html.AtEnd()) {
    std::string formatted;
    html.FormatToken(html.CurrentColorIndex(), html.CurrentToken(), formatted);
    const std::size_t blank = formatted.find(' ');
    tokens.emplace_back(std::stoi(formatted.substr(3, blank - 3)), formatted.substr(blank + 1));
    html.NextToken();
  }
  return tokens;
}

TEST(TpsvHTMLRTF, BoldXDocumentByteForByte) {
  TpsvHTMLRTF html;
  const RtfFont western{"Courier New", 0, 0x31};  // as a Western Windows system realises it
  html.SetFonts(std::span<const RtfFont>(&western, 1));
  const std::string text = "<b>x</b>\r\n";
  html.SetText(text);
  EXPECT_EQ(html.GetRtf(),
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab720{\\fonttbl"
            "{\\f0\\fmodern\\fcharset0 Courier New;}}\r\n" +
                std::string(kPalette) +
                "\\deflang1033\\pard\\plain\\f0\\fs20\\f0 \\cf7 <\\cf4 b\\cf7 >\\cf8 x\\cf7 "
                "<\\cf4 /b\\cf7 >\\par\\cf5 \r\n\\par }");
  // The same on Linux, where the font is realised in the Shift_JIS character set.
  EXPECT_EQ(HtmlToRtf(text), LinuxFrame() +
                                 "\\cf7 <\\cf4 b\\cf7 >\\cf8 x\\cf7 <\\cf4 /b\\cf7 >\\par\\cf5 "
                                 "\r\n\\par }");
}

TEST(TpsvHTMLRTF, TokensOfALinkWithAnEntity) {
  EXPECT_EQ(TokensOf("<a href=\"x.html\">Go &amp; see</a>"), (Tokens{{7, "<"},
                                                                     {4, "a"},
                                                                     {5, " "},
                                                                     {3, "href"},
                                                                     {7, "="},
                                                                     {6, "\"x.html\""},
                                                                     {7, ">"},
                                                                     {8, "Go "},
                                                                     {11, "&amp;"},
                                                                     {8, " see"},
                                                                     {7, "<"},
                                                                     {4, "/a"},
                                                                     {7, ">"}}));
}

TEST(TpsvHTMLRTF, TokenEdgeCases) {
  struct Case {
    const char* name;
    std::string text;
    Tokens tokens;
  } cases[] = {
      {"empty text", "", {}},
      {"comment", "<!-- a -->", {{2, "<!--"}, {2, " a -->"}}},
      {"comment over lines",
       "<!-- a\r\nb -->x",
       {{2, "<!--"}, {2, " a"}, {5, "\r\n"}, {2, "b -->"}, {8, "x"}}},
      {"<!--> is a whole comment", "<!-->x", {{2, "<!--"}, {2, ">"}, {8, "x"}}},
      {"server script", "<%= x %>", {{1, "<%"}, {1, "= x %>"}}},
      {"<%> is a whole block", "<%>", {{1, "<%"}, {1, ">"}}},
      {"server script over lines", "<% a\nb %>", {{1, "<%"}, {1, " a"}, {5, "\n"}, {1, "b %>"}}},
      {"quoted and unquoted values",
       "<p a=\"x\" b=y>",
       {{7, "<"},
        {4, "p"},
        {5, " "},
        {3, "a"},
        {7, "="},
        {6, "\"x\""},
        {5, " "},
        {3, "b"},
        {7, "="},
        {10, "y"},
        {7, ">"}}},
      {"string not after = stays in the tag",
       "<p \"s\" a>",
       {{7, "<"}, {4, "p"}, {5, " "}, {6, "\"s\""}, {5, " "}, {3, "a"}, {7, ">"}}},
      {"string cut off by the line end",
       "<p a=\"x\r\ny\">",
       {{7, "<"},
        {4, "p"},
        {5, " "},
        {3, "a"},
        {7, "="},
        {6, "\"x"},
        {5, "\r\n"},
        {3, "y"},
        {6, "\">"}}},
      {"script comment line in text",
       "<script>\r\n  // note\r\n</script>",
       {{7, "<"},
        {4, "script"},
        {7, ">"},
        {5, "\r\n"},
        {2, "  // note"},
        {5, "\r\n"},
        {7, "<"},
        {4, "/script"},
        {7, ">"}}},
      {"value starting with //",
       "<a href=//h/x>",
       {{7, "<"}, {4, "a"}, {5, " "}, {3, "href"}, {7, "="}, {2, "//h/x"}, {7, ">"}}},
      {"tab ends text", "<p>a \tb", {{7, "<"}, {4, "p"}, {7, ">"}, {8, "a "}, {5, "\t"}, {8, "b"}}},
      {"a tab starts a blank token of its own",
       "<p  \t x>",
       {{7, "<"}, {4, "p"}, {5, "  "}, {5, "\t "}, {3, "x"}, {7, ">"}}},
      {"control character in text",
       "<p>a\x01 b",
       {{7, "<"}, {4, "p"}, {7, ">"}, {8, "a"}, {5, "\x01 "}, {8, "b"}}},
      {"& without an entity stays text",
       "<p>a & b&c</p>",
       {{7, "<"}, {4, "p"}, {7, ">"}, {8, "a & b&c"}, {7, "<"}, {4, "/p"}, {7, ">"}}},
      {"entity at the start of text",
       "<p>&amp;x",
       {{7, "<"}, {4, "p"}, {7, ">"}, {8, ""}, {11, "&amp;"}, {8, "x"}}},
      {"&divide has no semicolon", ">&divide;", {{7, ">"}, {8, ""}, {11, "&divide"}, {8, ";"}}},
      {"entities ignore case",
       ">a&AGRAVE;&agrave;",
       {{7, ">"}, {8, "a"}, {11, "&AGRAVE;"}, {8, ""}, {11, "&agrave;"}}},
      {"& in a tag turns the rest of the tag into text",
       "<p &x>y<b>",
       {{7, "<"}, {4, "p"}, {5, " "}, {5, ""}, {8, "&x>y"}, {7, "<"}, {4, "b"}, {7, ">"}}},
      {"& at the very start", "&amp;", {{11, ""}, {8, ""}, {11, "&amp;"}}},
      {"unlisted tag", "<h7>", {{7, "<"}, {9, "h7"}, {7, ">"}}},
      {"listed tag in capitals", "<H1>", {{7, "<"}, {4, "H1"}, {7, ">"}}},
      {"listed tag in lower case", "<h1>", {{7, "<"}, {4, "h1"}, {7, ">"}}},
      {"digits end the name", "<h1b>", {{7, "<"}, {4, "h1"}, {3, "b"}, {7, ">"}}},
      {"mixed-case keys",
       "<Legend><VAR>",
       {{7, "<"}, {4, "Legend"}, {7, ">"}, {7, "<"}, {4, "VAR"}, {7, ">"}}},
      {"closing tag", "</b>", {{7, "<"}, {4, "/b"}, {7, ">"}}},
      {"doctype", "<!DOCTYPE html>", {{7, "<"}, {4, "!DOCTYPE"}, {5, " "}, {3, "html"}, {7, ">"}}},
      {"<?xml", "<?xml v>", {{7, "<"}, {9, ""}, {3, "?xml"}, {5, " "}, {3, "v"}, {7, ">"}}},
      {"hash 234 is an unlisted tag", "<zzzzzzzzz>", {{7, "<"}, {9, "zzzzzzzzz"}, {7, ">"}}},
      {"hash 244 or more is an attribute", "<zzzzzzzzzz>", {{7, "<"}, {3, "zzzzzzzzzz"}, {7, ">"}}},
      {"word before the first tag is an attribute",
       "hello <b>",
       {{3, "hello"}, {5, " "}, {7, "<"}, {4, "b"}, {7, ">"}}},
      {"zero byte ends the text",
       std::string("<b>x\0y", 6),
       {{7, "<"}, {4, "b"}, {7, ">"}, {8, "x"}}},
      {"lone CR and LF",
       ">a\rb\nc",
       {{7, ">"}, {8, "a"}, {5, "\r"}, {8, "b"}, {5, "\n"}, {8, "c"}}},
      {"Shift_JIS text",
       Sjis("<p>表示ソ</p>"),
       {{7, "<"}, {4, "p"}, {7, ">"}, {8, Sjis("表示ソ")}, {7, "<"}, {4, "/p"}, {7, ">"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TokensOf(c.text), c.tokens);
  }
}

TEST(TpsvHTMLRTF, ScanStates) {
  struct Case {
    const char* text;
    HtmlRange range;  // after the first token
  } cases[] = {
      {"<b", HtmlRange::RangeTagOpen},      {"<!--", HtmlRange::RangeComment},
      {"<%", HtmlRange::RangeServerScript}, {"=", HtmlRange::RangeValue},
      {">", HtmlRange::RangeText},          {"b", HtmlRange::RangeStart},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TpsvHTMLRTF html;
    const std::string text = c.text;
    html.SetText(text);
    EXPECT_EQ(html.Range(), c.range);
  }
  TpsvHTMLRTF html;
  const std::string text = ">&lt;";
  html.SetText(text);
  html.NextToken();  // the empty text before the entity
  EXPECT_EQ(html.Range(), HtmlRange::RangeStart);
  html.NextToken();
  EXPECT_EQ(html.TokenKind(), HtmlTokenKind::TokenEntity);
  EXPECT_EQ(html.Range(), HtmlRange::RangeText);
  html.NextToken();
  EXPECT_TRUE(html.AtEnd());
}

TEST(TpsvHTMLRTF, FormatTokenColourRules) {
  struct Case {
    const char* name;
    int index;
    const char* token;
    const char* formatted;
  } cases[] = {
      {"plain", 8, "x", "\\cf8 x"},
      {"quoted value", 10, "\"v\"", "\\cf6 \"v\""},
      {"quote but not a value", 3, "\"v\"", "\\cf3 \"v\""},
      {"unquoted value", 10, "v", "\\cf10 v"},
      {"// after blanks", 8, " \t// c", "\\cf2  \t// c"},
      {"// in a value", 10, "//h", "\\cf2 //h"},
      {"quoted // value stays a string", 10, "\"//h\"", "\\cf6 \"//h\""},
      {"single slash", 8, "/x", "\\cf8 /x"},
      {"empty", 11, "", "\\cf11 "},
  };
  TpsvHTMLRTF html;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string out;
    html.FormatToken(c.index, c.token, out);
    EXPECT_EQ(out, c.formatted);
  }
}

TEST(TpsvHTMLRTF, EscapeTokenEscapesEveryBackslashAndBraceByte) {
  struct Case {
    const char* name;
    std::string token;
    std::string escaped;
  } cases[] = {
      {"nothing to escape", "abc", "abc"},
      {"backslash and braces", "a\\b{c}d", "a\\\\b\\{c\\}d"},
      {"escape sequence in the source", "{\\rtf1}", "\\{\\\\rtf1\\}"},
      {"0x5C as a trail byte", Sjis("表"), "\x95\\\\"},
      {"0x7B and 0x7D as trail bytes", Sjis("ボマ"), "\x83\\{\x83\\}"},
  };
  TpsvHTMLRTF html;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string token = c.token;
    html.EscapeToken(token);
    EXPECT_EQ(token, c.escaped);
  }
}

TEST(TpsvHTMLRTF, WholeDocuments) {
  struct Case {
    const char* name;
    std::string text;
    std::string body;
  } cases[] = {
      {"empty source: the frame only", "", "\\par }"},
      {"no line break at the end", "<br>", "\\cf7 <\\cf4 br\\cf7 >\\par }"},
      {"CR line breaks: one paragraph each", "a\rb\r",
       "\\cf3 a\\par\\cf5 \r\\cf3 b\\par\\cf5 \r\\par }"},
      {"LF line breaks: none", "a\nb\n", "\\cf3 a\\cf5 \n\\cf3 b\\cf5 \n\\par }"},
      {"escapes in text", ">{\\}", "\\cf7 >\\cf8 \\{\\\\\\}\\par }"},
      {"trail byte 0x5C escaped", ">" + Sjis("表"), "\\cf7 >\\cf8 \x95\\\\\\par }"},
      {"nothing after a zero byte", std::string("<b>\0<i>", 7), "\\cf7 <\\cf4 b\\cf7 >\\par }"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(HtmlToRtf(c.text), LinuxFrame() + c.body);
  }
}

TEST(TpsvHTMLRTF, AlternatePalette) {
  TpsvHTMLRTF html;
  html.ApplyAlternatePalette();
  EXPECT_EQ(html.ColorTable(),
            "{\\colortbl\\red0\\green0\\blue0;\\red0\\green128\\blue0;\\red128\\green0\\blue0;"
            "\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green0\\blue0;"
            "\\red0\\green128\\blue0;\\red0\\green0\\blue255;\\red0\\green0\\blue0;"
            "\\red255\\green0\\blue0;\\red0\\green0\\blue0;\\red0\\green0\\blue0;}\r\n");
}

TEST(TpsvHTMLRTF, ColorIndexesOfTheTokenKinds) {
  const std::pair<HtmlTokenKind, int> expected[] = {
      {HtmlTokenKind::TokenEntity, 11},     {HtmlTokenKind::TokenServerScript, 1},
      {HtmlTokenKind::TokenComment, 2},     {HtmlTokenKind::TokenAttribute, 3},
      {HtmlTokenKind::TokenTag, 4},         {HtmlTokenKind::TokenEnd, 11},
      {HtmlTokenKind::TokenBlank, 5},       {HtmlTokenKind::TokenString, 6},
      {HtmlTokenKind::TokenSymbol, 7},      {HtmlTokenKind::TokenText, 8},
      {HtmlTokenKind::TokenUnlistedTag, 9}, {HtmlTokenKind::TokenValue, 10},
  };
  for (const auto& [kind, index] : expected) {
    SCOPED_TRACE(static_cast<int>(kind));
    EXPECT_EQ(HtmlColorIndex(kind), index);
  }
}

}  // namespace
}  // namespace pellucor

#include "syntax/RtfSyntax.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace pellucor {
namespace {

constexpr std::string_view kFrameStart =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab720{\\fonttbl"
    "{\\f0\\fmodern\\fcharset128 Courier New;}}\r\n"
    "\\deflang1033\\pard\\plain\\f0\\fs20\\f0 ";

// A writer fed from a fixed list of (token, colour index) pairs, to drive the output loop.
class ScriptedSyntax : public TpsvRTFSyntax {
 public:
  explicit ScriptedSyntax(std::vector<std::pair<std::string, int>> tokens)
      : tokens_(std::move(tokens)) {}
  void NextToken() override { ++next_; }
  bool AtEnd() const override { return next_ >= tokens_.size(); }
  std::string_view CurrentToken() const override { return tokens_[next_].first; }
  int CurrentColorIndex() const override { return tokens_[next_].second; }

 private:
  std::vector<std::pair<std::string, int>> tokens_;
  std::size_t next_ = 0;
};

TEST(TpsvRTFSyntax, ConstructionBuildsTheFrame) {
  TpsvRTFSyntax syntax;
  EXPECT_EQ(syntax.CodePage(), 1252);
  EXPECT_EQ(syntax.Header(), "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab720{\\fonttbl");
  EXPECT_EQ(syntax.FontTable(), "{\\f0\\fmodern\\fcharset128 Courier New;}");
  EXPECT_EQ(syntax.FontTableEnd(), "}\r\n");
  EXPECT_EQ(syntax.DocumentStart(), "\\deflang1033\\pard\\plain\\f0\\fs20");
  EXPECT_EQ(syntax.ColorTable(), "");
  // The base has no tokens: the frame alone.
  const std::string text = "<b>";
  syntax.SetText(text);
  EXPECT_EQ(syntax.GetRtf(), std::string(kFrameStart) + "\\par }");
}

TEST(TpsvRTFSyntax, ColorEntries) {
  TpsvRTFSyntax syntax;
  EXPECT_EQ(syntax.ColorEntry(RgbColor(0, 128, 0)), "\\red0\\green128\\blue0;");
  EXPECT_EQ(syntax.ColorEntry(RgbColor(1, 22, 255)), "\\red1\\green22\\blue255;");
  EXPECT_EQ(syntax.ColorEntry(0x00123456), "\\red86\\green52\\blue18;");  // BGR order

  // A system colour (negative) is resolved by its number in the low byte.
  const Color windowText = static_cast<Color>(0x80000008);
  EXPECT_EQ(syntax.ColorEntry(windowText), "\\red0\\green0\\blue0;");
  syntax.SetSystemColorResolver(
      [](std::uint8_t number) { return RgbColor(number, 2 * number, 3 * number); });
  EXPECT_EQ(syntax.ColorEntry(windowText), "\\red8\\green16\\blue24;");

  // The host's system colours reach every colourer made after they are set.
  SetHostSystemColors([](std::uint8_t number) { return RgbColor(number, number, 1); });
  EXPECT_EQ(TpsvRTFSyntax().ColorEntry(windowText), "\\red8\\green8\\blue1;");
  SetHostSystemColors(nullptr);
}

TEST(TpsvRTFSyntax, ColorTables) {
  TpsvRTFSyntax syntax;
  syntax.SetColors({});
  EXPECT_EQ(syntax.ColorTable(), "{\\colortbl\\red0\\green0\\blue0;}\r\n");
  const std::vector<Color> colors = {RgbColor(255, 0, 0), RgbColor(0, 0, 255)};
  syntax.SetColors(colors);
  EXPECT_EQ(syntax.ColorTable(),
            "{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
            "\r\n");
}

TEST(TpsvRTFSyntax, FontEntries) {
  struct Case {
    const char* name;
    RtfFont font;
    const char* entry;
  } cases[] = {
      {"Linux host", {"Courier New"}, "{\\f0\\fmodern\\fcharset128 Courier New;}"},
      {"Western", {"Courier New", 0, 0x31}, "{\\f0\\fmodern\\fcharset0 Courier New;}"},
      {"charset 1", {"F", 1, 0x00}, "{\\f0\\fdontcare\\fcharset1 F;}"},
      {"charset 2", {"F", 2, 0x10}, "{\\f0\\froman\\fcharset2 F;}"},
      {"charset 255", {"F", 255, 0x20}, "{\\f0\\fswiss\\fcharset255 F;}"},
      {"script", {"F", 0, 0x40}, "{\\f0\\fscript\\fcharset0 F;}"},
      {"decorative", {"F", 0, 0x57}, "{\\f0\\fdecorative\\fcharset0 F;}"},
      {"family 0x60 reads roman", {"F", 0, 0x60}, "{\\f0\\froman\\fcharset0 F;}"},
      {"family 0xF0 reads roman", {"F", 0, 0xF0}, "{\\f0\\froman\\fcharset0 F;}"},
      {"unknown charset keeps its backslash",
       {"Courier New", 161, 0x30},
       "{\\f0\\fmodern\\ Courier New;}"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TpsvRTFSyntax syntax;
    syntax.SetFonts(std::span<const RtfFont>(&c.font, 1));
    EXPECT_EQ(syntax.FontTable(), c.entry);
  }
}

TEST(TpsvRTFSyntax, FontsAreNumberedAndAnEmptyListLeavesNoEntry) {
  TpsvRTFSyntax syntax;
  const std::vector<RtfFont> fonts = {{"A", 0, 0x30}, {"B", 128, 0x20}};
  syntax.SetFonts(fonts);
  EXPECT_EQ(syntax.FontTable(), "{\\f0\\fmodern\\fcharset0 A;}{\\f1\\fswiss\\fcharset128 B;}");
  syntax.SetFonts({});
  syntax.SetColors({});
  EXPECT_EQ(syntax.GetRtf(),
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab720{\\fonttbl}\r\n"
            "{\\colortbl\\red0\\green0\\blue0;}\r\n"
            "\\deflang1033\\pard\\plain\\f0\\fs20\\f0 \\par }");
}

TEST(TpsvRTFSyntax, OutputLoopMarksParagraphsAtCrLfAndCrOnly) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, int>> tokens;
    const char* body;
  } cases[] = {
      {"no tokens", {}, "\\par }"},
      {"CR LF", {{"a", 1}, {"\r\n", 5}, {"b", 2}}, "\\cf1 a\\par\\cf5 \r\n\\cf2 b\\par }"},
      {"lone CR", {{"\r", 5}}, "\\par\\cf5 \r\\par }"},
      {"lone LF gets no paragraph",
       {{"a", 1}, {"\n", 5}, {"b", 1}},
       "\\cf1 a\\cf5 \n\\cf1 b\\par }"},
      {"two CRs in one token are no line break", {{"\r\r", 5}}, "\\cf5 \r\r\\par }"},
      {"empty token", {{"", 11}, {"x", 8}}, "\\cf11 \\cf8 x\\par }"},
      {"the base escapes nothing", {{"\\{}", 3}}, "\\cf3 \\{}\\par }"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedSyntax syntax(c.tokens);
    EXPECT_EQ(syntax.GetRtf(), std::string(kFrameStart) + c.body);
  }
}

TEST(TpsvRTFSyntax, WriteRtfAppendsToTheStream) {
  ScriptedSyntax syntax({{"x", 1}});
  std::string stream = "before";
  syntax.WriteRtf(stream);
  EXPECT_EQ(stream, "before" + std::string(kFrameStart) + "\\cf1 x\\par }");
}

}  // namespace
}  // namespace pellucor

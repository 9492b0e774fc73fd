#include "analysis/KeywordSearch.h"

#include <gtest/gtest.h>

#include "analysis/KeywordSearchPanes.h"
#include "analysis/MarkingTextView.h"
#include "support/FakeClipboard.h"
#include "support/FakeEventPump.h"
#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::FakeClipboard;
using testing::FakeEventPump;
using testing::MarkingTextView;
using testing::Sjis;

constexpr TextColor kRed{255, 0, 0};
constexpr TextColor kTeal{0, 128, 128};

TEST(SearchHitEntry, Format) {
  struct Case {
    std::size_t line;
    std::size_t column;
    const char* entry;
  } cases[] = {
      {12, 5, "  12/05"},
      {130, 117, " 130/117"},
      {1, 1, "   1/01"},
      {12345, 3, "12345/03"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SearchHitEntry(c.line, c.column), c.entry);
}

class KeywordSearchTest : public ::testing::Test {
 protected:
  MarkingTextView view;
  FakeEventPump pump;
  std::vector<std::string> hits;
  std::vector<std::string> keywords;
};

TEST_F(KeywordSearchTest, HitsAreListedByLineAndColumn) {
  struct Case {
    const char* name;
    std::string text;
    std::string keyword;
    std::vector<std::string> entries;
    std::vector<std::size_t> markStarts;
  } cases[] = {
      {"lines and columns",
       "<p>\r\n<a href=x>ab</a>\r\nab",
       "ab",
       {"   2/11", "   3/01"},
       {15, 23}},
      {"a keyword at the very start is marked from its second byte",
       "abc abc",
       "abc",
       {"   1/01", "   1/05"},
       {1, 4}},
      {"an occurrence right after another is not found", "xabab", "ab", {"   1/02"}, {1}},
      {"the search is case-sensitive", "AB ab", "ab", {"   1/04"}, {3}},
      {"blanks around the keyword are trimmed", "x ab", " ab\t", {"   1/03"}, {2}},
      {"no occurrence", "xyz", "ab", {}, {}},
      {"a match never starts on the second byte of a character",
       Sjis("x\\表yy\\"),
       "\\",
       {"   1/02", "   1/07"},
       {1, 6}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    view = {};
    hits = {"old"};
    view.text = c.text;
    EXPECT_EQ(MarkKeyword(view, c.keyword, hits, 0, pump), static_cast<int>(c.entries.size()));
    EXPECT_EQ(hits, c.entries);
    // Each mark is red, bold and as long as the trimmed keyword.
    std::vector<std::size_t> starts;
    for (const MarkingTextView::Mark& mark : view.colored) {
      if (mark.color != kRed) continue;
      starts.push_back(mark.range.start);
      EXPECT_EQ(mark.range.length, c.keyword == " ab\t" ? 2u : c.keyword.size());
    }
    EXPECT_EQ(starts, c.markStarts);
    EXPECT_EQ(view.bold.size(), c.entries.size());
  }
}

TEST_F(KeywordSearchTest, TheFirstHitIsScrolledToTheTop) {
  view.text = "a\r\nb\r\nc\r\nkey\r\nkey";
  view.firstVisibleLine = 2;
  EXPECT_EQ(MarkKeyword(view, "key", hits, 0, pump), 2);
  EXPECT_EQ(view.selection.start, 9u);
  EXPECT_EQ(view.firstVisibleLine, 3u);
  EXPECT_EQ(pump.pumps, 1);

  // A keyword that does not occur leaves the caret at 0 and the view where it was.
  view.firstVisibleLine = 1;
  EXPECT_EQ(MarkKeyword(view, "absent", hits, 1, pump), 0);
  EXPECT_EQ(view.selection.start, 0u);
  EXPECT_EQ(view.firstVisibleLine, 1u);
}

TEST_F(KeywordSearchTest, EmptyViewsAndKeywords) {
  hits = {"kept"};
  EXPECT_EQ(MarkKeyword(view, "ab", hits, 0, pump), -2);
  view.text = "ab";
  EXPECT_EQ(MarkKeyword(view, "", hits, 0, pump), -1);
  EXPECT_EQ(hits, std::vector<std::string>{"kept"});
}

TEST_F(KeywordSearchTest, SevenKeywordsInTheirColours) {
  view.text = "k0 k1 k2 k3 k4 k5 k6 k7";
  keywords = {"k0", "k1", "k2", "k3", "k4", "k5", "k6", "k7"};
  RichEditSearchList(view, keywords, hits, pump);
  ASSERT_EQ(hits.size(), 7u);
  EXPECT_EQ(hits.back(), "   1/19");
  std::vector<TextColor> colors;
  for (const MarkingTextView::Mark& mark : view.colored) {
    if (mark.range.length == 2) colors.push_back(mark.color);
  }
  EXPECT_EQ(colors, std::vector<TextColor>(kKeywordColors.begin(), kKeywordColors.end()));
  EXPECT_EQ(pump.cursors, std::vector<BusyCursor>{BusyCursor::Off});
}

TEST_F(KeywordSearchTest, TheSearchCommand) {
  view.text = "css and js\r\njs";
  KeywordSearch(view, "css   js", keywords, hits, pump);
  // The empty keyword uses up place 1: "js" is marked in the colour of place 2.
  EXPECT_EQ(keywords, (std::vector<std::string>{"css", "", "js"}));
  EXPECT_EQ(hits, (std::vector<std::string>{"   1/01", "   1/09", "   2/01"}));
  EXPECT_EQ(view.colored.back().color, kTeal);
  EXPECT_EQ(pump.cursors, (std::vector<BusyCursor>{BusyCursor::On, BusyCursor::Off}));
  // The marks of an earlier search were cleared first: the whole text made black.
  EXPECT_EQ(view.regular.front(), (TextRange{0, view.text.size()}));

  // A blank box does nothing at all.
  const std::size_t calls = view.log.size();
  KeywordSearch(view, " \t", keywords, hits, pump);
  EXPECT_EQ(view.log.size(), calls);
  EXPECT_EQ(hits.size(), 3u);
}

TEST_F(KeywordSearchTest, ClickingAHitJumpsToIt) {
  std::string text;
  for (int line = 1; line <= 30; ++line)
    text += "line " + std::to_string(line) + "\r\n";
  view.text = text;
  std::string label;
  std::string status;
  const std::vector<std::string> list = {"   1/01", "  12/05"};
  ListBoxClick(view, list, 1, label, status, pump);
  EXPECT_EQ(label, "  12/05");
  EXPECT_EQ(view.selection.start, *view.OffsetOfLine(11) + 4);
  EXPECT_EQ(view.firstVisibleLine, 11u);
  EXPECT_EQ(status, Sjis(" 行[  12 ]    列[ 5 ]"));
  EXPECT_EQ(pump.pumps, 1);
}

TEST_F(KeywordSearchTest, ClicksThatDoNotJump) {
  view.text = "a\r\nb";
  std::string label = "kept";
  std::string status = "kept";
  ListBoxClick(view, {}, 0, label, status, pump);
  ListBoxClick(view, {"   2/01"}, std::nullopt, label, status, pump);
  ListBoxClick(view, {"   2/01"}, 3, label, status, pump);
  EXPECT_EQ(label, "kept");
  ListBoxClick(view, {"no slash"}, 0, label, status, pump);
  EXPECT_EQ(label, "no slash");
  EXPECT_EQ(status, "kept");
  EXPECT_EQ(view.selection.start, 0u);
}

TEST_F(KeywordSearchTest, PasteAndRecolorButtons) {
  FakeClipboard clipboard;
  clipboard.SetText("js");
  std::string box;
  view.text = "<p>js</p>";
  KeywordSearchPaste(view, box, clipboard, keywords, hits, pump);
  EXPECT_EQ(box, "js");
  EXPECT_EQ(hits, std::vector<std::string>{"   1/04"});

  std::vector<std::chrono::milliseconds> pauses;
  const Pause pause = [&pauses](std::chrono::milliseconds time) { pauses.push_back(time); };
  view.loadedRtf.clear();
  KeywordSearchRecolor(view, RecolorKind::None, pause);
  EXPECT_TRUE(view.loadedRtf.empty());
  for (const RecolorKind kind : {RecolorKind::KeepCaret, RecolorKind::CaretToTop}) {
    view.loadedRtf.clear();
    KeywordSearchRecolor(view, kind, pause);
    EXPECT_EQ(view.loadedRtf.size(), 1u);
    EXPECT_EQ(view.text, "<p>js</p>");
    EXPECT_FALSE(view.runs.empty());
  }
}

}  // namespace
}  // namespace pellucor

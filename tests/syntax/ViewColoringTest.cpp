#include "syntax/ViewColoring.h"

#include <gtest/gtest.h>

#include "support/FakeTextView.h"
#include "syntax/HtmlRtf.h"

namespace pellucor {
namespace {

using namespace std::chrono_literals;
using testing::FakeTextView;
using Log = std::vector<std::string>;

// Thirty lines of HTML; line n starts at offset 16 * n.
std::string Page() {
  std::string page;
  for (int line = 0; line < 30; ++line)
    page += "<p>line " + std::string(line < 10 ? "0" : "") + std::to_string(line) + "</p>\r\n";
  return page;
}

struct Pauses {
  std::vector<std::chrono::milliseconds> taken;
  Pause pause() {
    return [this](std::chrono::milliseconds duration) { taken.push_back(duration); };
  }
};

TEST(ColorizeHtmlView, EmptyViewIsLeftAsItIs) {
  for (const auto colorize : {ColorizeHtmlView, ColorizeHtmlViewEx}) {
    FakeTextView view;
    Pauses pauses;
    colorize(view, pauses.pause());
    EXPECT_EQ(view.log, Log{});
    EXPECT_TRUE(pauses.taken.empty());
  }
}

TEST(ColorizeHtmlViewEx, ColoursTheTextAndKeepsCaretAndScrollPosition) {
  FakeTextView view;
  view.text = Page();
  view.selection = {16 * 12 + 3, 4};
  view.firstVisibleLine = 10;
  Pauses pauses;
  ColorizeHtmlViewEx(view, pauses.pause());

  EXPECT_EQ(view.text, Page());
  EXPECT_EQ(view.loadedRtf, std::vector<std::string>{HtmlToRtf(Page())});
  EXPECT_EQ(view.ColorIndexAt(0), 7);  // "<"
  EXPECT_EQ(view.ColorIndexAt(1), 4);  // "p"
  EXPECT_EQ(view.ColorIndexAt(3), 8);  // "line 00"
  EXPECT_EQ(view.selection, (TextRange{16 * 12 + 3, 0}));
  EXPECT_EQ(view.firstVisibleLine, 10u);
  EXPECT_EQ(view.log, (Log{"plain off", "repaint off", "load", "scroll 10", "repaint on",
                           "plain on", "select 195"}));
  EXPECT_EQ(view.plainTextMode, PlainTextMode::On);
  EXPECT_EQ(view.changesSeen, 0);  // the change handler was detached
  EXPECT_EQ(view.notifications, ChangeNotifications::Attached);
  EXPECT_TRUE(pauses.taken.empty());
}

TEST(ColorizeHtmlView, CaretGoesToTheStartAfterScrollingUpByItsLine) {
  struct Case {
    const char* name;
    std::size_t caretLine;
    std::size_t firstVisible;
    std::size_t firstVisibleAfter;
  } cases[] = {
      {"caret at the start", 0, 0, 0},
      {"caret below the first visible line", 12, 10, 0},
      {"caret above the first visible line", 3, 10, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeTextView view;
    view.text = Page();
    view.selection = {16 * c.caretLine + 2, 0};
    view.firstVisibleLine = c.firstVisible;
    Pauses pauses;
    ColorizeHtmlView(view, pauses.pause());
    EXPECT_EQ(view.text, Page());
    EXPECT_EQ(view.selection, (TextRange{0, 0}));
    EXPECT_EQ(view.firstVisibleLine, c.firstVisibleAfter);
    EXPECT_EQ(view.log.back(), "select 0");
    EXPECT_EQ(view.log[view.log.size() - 2],
              "scroll " + std::to_string(-static_cast<long>(c.caretLine)));
  }
}

TEST(ColorizeHtmlView, OneRetryWhenTheViewShowsRtfSource) {
  struct Case {
    const char* name;
    std::string text;
    int loadsShownAsSource;
    bool endsColoured;
  } cases[] = {
      {"view confused once", Page(), 1, true},
      {"source holding {\\ is coloured twice", "<p>{\\rtf1}</p>", 0, true},
      {"no third pass", Page(), 5, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeTextView view;
    view.text = c.text;
    view.loadsShownAsSource = c.loadsShownAsSource;
    Pauses pauses;
    ColorizeHtmlViewEx(view, pauses.pause());
    EXPECT_EQ(pauses.taken, std::vector<std::chrono::milliseconds>{500ms});
    EXPECT_EQ(view.loadedRtf.size(), 2u);
    EXPECT_EQ(view.log[view.log.size() - 8], "set text");  // the remembered text put back
    if (c.endsColoured) {
      EXPECT_EQ(view.text, c.text);
      EXPECT_EQ(view.ColorIndexAt(0), 7);
    } else {
      EXPECT_EQ(view.text, HtmlToRtf(c.text));
    }
  }
}

TEST(ColorizeHtmlView, FailedLoadLeavesThePlainTextAndAWorkingView) {
  FakeTextView view;
  view.text = Page();
  view.selection = {30, 5};
  view.firstVisibleLine = 2;
  view.failingLoads = 1;
  Pauses pauses;
  ColorizeHtmlViewEx(view, pauses.pause());
  EXPECT_EQ(view.text, Page());
  EXPECT_TRUE(view.runs.empty());
  EXPECT_EQ(view.defaultAttributes, std::vector<TextRange>{(TextRange{30, 5})});
  EXPECT_EQ(view.log, (Log{"plain off", "repaint off", "load", "repaint on", "apply defaults",
                           "plain on", "select 30"}));
  EXPECT_EQ(view.repainting, Repainting::Running);
  EXPECT_EQ(view.plainTextMode, PlainTextMode::On);
  EXPECT_EQ(view.selection, (TextRange{30, 0}));
  EXPECT_EQ(view.firstVisibleLine, 2u);
  EXPECT_EQ(view.notifications, ChangeNotifications::Attached);
  EXPECT_TRUE(pauses.taken.empty());
}

TEST(ColorizeHtmlView, ChangeHandlerStateIsRestoredAsItWas) {
  FakeTextView view;
  view.text = Page();
  view.notifications = ChangeNotifications::Detached;
  Pauses pauses;
  ColorizeHtmlView(view, pauses.pause());
  EXPECT_EQ(view.notifications, ChangeNotifications::Detached);
  EXPECT_EQ(view.changesSeen, 0);
}

TEST(GoToLineColumn, CaretAtLineStartPlusColumn) {
  struct Case {
    std::size_t line;
    std::size_t column;
    std::size_t caret;
  } cases[] = {
      {0, 1, 1},   // "ab"
      {1, 1, 5},   // "cd" after CR LF
      {2, 0, 7},   // "ef" after a lone CR
      {3, 1, 11},  // "gh" after a lone LF
      {3, 9, 12},  // past the text's end: the view stops at it
      {4, 0, 3},   // no such line: the caret stays
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.line << ":" << c.column);
    FakeTextView view;
    view.text = "ab\r\ncd\ref\ngh";
    view.selection = {3, 0};
    GoToLineColumn(view, c.line, c.column);
    EXPECT_EQ(view.selection.start, c.caret);
  }
}

TEST(ScrollLineToTop, TheOneBasedLineBecomesTheFirstVisible) {
  struct Case {
    std::size_t firstVisible;
    std::size_t line;
    std::size_t firstVisibleAfter;
  } cases[] = {
      {0, 12, 11}, {15, 3, 2},  {5, 6, 5},
      {4, 1, 0},   {0, 40, 30},  // the view scrolls no further than its last line
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    FakeTextView view;
    view.text = Page();
    view.firstVisibleLine = c.firstVisible;
    ScrollLineToTop(view, c.line);
    EXPECT_EQ(view.firstVisibleLine, c.firstVisibleAfter);
  }
}

}  // namespace
}  // namespace pellucor

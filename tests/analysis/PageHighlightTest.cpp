#include "analysis/PageHighlight.h"

#include <gtest/gtest.h>

#include "support/FakeBrowser.h"
#include "support/FakeEventPump.h"

namespace pellucor {
namespace {

using testing::FakeBrowser;
using testing::FakeEventPump;

std::string Tag(const char* color) {
  return std::string("<span style=\"background-color: ") + color + " ; font-weight: bolder;\">";
}

TEST(PageHighlight, SevenWordsTakeTheColoursInListOrderThenLimeForTheRest) {
  FakeBrowser browser;
  FakeEventPump pump;
  const std::vector<std::string> keywords = HighlightSearch("a b c d e f g", browser, pump);
  EXPECT_EQ(keywords, (std::vector<std::string>{"a", "b", "c", "d", "e", "f", "g"}));
  const char* colors[] = {"red", "yellow", "magenta", "orange", "aqua", "Lime", "Lime"};
  ASSERT_EQ(browser.marked.size(), 1u);
  const std::vector<TextMark>& marks = browser.marked[0];
  ASSERT_EQ(marks.size(), std::size(colors));
  for (std::size_t i = 0; i < std::size(colors); ++i) {
    EXPECT_EQ(marks[i].word, keywords[i]);
    EXPECT_EQ(marks[i].openingTag, Tag(colors[i])) << i;
  }
  EXPECT_EQ(pump.cursors, (std::vector<BusyCursor>{BusyCursor::On, BusyCursor::Off}));
}

TEST(PageHighlight, WhatTheDocumentRefusesIsToldAndTheCursorComesBack) {
  for (const MarkOutcome refusal : {MarkOutcome::NoDocument, MarkOutcome::Failed}) {
    FakeBrowser browser;
    browser.markOutcome = refusal;
    FakeEventPump pump;
    EXPECT_EQ(SearchAndHighlightText(browser, {"one", "two"}, pump), refusal);
    EXPECT_EQ(pump.cursors, (std::vector<BusyCursor>{BusyCursor::On, BusyCursor::Off}));
  }
}

TEST(PageHighlight, ABusyBrowserOrABlankBoxIsLeftAsItIs) {
  FakeBrowser busy;
  busy.busy = true;
  FakeEventPump pump;
  EXPECT_EQ(SearchAndHighlightText(busy, {"word"}, pump), MarkOutcome::NoDocument);
  EXPECT_TRUE(busy.marked.empty());
  EXPECT_EQ(pump.cursors, (std::vector<BusyCursor>{BusyCursor::On, BusyCursor::Off}));

  FakeBrowser idle;
  FakeEventPump untouched;
  EXPECT_TRUE(HighlightSearch(" \t\r\n", idle, untouched).empty());
  EXPECT_TRUE(idle.marked.empty());
  EXPECT_TRUE(untouched.cursors.empty());
}

}  // namespace
}  // namespace pellucor

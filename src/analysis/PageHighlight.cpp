#include "analysis/PageHighlight.h"

#include <array>

#include "analysis/KeywordSplit.h"
#include "text/TextTrim.h"

namespace pellucor {
namespace {

// The mark of each place in the word list, in list order; later places share the last row.
constexpr std::array<std::string_view, 6> kOpeningTags = {
    "<span style=\"background-color: red ; font-weight: bolder;\">",
    "<span style=\"background-color: yellow ; font-weight: bolder;\">",
    "<span style=\"background-color: magenta ; font-weight: bolder;\">",
    "<span style=\"background-color: orange ; font-weight: bolder;\">",
    "<span style=\"background-color: aqua ; font-weight: bolder;\">",
    "<span style=\"background-color: Lime ; font-weight: bolder;\">",
};

}  // namespace

std::string_view HighlightOpeningTag(std::size_t place) {
  return kOpeningTags[place < kOpeningTags.size() ? place : kOpeningTags.size() - 1];
}

MarkOutcome SearchAndHighlightText(Browser& browser, const std::vector<std::string>& words,
                                   EventPump& pump) {
  pump.SetBusyCursor(BusyCursor::On);
  MarkOutcome outcome = MarkOutcome::NoDocument;
  if (!browser.Busy()) {
    std::vector<TextMark> marks;
    marks.reserve(words.size());
    for (std::size_t place = 0; place < words.size(); ++place)
      marks.push_back({words[place], std::string(HighlightOpeningTag(place))});
    // One call for every word: the page is laid out once, not once per word.
    outcome = words.empty() ? MarkOutcome::Marked : browser.MarkText(marks);
  }
  pump.SetBusyCursor(BusyCursor::Off);
  return outcome;
}

std::vector<std::string> HighlightSearch(std::string_view box, Browser& browser, EventPump& pump) {
  std::vector<std::string> keywords;
  const std::string_view trimmed = TrimControlChars(box);
  if (trimmed.empty()) return keywords;
  EdictScan(trimmed, keywords);
  if (!keywords.empty()) (void)SearchAndHighlightText(browser, keywords, pump);
  return keywords;
}

}  // namespace pellucor

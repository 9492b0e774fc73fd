#include "analysis/KeywordSearch.h"

#include <charconv>
#include "analysis/AnalysisMessages.h"

#include "analysis/KeywordSplit.h"
#include "syntax/ViewColoring.h"
#include "text/CodePage932.h"
#include "text/NumberText.h"
#include "text/ShiftJis.h"
#include "text/TextTrim.h"

namespace pellucor {
namespace {

constexpr TextColor kBlack{0, 0, 0};

std::size_t NumberOrZero(std::string_view text) {
  text = TrimControlChars(text);
  std::size_t value = 0;
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
  return failure == std::errc() && end == text.data() + text.size() ? value : 0;
}

}  // namespace

std::string SearchHitEntry(std::size_t line, std::size_t column) {
  return SpacePadNumber(static_cast<long long>(line), 4) + "/" +
         ZeroPadNumber(static_cast<long long>(column), 2);
}

void ClearSearchMarks(TextView& view) {
  view.SetDefaultAttributes(kBlack, FontWeight::Regular);
  const TextRange all{0, view.Text().size()};
  view.SetSelection(all);
  view.SetRangeColor(all, kBlack);
  view.SetRangeWeight(all, FontWeight::Regular);
  view.SetSelection({0, 0});
}

int MarkKeyword(TextView& view, std::string_view keyword, std::vector<std::string>& resultList,
                std::size_t place, EventPump& pump) {
  const std::string text = view.Text();
  if (text.empty()) return -2;
  if (keyword.empty()) return -1;
  if (place == 0) {
    resultList.clear();
    ClearSearchMarks(view);
  }
  view.SetSelection({0, 0});
  const std::string_view word = TrimControlChars(keyword);
  if (word.empty()) return 0;

  const TextColor color = kKeywordColors[place % kKeywordColors.size()];
  const std::size_t first = FindText(text, word, CaseMode::Exact);
  int hits = 0;
  for (std::size_t at = first; at != std::string::npos;) {
    // The position is 1-based from here on, as the views count it: the mark starts one byte
    // before it, except at the very start of the text.
    const std::size_t position = at + 1;
    const TextRange mark{position == 1 ? 1 : position - 1, word.size()};
    view.SetSelection(mark);
    view.SetRangeColor(mark, color);
    view.SetRangeWeight(mark, FontWeight::Bold);
    view.SetSelection({position, 0});
    const std::size_t line = view.LineOfOffset(position);
    const std::size_t lineStart = view.OffsetOfLine(line).value_or(0);
    resultList.push_back(SearchHitEntry(line + 1, position - lineStart));
    ++hits;
    // The search goes on one byte past the end of this occurrence (at the next character start
    // from there: a match never begins on the second byte of a double-byte character).
    const std::size_t next = at + word.size() + 1;
    if (next >= text.size()) break;
    at = FindText(text, word, CharStartFrom(text, at, next), CaseMode::Exact);
  }
  if (first != std::string::npos) {
    view.ScrollLines(-static_cast<std::ptrdiff_t>(view.FirstVisibleLine()));
    view.SetSelection({first, 0});
    view.ScrollLines(static_cast<std::ptrdiff_t>(view.LineOfOffset(first)));
    pump.ProcessPendingEvents();
  }
  return hits;
}

void RichEditSearchList(TextView& view, const std::vector<std::string>& SearchKeywords,
                        std::vector<std::string>& resultList, EventPump& pump) {
  const std::size_t count = std::min(SearchKeywords.size(), kMarkedKeywordCount);
  for (std::size_t place = 0; place < count; ++place)
    MarkKeyword(view, SearchKeywords[place], resultList, place, pump);
  pump.SetBusyCursor(BusyCursor::Off);
}

void KeywordSearch(TextView& view, std::string_view keywordBox,
                   std::vector<std::string>& SearchKeywords, std::vector<std::string>& resultList,
                   EventPump& pump) {
  if (TrimControlChars(keywordBox).empty()) return;
  ClearSearchMarks(view);
  if (EdictScan(keywordBox, SearchKeywords) == 0) return;
  pump.SetBusyCursor(BusyCursor::On);
  RichEditSearchList(view, SearchKeywords, resultList, pump);
}

void ListBoxClick(TextView& view, const std::vector<std::string>& resultList,
                  std::optional<std::size_t> selected, std::string& label, std::string& statusPanel,
                  EventPump& pump) {
  if (resultList.empty() || !selected || *selected >= resultList.size()) return;
  const std::string& entry = resultList[*selected];
  label = entry;
  const std::size_t slash = entry.find('/');
  if (slash == std::string::npos) return;
  const std::size_t line = NumberOrZero(std::string_view(entry).substr(0, slash));
  std::string_view columnText = std::string_view(entry).substr(slash + 1);
  columnText = columnText.substr(0, columnText.find(' '));
  const std::size_t column = NumberOrZero(columnText);
  // An entry the list never holds (line or column 0) goes to the start of the line.
  GoToLineColumn(view, line > 0 ? line - 1 : 0, column > 0 ? column - 1 : 0);
  pump.ProcessPendingEvents();
  ScrollLineToTop(view, line);
  statusPanel = SjisFromUtf8Literal(analysis_messages::kStatusLine) + std::to_string(line) +
                SjisFromUtf8Literal(analysis_messages::kStatusColumn) + std::to_string(column) +
                " ]";
}

}  // namespace pellucor

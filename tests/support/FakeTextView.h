#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "ports/TextView.h"
#include "syntax/RtfReader.h"

namespace pellucor::testing {

/// A rich text view in memory: it keeps its text, the colours read from the RTF it was given,
/// the caret, the first visible line and its modes, and logs each call that changes them
/// ("load", "plain on", "scroll 3", ...). Lines end after CR LF, a lone CR or a lone LF; the
/// view scrolls until its last line is the first visible one. Users link pellucor_syntax.
class FakeTextView : public TextView {
 public:
  std::string text;
  std::vector<ColoredRun> runs;        // the colours of the last RTF loaded
  std::vector<std::string> loadedRtf;  // every document given to LoadRtf
  TextRange selection;
  std::size_t firstVisibleLine = 0;
  PlainTextMode plainTextMode = PlainTextMode::On;
  Repainting repainting = Repainting::Running;
  ChangeNotifications notifications = ChangeNotifications::Attached;
  int changesSeen = 0;                       // edits that reached the change handler
  std::vector<TextRange> defaultAttributes;  // ranges given the default attributes
  std::vector<std::string> log;

  // Scripted faults: the next `failingLoads` loads fail; the next `loadsShownAsSource` loads
  // take the RTF as plain text even out of plain-text mode, as a confused control does.
  int failingLoads = 0;
  int loadsShownAsSource = 0;

  std::string Text() const override { return text; }

  void SetText(std::string_view newText) override {
    log.push_back("set text");
    Replace(std::string(newText), {});
  }

  bool LoadRtf(std::string_view rtf) override {
    log.push_back("load");
    loadedRtf.emplace_back(rtf);
    if (failingLoads > 0) {
      --failingLoads;
      return false;
    }
    if (plainTextMode == PlainTextMode::On || loadsShownAsSource > 0) {
      if (plainTextMode == PlainTextMode::Off) --loadsShownAsSource;
      Replace(std::string(rtf), {});
      return true;
    }
    RtfText read = ReadRtf(rtf);
    if (!read.ok()) return false;
    Replace(std::move(read.text), std::move(read.runs));
    return true;
  }

  void SetPlainTextMode(PlainTextMode mode) override {
    log.push_back(mode == PlainTextMode::On ? "plain on" : "plain off");
    plainTextMode = mode;
  }

  TextRange Selection() const override { return selection; }

  void SetSelection(TextRange range) override {
    log.push_back("select " + std::to_string(range.start));
    selection.start = std::min(range.start, text.size());
    selection.length = std::min(range.length, text.size() - selection.start);
  }

  void SetRangeColor(TextRange range, TextColor) override {
    log.push_back("colour " + std::to_string(range.start));
  }
  void SetRangeWeight(TextRange range, FontWeight) override {
    log.push_back("weight " + std::to_string(range.start));
  }
  void SetDefaultAttributes(TextColor, FontWeight) override { log.push_back("defaults"); }
  void ApplyDefaultAttributes(TextRange range) override {
    log.push_back("apply defaults");
    defaultAttributes.push_back(range);
  }

  std::size_t LineOfOffset(std::size_t offset) const override {
    const std::vector<std::size_t> starts = LineStarts();
    const auto after =
        std::upper_bound(starts.begin(), starts.end(), std::min(offset, text.size()));
    return static_cast<std::size_t>(after - starts.begin()) - 1;
  }

  std::optional<std::size_t> OffsetOfLine(std::size_t line) const override {
    const std::vector<std::size_t> starts = LineStarts();
    if (line >= starts.size()) return std::nullopt;
    return starts[line];
  }

  std::size_t FirstVisibleLine() const override { return firstVisibleLine; }
  std::size_t LineCount() const override { return LineStarts().size(); }

  void ScrollLines(std::ptrdiff_t lines) override {
    log.push_back("scroll " + std::to_string(lines));
    const auto last = static_cast<std::ptrdiff_t>(LineCount()) - 1;
    const std::ptrdiff_t first = static_cast<std::ptrdiff_t>(firstVisibleLine) + lines;
    firstVisibleLine = static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(first, 0, last));
  }

  void SetMargins(int left, int right) override {
    log.push_back("margins " + std::to_string(left) + " " + std::to_string(right));
  }

  void SetRepainting(Repainting state) override {
    log.push_back(state == Repainting::Running ? "repaint on" : "repaint off");
    repainting = state;
  }

  ChangeNotifications ChangeNotificationState() const override { return notifications; }
  void SetChangeNotifications(ChangeNotifications state) override { notifications = state; }

  /// The colour index at the offset; -1 where no loaded colour covers it.
  [[nodiscard]] int ColorIndexAt(std::size_t offset) const {
    for (const ColoredRun& run : runs) {
      if (offset >= run.start && offset < run.start + run.length) return run.colorIndex;
    }
    return -1;
  }

 private:
  void Replace(std::string newText, std::vector<ColoredRun> newRuns) {
    text = std::move(newText);
    runs = std::move(newRuns);
    selection = {};
    firstVisibleLine = 0;
    if (notifications == ChangeNotifications::Attached) ++changesSeen;
  }

  std::vector<std::size_t> LineStarts() const {
    std::vector<std::size_t> starts{0};
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      if (text[i] == '\r' || text[i] == '\n') starts.push_back(i + 1);
    }
    return starts;
  }
};

}  // namespace pellucor::testing

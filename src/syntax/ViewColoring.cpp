#include "syntax/ViewColoring.h"

#include <string>
#include <thread>

#include "syntax/HtmlRtf.h"
#include "text/ShiftJis.h"

namespace pellucor {
namespace {

using namespace std::chrono_literals;

enum class CaretAfterColoring { ToStart, Kept };

// Loads the view's own text back as coloured RTF, with its caret and scroll position kept and
// its change handler kept out of it.
void ColoringPass(TextView& view, CaretAfterColoring caretAfter) {
  const std::string text = view.Text();
  if (text.empty()) return;
  const std::size_t caret = view.Selection().start;
  const std::size_t firstVisible = view.FirstVisibleLine();
  const ChangeNotifications notifications = view.ChangeNotificationState();
  view.SetChangeNotifications(ChangeNotifications::Detached);

  const std::string rtf = HtmlToRtf(text);
  view.SetPlainTextMode(PlainTextMode::Off);
  view.SetRepainting(Repainting::Suspended);
  const bool loaded = view.LoadRtf(rtf);
  if (loaded) view.ScrollLines(static_cast<std::ptrdiff_t>(firstVisible));
  // Repainting resumes whatever happened, or a view that failed to load would stay frozen.
  view.SetRepainting(Repainting::Running);
  // A view that cannot take the RTF keeps its plain text; the failure is not reported.
  if (!loaded) view.ApplyDefaultAttributes(view.Selection());

  view.SetPlainTextMode(PlainTextMode::On);
  view.SetSelection({caret, 0});
  view.SetChangeNotifications(notifications);
  if (caretAfter == CaretAfterColoring::ToStart) {
    view.ScrollLines(-static_cast<std::ptrdiff_t>(view.LineOfOffset(view.Selection().start)));
    view.SetSelection({0, 0});
  }
}

void Colorize(TextView& view, const Pause& pause, CaretAfterColoring caretAfter) {
  const std::string remembered = view.Text();
  ColoringPass(view, caretAfter);
  // "{\" in the text means the view took the RTF as plain text and shows its source. A source
  // that holds the pair itself looks the same and is coloured twice; there is no third pass.
  if (!ContainsText(view.Text(), "{\\", CaseMode::Exact)) return;
  pause(500ms);
  view.SetText(remembered);
  ColoringPass(view, caretAfter);
}

}  // namespace

void SleepFor(std::chrono::milliseconds duration) {
  std::this_thread::sleep_for(duration);
}

void ColorizeHtmlView(TextView& view, const Pause& pause) {
  Colorize(view, pause, CaretAfterColoring::ToStart);
}

void ColorizeHtmlViewEx(TextView& view, const Pause& pause) {
  Colorize(view, pause, CaretAfterColoring::Kept);
}

void GoToLineColumn(TextView& view, std::size_t line, std::size_t column) {
  if (const std::optional<std::size_t> start = view.OffsetOfLine(line))
    view.SetSelection({*start + column, 0});
}

void ScrollLineToTop(TextView& view, std::size_t line) {
  view.ScrollLines(static_cast<std::ptrdiff_t>(line) -
                   static_cast<std::ptrdiff_t>(view.FirstVisibleLine()) - 1);
}

}  // namespace pellucor

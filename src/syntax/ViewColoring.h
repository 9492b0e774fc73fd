#pragma once

#include <chrono>
#include <cstddef>
#include <functional>

#include "ports/TextView.h"

// Syntax colours for the HTML source in a rich text view, and the caret moves of the views'
// search lists. The view's text never changes: only its character colours do.
namespace pellucor {

/// Blocks the user-interface thread for the given time; tests pass one that only records.
using Pause = std::function<void(std::chrono::milliseconds)>;

/// Sleeps on the calling thread.
void SleepFor(std::chrono::milliseconds duration);

/// Colours the view's HTML and then puts the caret at 0, scrolling up by the number of the line
/// that held the caret. An empty view is left as it is. Errors of the view are swallowed: the
/// selection gets the default attributes and the text stays plain. A view that shows RTF source
/// afterwards (its text holds "{" followed by a backslash - which a source with that pair
/// also does) gets its previous text back after a 500 ms pause and one more pass, never a third.
void ColorizeHtmlView(TextView& view, const Pause& pause = SleepFor);

/// As ColorizeHtmlView, but the caret offset and the first visible line stay as they were.
void ColorizeHtmlViewEx(TextView& view, const Pause& pause = SleepFor);

/// Caret := the start of the 0-based line + column. Does nothing for a line past the last.
void GoToLineColumn(TextView& view, std::size_t line, std::size_t column);

/// Scrolls by (line - first visible line - 1) lines, so that the 1-based line ends up first
/// visible (as far as the view can scroll).
void ScrollLineToTop(TextView& view, std::size_t line);

}  // namespace pellucor

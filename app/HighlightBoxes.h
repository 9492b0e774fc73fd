#pragma once

class QWidget;

// The five highlight boxes over the browsers: the words typed in a box are marked in its
// browser's page on the search button ("一括検索") and on Enter; the paste button ("貼付け")
// puts the clipboard's text into the box, and for the download and local page browsers then
// searches.
namespace pellucor {
class Clipboard;
class EventPump;
}  // namespace pellucor

namespace pellucor::app {

class PageWidgets;

/// Makes each box with its two buttons in a row above its browser, in the browser's page.
void AddHighlightBoxes(const PageWidgets& pages, Clipboard& clipboard, EventPump& pump);

}  // namespace pellucor::app

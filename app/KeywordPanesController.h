#pragma once

#include <functional>
#include <string>
#include <vector>

#include "analysis/ColorListTab.h"
#include "analysis/LocalPageTab.h"
#include "download/DownloadTab.h"
#include "ports/Clipboard.h"
#include "ports/EventPump.h"

class QWidget;

// The keyword search of every source view of the download and local page tabs: a keyword box
// with its search, paste and re-colour buttons and its line/column label above the view, the
// list of hits beside it; a click on a hit jumps there.
namespace pellucor::app {

class Binder;
class PageWidgets;

class KeywordPanesController {
 public:
  using Runner = std::function<void(const std::function<void()>&)>;

  /// The panes' boxes, lists and labels are the tabs' values; `statusPanel` is the status bar
  /// panel that shows the line and column of a hit; `searchKeywords` the keywords of the last
  /// split, shared with the colour lists' searches.
  KeywordPanesController(QWidget& window, const PageWidgets& pages, Binder& binder,
                         DownloadTab& download, LocalPageTab& local, ColorListTab& colors,
                         std::string& statusPanel, std::vector<std::string>& searchKeywords,
                         Clipboard& clipboard, EventPump& pump, Runner run);
};

}  // namespace pellucor::app

#pragma once

#include <string>

class QWidget;

// A page control whose page a tab's commands choose by name (the tab's LeftTabShown, say): the
// page chosen is shown after the commands, and a page the user picks becomes the chosen one, so
// a command choosing a page again shows it again.
namespace pellucor::app {

class ChosenSubTab {
 public:
  /// `tabsName` names the page control below `window`; `chosen` is the tab's value.
  ChosenSubTab(QWidget& window, const char* tabsName, std::string& chosen);

  /// Shows the chosen page when it changed since it was last shown.
  void Show();

 private:
  QWidget& window_;
  std::string& chosen_;
  std::string shown_;
};

}  // namespace pellucor::app

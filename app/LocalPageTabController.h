#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "analysis/ColorLists.h"
#include "analysis/LocalPageCheck.h"
#include "analysis/LocalPageTab.h"
#include "analysis/SingleFilePanes.h"
#include "app/ChosenSubTab.h"
#include "download/DownloadTab.h"

class QWidget;

// The local page tab's controller: the saved page's check, its single-file panes and colour
// lists over the window's browser and views, the keyword searches of every source view, the
// tab's widgets bound to their values and its buttons and browser events connected.
namespace pellucor::app {

class Binder;
class KeywordPanesController;
class PageWidgets;

class LocalPageTabController {
 public:
  using Runner = std::function<void(const std::function<void()>&)>;

  /// `download` holds the fields the download fills for this tab; `lastDownloadedPage` gives
  /// the page file of the last download.
  LocalPageTabController(QWidget& window, const PageWidgets& pages, Binder& binder,
                         DownloadTab& download, Dialogs& dialogs, Clipboard& clipboard,
                         EventPump& pump, Launcher& launcher,
                         std::function<std::string()> lastDownloadedPage, Runner run);
  ~LocalPageTabController();

  [[nodiscard]] LocalPageTab& tab() { return tab_; }
  [[nodiscard]] LocalPageCheck& check() { return check_; }
  [[nodiscard]] ColorLists& colorLists() { return colorLists_; }

  /// The window entered the tab: the last download's page is shown again unless told not to.
  void EnterTab();
  /// After every command: the pages the commands chose are shown.
  void ShowChosenTabs();

 private:
  [[nodiscard]] LocalPageHost Host(const PageWidgets& pages, DownloadTab& download,
                                   Dialogs& dialogs, Clipboard& clipboard, EventPump& pump,
                                   Launcher& launcher);
  void Bind(Binder& binder, DownloadTab& download);
  void ConnectButtons();
  void ConnectColorLists(const PageWidgets& pages, Binder& binder);
  void ConnectBrowser(const PageWidgets& pages);
  void RefreshOuterHtmlWhenLeft();

  QWidget& window_;
  Runner run_;
  std::function<std::string()> lastDownloadedPage_;
  LocalPageTab tab_;
  std::vector<std::string> searchKeywords_;
  ColorLists colorLists_;
  LocalPageCheck check_;
  SingleFilePanes panes_;
  std::unique_ptr<KeywordPanesController> keywordPanes_;
  ChosenSubTab left_;
  ChosenSubTab right_;
};

}  // namespace pellucor::app

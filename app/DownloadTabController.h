#pragma once

#include <functional>
#include <string>

#include "app/ChosenSubTab.h"
#include "download/DownloadEngine.h"
#include "download/PageResourceStages.h"
#include "httpclient/HttpClient.h"

class QWidget;

// The download tab's controller: the download engine over the window's ports and the tab's two
// browsers, its widgets bound to the engine's values, and its buttons, boxes and browser events
// connected to the engine's commands.
namespace pellucor::app {

class Binder;
class PageWidgets;

class DownloadTabController {
 public:
  /// Runs a command between a pull of the widgets and a push of what it changed.
  using Runner = std::function<void(const std::function<void()>&)>;

  /// `window` holds the tab's widgets, found by name; `pages` its browsers and views.
  DownloadTabController(QWidget& window, const PageWidgets& pages, Binder& binder, Dialogs& dialogs,
                        Clipboard& clipboard, EventPump& pump, Launcher& launcher, Runner run);

  [[nodiscard]] DownloadEngine& engine() { return engine_; }
  [[nodiscard]] DownloadTab& tab() { return engine_.tab; }
  /// The tab's client: its transfers wait with the window's events running.
  [[nodiscard]] HttpClient& http() { return http_; }

  /// After every command and at every pump point: the sub-tabs the engine chose are shown.
  void ShowChosenTabs();
  /// The title the engine last gave the window, once: empty when it gave none since.
  [[nodiscard]] std::string TakeWindowCaption();

 private:
  [[nodiscard]] HttpClientOptions WaitingOptions();
  /// A command that runs a download: its transfers end at the stop button.
  void RunDownload(const std::function<void()>& download);
  /// After a run that saved its page: the offline check's lines at the top of the style sheet
  /// files pane.
  void ShowOfflineCheck();
  void Bind(Binder& binder);
  void Connect();
  void ConnectBrowsers(const PageWidgets& pages);

  QWidget& window_;
  Runner run_;
  HttpClient http_;
  PageResourceStages stages_;
  DownloadEngine engine_;
  ChosenSubTab left_;
  ChosenSubTab right_;
  std::string shownCaption_;
  bool running_ = false;
  bool stopPressed_ = false;
};

}  // namespace pellucor::app

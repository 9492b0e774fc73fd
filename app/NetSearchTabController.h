#pragma once

#include <functional>
#include <string>

#include "download/DownloadEngine.h"
#include "httpclient/HttpClient.h"
#include "search/NetSearch.h"

class QWidget;

// The net search tab's controller: the search over the tab's three browsers, its widgets bound
// to the search's values, its buttons, keyword box and browser events connected; a chosen page
// goes to the download tab.
namespace pellucor::app {

class Binder;
class PageWidgets;

/// The download tab as the net search reaches it, over the download engine.
class EngineDownloadTabLink : public DownloadTabLink {
 public:
  explicit EngineDownloadTabLink(DownloadEngine& engine) : engine_(engine) {}
  [[nodiscard]] std::string UrlBoxText() const override;
  void SetUrlBoxText(std::string_view url) override;
  [[nodiscard]] bool UrlHistoryContains(std::string_view text) const override;
  void TakeOverUrl(std::string_view url) override;

 private:
  DownloadEngine& engine_;
};

class NetSearchTabController {
 public:
  using Runner = std::function<void(const std::function<void()>&)>;

  NetSearchTabController(QWidget& window, const PageWidgets& pages, Binder& binder,
                         Dialogs& dialogs, Clipboard& clipboard, EventPump& pump,
                         Launcher& launcher, DownloadEngine& download, const bool& startupComplete,
                         Runner run);

  [[nodiscard]] NetSearch& search() { return search_; }
  [[nodiscard]] NetSearchTab& tab() { return search_.tab; }

  /// After every command: the sub-tab, focus and input method the search chose are applied.
  void AfterCommand();

 private:
  void Bind(Binder& binder);
  void ConnectButtons();
  void ConnectKeywordBox();
  void ConnectBrowsers(const PageWidgets& pages);

  QWidget& window_;
  Runner run_;
  HttpClient http_;
  EngineDownloadTabLink downloadLink_;
  NetSearch search_;
};

}  // namespace pellucor::app

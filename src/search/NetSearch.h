#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

#include "httpclient/HttpClient.h"
#include "ports/Browser.h"
#include "ports/Clipboard.h"
#include "ports/Dialogs.h"
#include "ports/EventPump.h"
#include "ports/Launcher.h"
#include "search/DownloadTabLink.h"
#include "search/HttpProbe.h"
#include "search/NetSearchTab.h"
#include "search/SearchEndpoints.h"

namespace pellucor {

/// What the net search reaches on its host.
struct NetSearchHost {
  Dialogs& dialogs;
  Clipboard& clipboard;
  EventPump& pump;
  Launcher& launcher;
  Browser& baseBrowser;       // WebBrowserNSBase: the result list
  Browser& targetBrowser;     // WebBrowserNSTarget: the chosen result
  Browser& newWindowBrowser;  // WebBrowserNSNewWindow: one level further
  HttpClient& http;
  DownloadTabLink& downloadTab;
  /// Set at the end of start-up; the input-method reactions wait for it.
  const bool& startupComplete;
  /// Blocks the user-interface thread (the probe waits 500 ms); tests pass one that records.
  std::function<void(std::chrono::milliseconds)> pause = [](std::chrono::milliseconds time) {
    std::this_thread::sleep_for(time);
  };
};

/// Whether the asking browser had finished loading when a page asked for a new window.
enum class BrowserReadyState { Loading, Complete };

/// What becomes of a new window a page asks for.
enum class NewWindowAction { OpenInSameBrowser, Cancel };

/// Where a probe shows its result.
enum class ProbeDestination { SearchTab, InformationBox };

/// The key pressed in the keyword box.
enum class KeywordKey { Return, Other };

/// The net search tab: queries and paging (Google and Yahoo! JAPAN), the links of its two
/// browsers, the hand-over of a chosen page to the download tab, and the HTTP probe. Handlers
/// and worker operations keep their names; the controls are the values of `tab`.
class NetSearch {
 public:
  explicit NetSearch(NetSearchHost host) : host_(std::move(host)), probe_(host_.http) {}

  NetSearchTab tab;

  // Search state, kept in memory for the whole run.
  /// The number of the first result asked for: 0 at start, 1 after a new search.
  int SearchStart = 0;
  pellucor::SearchEngine SearchEngine = pellucor::SearchEngine::Google;
  std::string YahooBase;
  std::string YahooTail;
  /// The links last captured from the status texts of the result list and target browsers.
  std::string LastLinkBase;
  std::string LastLinkTarget;

  // Queries and paging. Each does nothing while the keyword box is blank.
  void sbSearchGoogleClick();
  void sbSearchYahooClick();
  void btnSearchNextClick();
  void btnSearchPrevClick();
  /// Return starts a new Yahoo search.
  void ComboBoxSearchKeyWordKeyDown(KeywordKey key);
  void sbSearchPasteClick();
  void sbSearchClearClick();
  void sbNSDecsYahooClick();
  void sbNSDescGoogleClick();
  /// Navigates the result list to edNSUrl when it is a web URL.
  void sbNetSearchGoClick();
  void sbNetSearchGoPasteClick();
  void sbNetSearchStopClick();

  // The keyword box's input method; nothing happens before the end of start-up.
  void RadioGroupIMEModeClick();
  void ComboBoxSearchKeyWordEnter();
  void ComboBoxSearchKeyWordClick();

  // Links of the two browsers.
  void WebBrowserNSBaseStatusTextChange(std::string_view text);
  void WebBrowserNSTargetStatusTextChange(std::string_view text);
  /// Acts on the last captured link; always false, so the page never follows a click itself.
  bool NSBaseDocOnClick();
  bool NSTargetDocOnClick();
  NewWindowAction WebBrowserNSBaseNewWindow2(BrowserReadyState state);
  NewWindowAction WebBrowserNSTargetNewWindow2(BrowserReadyState state);
  /// Hands the page to the download tab, which navigates to it.
  void NSProcessForDL(std::string_view url);

  // Commands of the two browser panes.
  void sbNSBaseBackClick();
  void sbPGSearchTabLeftTopOpenIEClick();
  void sbNSTargrtOpenIEClick();
  void sbNSGoClick();
  void sbNSPasteClick();
  void sbNSPCOPYClick();
  /// The HTTP probe of ComboBoxNSTargetUrl, shown on the " HTTPGet " sub-tab.
  void sbNSGethhtpClick();
  /// The HTTP probe of the download tab's URL box, shown in the information box.
  void sbDLHTTPGetClick();

  /// Probes the URL text and shows the summary and the headers at the destination. A text that
  /// is not a web URL does nothing; a page that is not found (also when the second request
  /// fails) shows the not-found message.
  void HTTPProbe(std::string_view urlText, ProbeDestination destination);

  [[nodiscard]] HttpProbe& probe() { return probe_; }

 private:
  void StartNewSearch(pellucor::SearchEngine engine);
  void PageBy(int step);
  void SetKeywordInputMethod();
  void ShowSubTab(std::string_view utf8Caption);
  [[nodiscard]] std::string ProbeSummary(const HttpResponse& response) const;

  NetSearchHost host_;
  HttpProbe probe_;
};

}  // namespace pellucor

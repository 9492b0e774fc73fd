#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "search/NetSearch.h"
#include "support/FakeBrowser.h"
#include "support/FakeClipboard.h"
#include "support/FakeDialogs.h"
#include "support/FakeEventPump.h"
#include "support/FakeLauncher.h"
#include "text/ShiftJis.h"

namespace pellucor::testing {

/// The download tab as a test sees it: its URL box and history, and every URL handed over.
class FakeDownloadTab : public DownloadTabLink {
 public:
  std::string urlBox;
  std::vector<std::string> history;
  std::vector<std::string> takenOver;

  std::string UrlBoxText() const override { return urlBox; }
  void SetUrlBoxText(std::string_view url) override { urlBox = std::string(url); }
  bool UrlHistoryContains(std::string_view text) const override {
    for (const std::string& entry : history) {
      if (UpperCaseText(entry) == UpperCaseText(text)) return true;
    }
    return false;
  }
  void TakeOverUrl(std::string_view url) override { takenOver.emplace_back(url); }
};

/// Client options under which a connection is not kept after its request, so that a test server
/// can stop at once.
inline HttpClientOptions OneConnectionPerRequest() {
  HttpClientOptions options;
  options.reuse = ConnectionReuse::NewConnectionEachTime;
  return options;
}

/// A net search tab over fakes; its pauses are recorded, not slept.
class NetSearchTest : public ::testing::Test {
 protected:
  FakeDialogs dialogs;
  FakeClipboard clipboard;
  FakeEventPump pump;
  FakeLauncher launcher;
  FakeBrowser base;
  FakeBrowser target;
  FakeBrowser newWindow;
  HttpClient http{OneConnectionPerRequest()};
  FakeDownloadTab downloadTab;
  bool startupComplete = true;
  std::vector<std::chrono::milliseconds> pauses;
  NetSearch search{NetSearchHost{
      dialogs, clipboard, pump, launcher, base, target, newWindow, http, downloadTab,
      startupComplete, [this](std::chrono::milliseconds time) { pauses.push_back(time); }}};
  NetSearchTab& tab = search.tab;
};

}  // namespace pellucor::testing

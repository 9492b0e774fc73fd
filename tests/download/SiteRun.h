#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "download/DownloadEngine.h"
#include "download/PageResourceStages.h"
#include "download/ResourceStages.h"
#include "support/FakeBrowser.h"
#include "support/FakeClipboard.h"
#include "support/FakeDialogs.h"
#include "support/FakeEventPump.h"
#include "support/FakeLauncher.h"
#include "support/Iconv.h"
#include "support/LoopbackServer.h"
#include "support/TempFolder.h"

namespace pellucor::testing {

/// The smallest GIF: what a server answers for an image in the runs of the tests.
inline const std::string kGif("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);

/// Whole download runs with fake ports and a loopback server: the save folder is
/// `folderBelowTemp` inside a fresh temporary folder. `Stages` are the run's resource stages:
/// PageResourceStages for whole sites (SiteRun), NoResourceStages where the page's own saving
/// and rewriting is under test and fetches of its resources would only add noise.
template <typename Stages>
class SiteRunWith : public ::testing::Test {
 protected:
  SiteRunWith(const HttpClientOptions& options, const std::string& folderBelowTemp)
      : http_(options), engine_(Host(), stages_) {
    folder_ = temp_.path() + "/" + folderBelowTemp;
    std::filesystem::create_directories(folder_);
    engine_.tab.BtnEditWBPageSaveFolder = folder_;
    engine_.tab.RadioGroupRemoveBaseHref = 3;
  }

  /// The fakes and the client the engine runs on, for one more engine beside the fixture's.
  DownloadHost Host() { return {dialogs_, clipboard_, pump_, launcher_, browser_, result_, http_}; }

  /// Starts a run of the URL as the download button does; returns the run's result.
  int DownloadUrl(const std::string& url) {
    engine_.tab.ComboBoxWBUrl = url;
    engine_.btnDownloadAllClick();
    return engine_.lastRunResult;
  }

  /// The bytes of a file the run saved.
  std::string Saved(const std::string& relative) const { return ReadBytes(folder_ + relative); }
  bool Exists(const std::string& relative) const {
    return std::filesystem::exists(folder_ + relative);
  }
  /// A line of a result pane: the mark and the local path.
  std::string Mark(const char* sign, const std::string& relative) const {
    return Sjis(sign) + folder_ + relative;
  }
  static bool Holds(const std::vector<std::string>& pane, const std::string& line) {
    return std::find(pane.begin(), pane.end(), line) != pane.end();
  }

  LoopbackServer server_;
  TempFolder temp_;
  std::string folder_;  // ends with "/"
  FakeDialogs dialogs_;
  FakeClipboard clipboard_;
  FakeEventPump pump_;
  FakeLauncher launcher_;
  FakeBrowser browser_;
  FakeBrowser result_;
  HttpClient http_;
  Stages stages_;
  DownloadEngine engine_;
};

using SiteRun = SiteRunWith<PageResourceStages>;

}  // namespace pellucor::testing

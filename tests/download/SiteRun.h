#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "download/DownloadEngine.h"
#include "download/PageResourceStages.h"
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

/// Whole download runs with the resource stages, fake ports and a loopback server: the save
/// folder is `folderBelowTemp` inside a fresh temporary folder.
class SiteRun : public ::testing::Test {
 protected:
  SiteRun(const HttpClientOptions& options, const std::string& folderBelowTemp)
      : http_(options),
        engine_({dialogs_, clipboard_, pump_, launcher_, browser_, result_, http_}, stages_) {
    folder_ = temp_.path() + "/" + folderBelowTemp;
    std::filesystem::create_directories(folder_);
    engine_.tab.BtnEditWBPageSaveFolder = folder_;
    engine_.tab.RadioGroupRemoveBaseHref = 3;
  }

  /// Starts a run of the URL as the download button does; returns the run's result.
  int DownloadUrl(const std::string& url) {
    engine_.tab.ComboBoxWBUrl = url;
    engine_.btnDownloadAllClick();
    return engine_.lastRunResult;
  }

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
  PageResourceStages stages_;
  DownloadEngine engine_;
};

}  // namespace pellucor::testing

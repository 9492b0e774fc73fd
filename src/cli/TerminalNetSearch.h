#pragma once

#include <iosfwd>

#include "cli/TerminalHost.h"
#include "httpclient/HttpClient.h"
#include "search/NetSearch.h"

namespace pellucor::cli {

/// The net search tab on the command line: no browsers (navigations are only recorded as the
/// query URL box), no download tab to hand pages to, messages printed to `messages`, and no
/// pause - a terminal has nothing to repaint.
class TerminalNetSearch {
 public:
  explicit TerminalNetSearch(std::ostream& messages);

  [[nodiscard]] NetSearch& search() { return search_; }

 private:
  // The download tab is not there: its URL box is empty and a hand-over goes nowhere.
  class NoDownloadTab : public DownloadTabLink {
   public:
    std::string UrlBoxText() const override { return {}; }
    void SetUrlBoxText(std::string_view) override {}
    bool UrlHistoryContains(std::string_view) const override { return false; }
    void TakeOverUrl(std::string_view) override {}
  };

  TerminalDialogs dialogs_;
  MemoryClipboard clipboard_;
  ProgressPump pump_;
  NoLauncher launcher_;
  NoBrowser base_;
  NoBrowser target_;
  NoBrowser newWindow_;
  HttpClient http_;
  NoDownloadTab downloadTab_;
  bool startupComplete_ = true;
  NetSearch search_;
};

}  // namespace pellucor::cli

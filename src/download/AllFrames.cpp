#include "download/AllFrames.h"

#include <deque>
#include <set>

#include "text/TextTrim.h"
#include "web/CombineUrl.h"
#include "web/UrlForms.h"
#include "web/UrlKinds.h"

namespace pellucor {

std::string FrameAddress(std::string_view pageUrl, std::string_view frame) {
  std::string target(TrimControlChars(frame));
  if (target.starts_with("//")) target = std::string(SchemeOf(pageUrl)) + ":" + target;
  if (!IsWebUrl(target)) target = CombineUrl(pageUrl, target);
  return IsWebUrl(target) ? target : std::string();
}

AllFramesResult DownloadAllFrames(DownloadEngine& engine, std::string_view pageUrl, int levels) {
  DownloadTab& tab = engine.tab;
  const std::vector<std::string> pageFrames = tab.ListBoxWBInFrameFileList;
  const std::string pageFile = tab.BtnEditWBLocalFilename;
  const int pageResult = engine.lastRunResult;
  const int frameAction = tab.RadioGroupDLFrameDownload;
  const std::string folder = engine.RunFolder();

  AllFramesResult result;
  struct Pending {
    std::string url;
    int level;
  };
  std::deque<Pending> pending;
  std::set<std::string, std::less<>> seen{std::string(pageUrl)};
  // The frame list holds what the last run listed, addressed relative to that run's page.
  const auto queueFramesOf = [&](std::string_view url, int level) {
    for (const std::string& frame : tab.ListBoxWBInFrameFileList) {
      std::string target = FrameAddress(url, frame);
      if (target.empty() || !seen.insert(target).second) continue;
      if (level > levels) {
        result.beyondLevels.push_back(std::move(target));
      } else {
        pending.push_back({std::move(target), level});
      }
    }
  };
  queueFramesOf(pageUrl, 1);
  tab.RadioGroupDLFrameDownload = 0;
  while (!pending.empty()) {
    const Pending next = std::move(pending.front());
    pending.pop_front();
    // Each frame page's run lists its own frames only, and its saved text is rewritten by
    // that list alone, as a run of it started from the URL box would be.
    tab.ListBoxWBInFrameFileList.clear();
    engine.run.FrameList.clear();
    engine.run.InlineFrameList.Clear();
    engine.DLInFrameFileGo(next.url, folder, next.url);
    (engine.lastRunResult == 0 ? result.saved : result.failed).push_back(next.url);
    queueFramesOf(next.url, next.level + 1);
  }
  tab.RadioGroupDLFrameDownload = frameAction;
  tab.ListBoxWBInFrameFileList = pageFrames;
  tab.BtnEditWBLocalFilename = pageFile;
  engine.lastRunResult = pageResult;
  return result;
}

}  // namespace pellucor

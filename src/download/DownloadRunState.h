#pragma once

#include <string>
#include <vector>

#include "text/SortedTextList.h"

// What a download run keeps between its stages and for the next run.
namespace pellucor {

struct DownloadRunState {
  std::string RunPageUrl;
  std::string LocalPageFile;
  std::string PreviousLocalPageFile;
  bool FramesetSaved = false;
  bool UrlTypedByUser = false;
  std::string FetchedHeadHtml;  // empty: not navigated yet
  std::string FormattedFetchedHtml;
  std::string BrowserHtml;
  // The page's names and texts of the current run.
  std::string PagePath;
  std::string FlatPagePath;
  std::string AsFetchedPath;
  std::string InnerPath;
  std::string ConvertedHtml;
  std::string FetchedHtml;
  std::string InnerHtml;
  std::string BaseHrefValue;
  std::string BaseHrefDir;
  std::string BaseHrefDirPath;
  std::string PreHeadText;
  std::string TopPageName;
  // The resource lists of the run and their progress counters.
  SortedTextList StyleSheetsAndScripts;
  SortedTextList Images;
  SortedTextList FetchedFiles;
  int ProgressCount = 0;
  int SecondProgressCount = 0;
  // Frames and inline frames found by the frameset branch.
  std::vector<std::string> FrameList;
  std::vector<std::string> InlineFrameList;
};

}  // namespace pellucor

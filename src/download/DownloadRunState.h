#pragma once

#include <string>
#include <vector>

#include "download/DistinctNames.h"
#include "text/HtmlCharset.h"
#include "text/SortedTextList.h"

// What a download run keeps between its stages and for the next run.
namespace pellucor {

struct DownloadRunState {
  std::string RunPageUrl;
  std::string LocalPageFile;
  std::string PreviousLocalPageFile;
  bool FramesetSaved = false;
  bool UrlTypedByUser = false;
  std::string HoveredLink;
  std::string ResultHoveredLink;  // the link under the pointer in the result browser
  std::string LastSaveFolder;  // the folder last chosen with the folder button  // the link address
                               // the download browser last showed
  std::string FetchedHeadHtml;  // empty: not navigated yet
  std::string BrowserHtml;
  // The page's names and texts of the current run.
  std::string PagePath;
  std::string FlatPagePath;
  std::string AsFetchedPath;
  std::string InnerPath;
  std::string ConvertedHtml;
  std::size_t FetchedHtmlSize = 0;  // the length of the page as fetched
  // The HTTP status the page was answered with; 0 when it was not fetched (the browser's
  // document was taken) or no response came. A page that answered an error status (404) is
  // saved as the server sent it, and the front ends say so.
  long PageStatus = 0;
  // The charset the page was read in: its style sheets and scripts that say nothing of theirs
  // are read in it.
  CharsetCode PageCharset = CharsetCode::Automatic;
  // Style sheets, scripts and images whose local name another address of the page had taken,
  // saved under names of their own, for the page's rewriting.
  std::vector<RenamedReference> RenamedReferences;
  std::string InnerHtml;
  std::string BaseHrefValue;
  std::string BaseHrefDir;
  std::string BaseHrefDirPath;
  std::string PreHeadText;
  std::string TopPageName;
  // The working lists of resource discovery and retrieval: sorted, without duplicates.
  SortedTextList CandidateList;    // candidate references of the text being scanned
  SortedTextList HostList;         // hosts of absolute links
  SortedTextList SwfList;          // the page's double-quoted strings
  SortedTextList HeadLinkList;     // href values outside the body
  SortedTextList ScriptRowList;    // style/script rows already listed
  SortedTextList ImageRowList;     // image rows already listed
  SortedTextList PlaceholderList;  // local style/script files written before their download
  SortedTextList SheetRefList;     // reference candidates of the style sheet being scanned
  int ProgressCount = 0;
  int SecondProgressCount = 0;
  // Frames of a frameset page and the inline-frame start tags of the page.
  std::vector<std::string> FrameList;
  SortedTextList InlineFrameList;
};

}  // namespace pellucor

#pragma once

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "download/DownloadRunState.h"
#include "download/DownloadTab.h"
#include "download/ResourceStages.h"
#include "download/RunFetcher.h"
#include "httpclient/HttpClient.h"
#include "ports/Browser.h"
#include "ports/Clipboard.h"
#include "ports/Dialogs.h"
#include "ports/EventPump.h"
#include "ports/Launcher.h"
#include "text/CodePage932.h"
#include "text/TextFile.h"

namespace pellucor {

/// What the engine reaches on its host.
struct DownloadHost {
  Dialogs& dialogs;
  Clipboard& clipboard;
  EventPump& pump;
  Launcher& launcher;
  Browser& downloadBrowser;  // WebBrowserDownload
  Browser& resultBrowser;    // WebBrowserDownloadResult
  HttpClient& http;
};

/// The result panes a line about a limit, a failed fetch or a failed write goes to.
enum class LimitPane { StyleSheets, Images };

/// The download tab's commands and the download run. The handlers and worker operations keep
/// their names; the tab's controls are the values of `tab`, the run's memory is `run`.
class DownloadEngine {
 public:
  DownloadEngine(DownloadHost host, ResourceStages& stages);

  DownloadTab tab;
  DownloadRunState run;
  /// The outcome of the last run started by btnDownloadAllClick: 0 completed, -1 ended early.
  int lastRunResult = -1;
  /// How a run fetches: ahead and in parallel (the default) or each file when its row is
  /// reached. Both give the same files and panes.
  FetchSettings fetchSettings;
  /// Levels of style sheets imported by style sheets that a run fetches at most; the rest is
  /// left with a line in the style sheet pane.
  int styleSheetLevels = 50;
  /// Whether the host shows the page's texts in the tab's source views (the page as read, as
  /// formatted, as saved). A host without such views (the command line) leaves them empty: each
  /// would hold another whole copy of the page.
  bool pageTextViews = true;

  // Commands.
  void btnDownloadAllClick();
  void btnDownloadStopClick();
  void btnDLSaveHTMLOnlyClick();
  void btnDLOpenFramesetClick();
  /// A click on a line of the frame list: fetch, open or show that embedded page.
  void ListBoxWBInFrameFileListClick(std::string_view selectedLine);
  void sbDLFrameGoClick();
  /// The click action on one frame address, by RadioGroupDLFrameDownload.
  void DLInFrameFileGo(std::string_view url, std::string_view saveFolder, std::string_view frame);

  // The commands around the page shown.
  /// Navigates to the URL box's text (trimmed, without "\\"): the browser shows the page and
  /// the source views fill; a base tag of the page is told in LabelDownloadedFile; a redirect
  /// the browser followed becomes the box's URL, which joins the box's history.
  void sbDLNavigateClick();
  /// Adds the URL box's text (trimmed) to its history when the history does not hold it yet in
  /// any letter case, and titles the window with it.
  void AddComboBoxURL();
  /// The save folder from the folder dialog (starting at the save folder, else at the folder
  /// chosen last), with a "/" at its end; cancelled, nothing changes.
  void btnHTMLPageSaveFolderClick();
  /// Empties the save folder, local file, save name, top page and dummy folder boxes.
  void sbDLFolderlClearClick();
  /// The download browser's live document, formatted, into the native HTML view.
  void sbDLGetInnerHTMLClick();
  /// The window title shows the URL box's text decoded by the tab's decode choice.
  void sbDLDecodeUrlClick();
  /// A key pressed in the URL box: its text is the user's own from now on.
  void ComboBoxWBUrlKeyDown();
  /// The URL box's text changed: unless the user typed it, the tab is reset.
  void ComboBoxWBUrlChange();
  /// The download browser's status text: a link under the pointer is remembered and shown.
  void DLBaseStatusText(std::string_view text);
  /// A click in the download browser's document: with "ジャンプし、Urlを変更する" checked, the
  /// link under the pointer is followed and becomes the URL. Always false: the document never
  /// follows a click by itself.
  bool DLBaseDocOnClick();
  /// The result browser's status text: a link under the pointer is remembered and shown (a
  /// saved file's link as its path).
  void DLResultStatusText(std::string_view text);
  /// A click in the result browser's document: with its "ジャンプし、Urlを変更する" checked,
  /// the link under the pointer is followed there. Always false.
  bool DLLocalDocOnClick();

  // The run.
  /// One run: 0 when it completed, -1 when it ended early.
  int DLDownloadAll(std::string_view url);
  void DownLoadMain(std::string_view url, std::string_view saveFolder);
  /// Saves the page and its resources: 0 when the page was written, -1 when the page could not
  /// be prepared or discovery failed.
  int DownLoadBasePage(std::string_view url, std::string_view saveFolder);
  /// Fetches (or rebuilds) the page, converts and names it: 0, or -1 when it cannot.
  int DLMakeWinPage(std::string_view url, std::string_view saveFolder);
  [[nodiscard]] std::string DLInnerMakeHTML();
  /// The page's text as read from the run's store (fetched once, then read again without a
  /// request), with "\"/*" spaced as every reading of the page has it.
  [[nodiscard]] std::string PageAsFetched(std::string_view url);
  /// The page's text in Shift_JIS, as every saved page is: read in the last charset its head
  /// declares, or in the one the tab's charset choice names; the charset it was read in is kept
  /// for its style sheets and scripts. Fails as ConvertHtmlToSjis does.
  [[nodiscard]] ConvertedText PageInShiftJis(std::string_view source);
  /// The dummy top folder the page goes into; empty when the option is off.
  [[nodiscard]] std::string TopDummyFolder() const;
  /// Writes the rewritten frameset base page to `file`.
  void DLSaveMakeHTML(std::string_view url, std::string_view file, std::string_view html,
                      std::string_view saveFolder);
  int DLPostProcess(std::string_view saveFolder);
  /// Shows the URL in the download browser and reads its text: false when it is no web URL.
  bool WBDLNavigate(std::string_view url, std::string_view saveFolder, int mode);

  // States of the buttons and the clearing of the tab.
  void DLButtonDisable();
  void DLButtonEnable();
  void DLClearEditText(int mode);
  void DLClearPageFile(int mode);
  void DLClearLabel();
  void DLClearListBox(int mode);
  void DLClearTextBox(int mode);
  void DLScreenRestore();
  void DLClearRichEditListBox();
  /// Clears the labels of the page shown.
  void LabelInitialize();
  /// Resets the per-page options: the save folder and page file boxes emptied, the per-page
  /// check boxes cleared.
  void DLSettingsInitialize();
  /// The download tab's part of handing a page over from the net search: the URL becomes the
  /// URL box's text and the home URL, labels and result panes are cleared, the per-page options
  /// reset, and the download browser shows the page (WBDLNavigate, mode 1, no save folder).
  void TakeOverUrl(std::string_view url);

  /// Whether the stop button has been pressed during the current run, or the run reached its
  /// limit of files: the resource loops test this after every file.
  [[nodiscard]] bool StopRequested() const {
    return !tab.btnDownloadStopEnabled || fetcher_.LimitReached();
  }

  /// Keeps a line saying which limit ended a part of the run, for the style sheet pane or the
  /// image pane. The lines are shown when the run ends, after the reports are written, so that
  /// the reports list files only.
  void NoteLimit(LimitPane pane, std::string line);
  /// When the run's request for the URL failed (no connection, a time-out, a body past the
  /// size limit, too many redirects), keeps a line with the URL and the reason for the pane, as
  /// NoteLimit does. A URL refused by the limit of files is left to that limit's line.
  void NoteFetchFailure(LimitPane pane, std::string_view url);

  /// Writes a file of the run. Refused, like any path SaveTextFile refuses, when it does not lie
  /// inside the save folder.
  [[nodiscard]] SaveResult WriteRunFile(std::string_view text, std::string_view path);
  /// WriteRunFile for a file whose failure the run reports but survives (a style sheet, a copy
  /// of the page): a file that could not be written leaves a line with its path and the reason
  /// for the pane, as a failed fetch does. An empty text is not written and not reported, as
  /// nothing was lost. True when the file was written.
  bool SaveRunFile(LimitPane pane, std::string_view text, std::string_view path);
  /// Whether the run wrote the file at the path itself.
  [[nodiscard]] bool WrittenThisRun(std::string_view path) const {
    return writtenThisRun_.contains(path);
  }
  /// WriteRunFile for the page itself: when it cannot be written the user is told at once, and
  /// the run ends as not done (its result -1) once its other files are in.
  bool SavePageFile(std::string_view text, std::string_view path);

  /// Whether the path lies inside the run's save folder, where alone the run writes.
  [[nodiscard]] bool IsRunPath(std::string_view path) const;
  /// The run's save folder, as the tab holds it (trimmed).
  [[nodiscard]] std::string RunFolder() const;
  /// Creates the folder of the path and its missing parents inside the save folder, through no
  /// link (CreateFoldersInside); false when it cannot or the path lies outside. A folder made
  /// once in a run is not made again (a write into it still goes through no link).
  bool CreateRunFolder(std::string_view path);

  [[nodiscard]] DownloadHost& host() { return host_; }
  /// The fetches of the current run.
  [[nodiscard]] RunFetcher& fetcher() { return fetcher_; }

 private:
  int AbandonRun();
  void GoToFrame(const std::string& frame);
  /// Saves a frameset page and lists its frames: 0 when the page was written, -1 otherwise.
  int FramesetBranch(std::string_view url, std::string_view fetched);
  void ShowResult();
  /// The window title of a download: "HRAVEXA 【 URL 】  - [ local file ]".
  [[nodiscard]] std::string DownloadCaption() const;
  [[nodiscard]] std::string Message(std::string_view utf8) const;

  void ShowLimitNotes();

  DownloadHost host_;
  ResourceStages& stages_;
  RunFetcher fetcher_;
  std::vector<std::pair<LimitPane, std::string>> limitNotes_;
  bool pageNotSaved_ = false;
  std::set<std::string, std::less<>> writtenThisRun_;
  std::set<std::string, std::less<>> foldersMadeThisRun_;  // system names
};

}  // namespace pellucor

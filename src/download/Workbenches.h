#pragma once

#include <string>
#include <string_view>

#include "download/DownloadTab.h"
#include "httpclient/HttpClient.h"
#include "ports/Browser.h"
#include "ports/Clipboard.h"
#include "ports/Dialogs.h"
#include "ports/EventPump.h"

// The two single-file workbenches of the download tab's right page control: the text workbench
// reads one style sheet, script or other text from the web or the disk, shows it in Shift_JIS,
// saves it again in a chosen encoding or downloads it into the saved site; the image workbench
// shows and downloads one image. A click on a row of a result pane hands it to them.
namespace pellucor {

/// What the workbenches reach on their host.
struct WorkbenchHost {
  Dialogs& dialogs;
  Clipboard& clipboard;
  EventPump& pump;
  Browser& textBrowser;   // WebBrowserDLIndividual
  Browser& imageBrowser;  // WebBrowserIndividualImage
  HttpClient& http;
};

/// A result pane's row as the workbenches take it: a reference row (reference TAB URL TAB local
/// path) gives its URL and path; a row without TAB is both; a row with one TAB gives the text
/// after it as URL and the whole row as path.
struct WorkbenchRow {
  std::string url;
  std::string path;
};
[[nodiscard]] WorkbenchRow SplitWorkbenchRow(std::string_view row);

/// The style sheet or script text of `url` with its root-relative references ("/..." after a
/// quote or an opening bracket) made relative to the file's own place in the saved site, by the
/// RootRelativePrefix of the URL. A reference starting with "//" (another host, the page's
/// scheme) is left alone: made relative it would point nowhere.
[[nodiscard]] std::string MakeRootReferencesRelative(std::string_view text, std::string_view url);

class Workbenches {
 public:
  Workbenches(WorkbenchHost host, DownloadTab& tab);

  // Clicks on the result panes, with the pane's selected line (empty when none is selected).
  void ListBoxPGTab02LTab02PageWebCSSClick(std::string_view selected);
  /// A fetched style sheet or script: shown converted in the text workbench; a line naming no
  /// existing file tells so and empties the style sheet text view.
  void ListBoxPGTab02LTab02PageFileDownloaedCSSJSClick(std::string_view selected);
  void ListBoxPGTab02LTab03PageImageClick(std::string_view selected);
  void ListBoxPGTab02LTab03PageImageDownloaedImageClick(std::string_view selected);
  /// Hands a reference row to the text workbench and navigates it.
  void ListBoxDlLIndividual(std::string_view row);
  /// Hands a reference row to the image workbench and navigates it.
  void ListBoxDLIndividualImage(std::string_view row);

  // The text workbench.
  /// Shows the URL's file by the display choice (a text read and converted, an image in the
  /// browser), or the local file named in the path box; then proposes the file's place in the
  /// saved site in the path box.
  void sbPGTab02RTab07IndividualUrlClick();
  /// Downloads the URL's file and its as-fetched copy ("ZZOrg_") below the save folder. A
  /// failed transfer, an error status or a write refused (outside the save folder, through a
  /// link) tells the failure and keeps the files as they were.
  void sbPGTab02RTab07IndividualDownloadClick();
  void sbsbPGTab02RTab07IndividualOpenFileGoClick();
  void sbsbPGTab02RTab07IndividualOpenFileClick();
  /// Saves the memo in the chosen encoding with root-relative references made relative. A file
  /// below the save folder is written there through no link; any other place must be chosen in
  /// the save dialog. A failed write is told, never reported as saved.
  void sbsbPGTab02RTab07IndividualSaveFileClick();
  void sbsbPGTab02RTab07IndividualMemoClearClick();
  void sbsbPGTab02RTab07IndividualCOPYClick();
  void sbPGTab02RTab07IndividualUrlPasteClick();

  // The image workbench.
  void sbPGTab02RTab08ImageIndividualGoClick();
  /// Downloads the image below the save folder; a page sent instead, an error status or a
  /// refused write leaves no file, empties the path box and tells the failure.
  void sbPGTab02RTab08ImageIndividualDownloadClick();
  void sbPGTab02RTab08ImageIndividualOpenFileClick();
  void sbPGTab02RTab08ImageIndividualClearClick();
  void sbPGTab02RTab08ImageIndividualPasteClick();

  // The label commands of the top panel.
  /// Tells the root of the URL box's URL.
  void LabelWBDLUrlClick();
  /// A text file chosen in the dialog, converted into the text workbench's memo.
  void LabelDLClearListBoxClick();

  /// "ファイル【 path 】が保存されました".
  void MsgFileSaved(std::string_view path);
  /// The web file and the file it was saved as.
  void MsgWebFileSaved(std::string_view url, std::string_view path);

 private:
  /// The text workbench's URL box trimmed and without "\\", written back.
  std::string TakeTextUrl();
  /// Shows the file converted in the memo, and in the browser when it is a page.
  void ShowTextFile(std::string_view path);
  void ShowMessage(std::string_view utf8);
  [[nodiscard]] std::string SaveFolder() const;

  WorkbenchHost host_;
  DownloadTab& tab_;
};

}  // namespace pellucor

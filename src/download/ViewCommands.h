#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "download/DownloadEngine.h"

// The download tab's tool buttons around its two browsers: back and home, the page's URL copied
// or pasted, the web page and the saved page handed to the system's HTML viewer, and the two
// screen arrangements that show the saved page beside its source or beside the web page.
namespace pellucor {

class ViewCommands {
 public:
  explicit ViewCommands(DownloadEngine& engine);

  /// Collapses or restores the tab's top panel; the dual screen runs it. The host sets it.
  std::function<void()> toggleTopPanel;

  /// The download browser goes back; the tab's screen layout is restored.
  void sbDLBackwardClick();
  /// The root of the URL last handed over from the net search, else of the URL box, navigated.
  void sbDLHomeClick();
  void sbDLWebNavigateHomeClick();
  void sbDLWebNavigateCOPYClick();
  /// The web page shown (LabelWebBrowserUrl) in the system's HTML viewer.
  void sbDLWebNavigateOpenIEClick();
  /// The URL box's URL in the system's HTML viewer.
  void sbDLWebIEClick();
  /// A web URL from the clipboard navigated with the save folder; anything else changes
  /// nothing.
  void sbDLUrlPasteClick();
  void sbDLBackLocalBrowserClick();
  void sbDLNavigateLocalHomeClick();
  /// A local page chosen in the dialog, shown in the result browser.
  void sbDLNavigateLocalOpenFileClick();
  void sbDLNavigateLocalHomeOpenIEClick();
  /// The local page file box's page in the system's HTML viewer ("name.html" for a name
  /// without ".htm", and for a ".htm" name holding "@" and "=", when that file exists).
  void sbWinFileIEClick();
  void sbWinPageFileIEClick();
  /// The frame address, absolute or resolved against the URL box, in the HTML viewer.
  void sbDLFrameIEOpenClick();
  void sbDLFrameCOPYClick();
  void sbDLFramePasteClick();
  /// The download browser's document after its scripts ran, formatted, into the inner HTML
  /// view and the native HTML view; the inner HTML pane's keyword box, hits and label emptied.
  void sbInnerHTMLGetClick();
  /// The clipboard's text into the inner HTML pane's keyword box, then the inner HTML view
  /// saved where the save dialog says; a failed write is told.
  void SbDLInnerHTMLSaveClick();
  void sbDLInnerHTMLCOPYClick();
  /// The local page shown (LabelLocalBrowserUrl) in the system's HTML viewer, when it is a web
  /// address or an existing file.
  void SpeedButton1Click();
  /// The local page file chosen in the dialog ("name.html" for a name without extension)
  /// becomes the tab's local page, shown as the single screen shows it; cancelled, nothing
  /// changes.
  void BtnEditWBLocalFilenameButtonClick();
  /// The saved page on the right, its source on the left. Without a saved page or an existing
  /// file in the local page file box, asks for one; cancelled, nothing changes.
  void sbDLSingleScreenClick();
  /// The web page on the left, the saved page on the right; the top panel collapses and the
  /// URL box's page is navigated again.
  void sbWinFileDualScreenClick();

 private:
  /// The page file as the screen commands take it: a name without ".htm" means "name.html",
  /// which must exist; empty when it does not.
  [[nodiscard]] static std::string PageFileOf(std::string_view file);
  /// Shows an existing page in the result browser with its source in the local HTML view; a
  /// missing one empties the browser and the labels.
  void ShowLocalPage(const std::string& file);
  [[nodiscard]] std::optional<std::string> AskForLocalPage();
  /// The page a screen command shows: the last saved page, else `fromBox`, else one chosen in
  /// the dialog; nullopt when the dialog is cancelled.
  [[nodiscard]] std::optional<std::string> ScreenFile(std::string fromBox);

  DownloadEngine& engine_;
};

}  // namespace pellucor

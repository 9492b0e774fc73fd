#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "analysis/ColorLists.h"
#include "analysis/LocalPageTab.h"
#include "ports/Browser.h"
#include "ports/Clipboard.h"
#include "ports/Dialogs.h"
#include "ports/EventPump.h"
#include "ports/Launcher.h"
#include "ports/TextView.h"
#include "syntax/ViewColoring.h"

// The local page tab: a page the download saved shown in the local browser beside its coloured
// source, with its original HTML, the download's report files and the document after its
// scripts ran, each in its view; the source saved again in another encoding.
namespace pellucor {

/// The tab's views, by the controls they are.
struct LocalPageViews {
  TextView& htmlSource;      // RichEditExPGMainTab03LocalRightTab01HTMLSrc
  TextView& mergedFile;      // RichEditExPGMainTab03LocalLeftTab02TotalCSSJS
  TextView& fileListLeft;    // RichEditPGMainTab03LocalLeftTab03FileList
  TextView& fileListRight;   // RichEditPGMainTab03LocalRightTab03FileList
  TextView& imageList;       // RichEditExPGMainTab03LocalLeftTab04ImageList
  TextView& outerHtmlLeft;   // RichEditExPGMainTab03LocalLeftTab05OuterHTML
  TextView& outerHtmlRight;  // RichEditExPGMainTab03LocalRightTab02OuterHTML
  TextView& originalHtml;    // RichEditExPGMainTab03LocalLeftTab06OrgHTML
  TextView& singleCss;       // RichEditExPGMainTab03LocalLeftTab07CSS
  TextView& singleJs;        // RichEditExPGMainTab03LocalLeftTab08JS
  TextView& reference;       // RichEditExPGMainTab03LocalRightTab04Ref
};

/// The fields the download fills for this tab (the download tab's values).
struct LocalPageFields {
  std::string& BtnEditConfirmLocalHTMLFile;
  std::string& BtnEditLocalFileOrgHTML;
  bool& CheckBoxLocalDontLoad;
  std::string& BtnEditLocalFileCSSJSList;
  std::string& BtnEditLocalFileTotalCSSJS;
  std::string& BtnEditLocalFileImageList;
};

/// What the tab reaches on its host.
struct LocalPageHost {
  Dialogs& dialogs;
  Clipboard& clipboard;
  EventPump& pump;
  Launcher& launcher;
  Browser& browser;  // WebBrowserConfirmLocalFile
  LocalPageViews views;
  LocalPageFields fields;
  ColorLists& colorLists;
  Pause pause;
};

class LocalPageCheck {
 public:
  LocalPageCheck(LocalPageHost host, LocalPageTab& tab);

  // The top panel.
  /// Opens the page of the path field by the path rule: an empty field asks for a file, a
  /// name without ".htm" means "name.html" when that exists (otherwise nothing happens).
  void sbConfirmLocaHTMLGoClick();
  /// A page chosen in the open dialog, opened.
  void sbLoadLocaHTMLFileClick();
  /// Opens the page: the tab is cleared, the browser shows it, the source view holds it read
  /// in the load charset and coloured, the original HTML field names its "ZZOrg_" copy. A page
  /// that cannot be read leaves the source view empty and says why in the status label.
  void ConfirmLocaHTMLGo(std::string_view path);
  /// Shows the page again, read without conversion, leaving the other views as they are.
  void sbConfirmLocaHTMLFileHomeClick();
  void sbConfirmLocaHTMLFileBackClick();
  void sbConfirmLocaHTMLFileClearClick();
  /// The clipboard's text into the path field when it is a web address.
  void sbConfirmLocaHTMLFilePasteClick();
  void sbConfirmLocaHTMLOpenIEClick();
  /// The source view saved where the save dialog says, in the save charset (its charset
  /// declarations renamed, reformatted on request). A failed write is told.
  void sbSaveLocaHTMLFileClick();
  /// The original HTML read in its charset into its view; the open button always asks.
  void sbConfirmLocaHTMLOrgHTMLGoClick();
  void sbConfirmLocaHTMLOrgHTMLOpenClick();

  // The report file panes: the open buttons ask, the go buttons use the field.
  void sbConfirmLocaCSSJSListOpenFileClick();
  void sbConfirmLocaCSSJSListOpenFileGoClick();
  /// The merged file, after the question whether to read it; its colour list follows.
  void sbLocalCSSJSTotalFileClick();
  void sbLocalCSSJSGoClick();
  void sbConfirmLocalFileImageListOpenFileClick();
  void sbConfirmLocalFileImageListOpenFileGoClick();
  /// The local browser's document after its scripts ran, formatted and coloured, left or right.
  void sbPGMainTab03LocalLeftTab05OuterHTMLClick();
  void sclPGMainTab03LocalRightTab05OuterHTMLClick();
  void sclPGMainTab03LocalLeftTab05OuterHTMLSaveClick();

  /// Empties the tab's views, lists, single-file fields, keyword boxes and line labels.
  void ClearLocalALL();

  // The local browser.
  /// The status text shown; a link under the pointer is remembered for a click.
  void LocalStatusText(std::string_view text);
  /// With "画面をｸﾘｯｸすると、ﾘﾝｸへｼﾞｬﾝﾌﾟし、Urlを変更する" checked, the remembered link is
  /// followed. Always false: the document never follows a click by itself.
  bool LocalDocOnClick();

  /// Entering the tab: unless told not to, the page of the last download is shown again.
  void EnterTab(std::string_view lastDownloadedPage);

 private:
  /// The path rule for a path field: nullopt when nothing is to happen.
  std::optional<std::string> ByPathRule(std::string& field);
  /// The file's text for a view, or nullopt after saying in the status label (and for a file
  /// that is no text, in a message) why not.
  std::optional<std::string> Load(std::string_view path);
  void ShowOriginalHtml(std::string_view path);
  void LoadFileLists(std::string_view path);
  void LoadMergedFile(std::string_view path);
  void LoadImageList(std::string_view path);
  void ShowOuterHtml(TextView& view);
  std::optional<std::string> AskForFile(std::string_view filter, std::string_view current);
  /// The trimmed path in the field, or a text file chosen when it is blank; nullopt when the
  /// choice is cancelled.
  std::optional<std::string> FieldOrChosenTextFile(std::string_view field);

  LocalPageHost host_;
  LocalPageTab& tab_;
};

}  // namespace pellucor

#pragma once

#include <string>
#include <string_view>

#include "explorer/ExplorerTree.h"
#include "ports/Browser.h"
#include "ports/Dialogs.h"
#include "ports/Launcher.h"
#include "ports/TextView.h"
#include "syntax/ViewColoring.h"

// The explorer tab's commands: a chosen file shown by its kind (text in the view, pages and
// images in the browsers, a Flash movie in a generated page), the view saved in another
// encoding, and the chosen file opened with other programs.
namespace pellucor {

/// The explorer's controls as values, under the controls' own names (Shift_JIS texts).
struct ExplorerTab {
  std::string LabelTreeExpFilename;  // the chosen path; the file commands read it
  std::string LabelTreeExpFileType;  // "Text", "Image", "html", "mht" or "swf"
  std::string TreeExpComboBoxFSDir;  // the folder for the tab's file search
  bool CheckBoxTreeExplorerDisplayLeft = false;
  int RadioGroupTreeExplorer = 0;      // the read encoding, codes 0 to 5
  int RadioGroupTreeExplorerSave = 0;  // the save encoding
  bool CheckBoxTreeExplorerDontChangeCharsetWithSave = false;
  std::string BtnEditTreeExplorerSave;
  /// The file last chosen; emptied when a place or folder is chosen and when a node collapses.
  std::string SelectedTreeFile;
  /// A message for the tab's status: a name the program cannot handle, a failed save.
  std::string StatusText;
};

struct ExplorerHost {
  Dialogs& dialogs;
  Launcher& launcher;
  Browser& rightBrowser;  // WebBrowserTreeExplorerRight
  Browser& leftBrowser;   // WebBrowserTreeExplorerLeft
  TextView& view;         // RichEditExPGMainRTabb05TreeExplorer
  /// The local page tab's page field, which a chosen page fills.
  std::string& BtnEditConfirmLocalHTMLFile;
  Pause pause = SleepFor;
};

class TreeExplorer {
 public:
  TreeExplorer(ExplorerHost host, ExplorerTab& tab);

  /// A node chosen: a place or folder becomes the search folder; a file is shown by the first
  /// rule its lower-cased extension passes (".json" passes ".js", ".html" passes ".htm"). A
  /// file whose name has no Shift_JIS form is not shown; the status text says so.
  void ChooseNode(const TreeNode& node);
  /// A node collapsed: nothing is chosen any more, browsers and view are emptied.
  void CollapseNode();

  // The chosen file (LabelTreeExpFilename), when it exists, opened with another program.
  void OpenWithAssociatedProgram();
  void OpenInHtmlViewer();
  void OpenInTextEditor();

  /// The view saved where the save dialog says, in the save encoding (its charset
  /// declarations renamed unless told not to); a failed write is told in the status text.
  void sbTreeExplorerSaveClick();

 private:
  void ShowInBrowsers(std::string_view path);
  enum class Colours { Plain, Syntax };
  void ShowText(std::string_view sjisPath, Colours colours);

  ExplorerHost host_;
  ExplorerTab& tab_;
};

}  // namespace pellucor

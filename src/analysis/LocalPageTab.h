#pragma once

#include <string>
#include <vector>

// The local page tab's controls that its own commands read and write, as values under the
// controls' own names (Shift_JIS texts). The page and report file fields, which the download
// fills, stay with the download tab's values; the colour lists and the boxes they fill stay
// with ColorListTab.
namespace pellucor {

struct LocalPageTab {
  // Charsets: of the page read, of the original HTML read, and of a save (codes 0 to 5).
  int RadioGroupLocalFileLoadCharset = 0;
  int RadioGroupLocalFileOriginalCharset = 0;
  int RadioGroupLocalFileSaveCharset = 0;
  bool CheckBoxLocalFileDontPageChange = false;
  bool CheckBoxLocalDontChnageCharset = false;
  bool CheckBoxLOcalCreanupHTML = false;
  bool CheckBoxLocalChageUrl = false;
  // "ｶﾗｰﾘｽﾄを作成しない" of the merged file and of the single style sheet.
  bool CheckBoxDontCheckBoxLocalTotalCSSColor = false;
  bool CheckBoxDontCheckBoxLocalIndivCSSColor = false;

  // The single-file panes' paths.
  std::string BtnEditLocalFileIndivCSS;
  std::string BtnEditLocalFileIndivJS;
  std::string BtnEditLocalFileRef;

  // Keyword boxes and result lists of the panes whose boxes the colour lists do not fill.
  std::string ComboBoxDLLocalAfterJavaExecute;
  std::string ComboBoxDLOrgHTMLSearch;
  std::string ComboBoxLocalIndivJSSearch;
  std::string ComboBoxLocalRefSearch;
  std::string ComboBoxLocalBrowserSearch;
  std::vector<std::string> ListBoxPGMainTab03LocalLeftTab02THTMLSearchList;
  std::vector<std::string> ListBoxLocalInnerHTMLSearchList;
  std::vector<std::string> ListBoxOrgHTMLSearchList;
  std::vector<std::string> ListBoxPGMainTab03LocalLeftTab02IndivJS;
  std::vector<std::string> ListBoxPGMainTab03LocalRightTab04Ref;
  std::vector<std::string> ListBoxPGMainTab03LocalLeftTab03;
  std::vector<std::string> ListBoxPGMainTab03LocalLeftTab04ImageList;

  // Labels: the browser's status text (and what went wrong reading a file), and the hit shown
  // by each pane.
  std::string LabelLocalBrowserStatusBar;
  std::string LabelLocalHTMLLineColumnNo;
  std::string LabelCSSJSLineColumnNo;
  std::string LabelLocalInnerHTMLLineColumnNo;
  std::string LabelOrgFileSearchKeyWord;
  std::string LabelIndivCSSLineColumnNo;
  std::string LabelIndivJSLineColumnNo;
  std::string LabelLocalRefLineColumnNo;

  /// The pages the left and right page controls show.
  std::string LeftTabShown = "PGMainTab03LocalLeftTab01Browser";
  std::string RightTabShown = "PGMainTab03LocalRightTab01HTMLSrc";
  /// The link address the local browser last showed in its status text.
  std::string LastHoveredLink;
};

}  // namespace pellucor

#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "ports/Clipboard.h"
#include "ports/EventPump.h"
#include "ports/TextView.h"
#include "syntax/ViewColoring.h"

// The source views that have a keyword search, with the controls of each: the desktop binds a
// pane's buttons to the commands below by these names.
namespace pellucor {

/// How a pane's re-colour button restores the syntax colours.
enum class RecolorKind {
  KeepCaret,   // ColorizeHtmlViewEx: the caret and the scroll position stay
  CaretToTop,  // ColorizeHtmlView: the caret goes to the start
  None,        // the button does nothing
};

struct KeywordSearchPane {
  std::string_view keywordBox;
  std::string_view searchButton;
  std::string_view pasteButton;
  std::string_view recolorButton;
  std::string_view view;
  std::string_view resultList;
  std::string_view lineColumnLabel;
  RecolorKind recolor;
};

inline constexpr std::array<KeywordSearchPane, 11> kKeywordSearchPanes = {{
    {"ComboBoxDLHTMLSearch", "sbLocaFileSearchKeyWodGo", "sbLocaFileSearchKeyWodPaste",
     "sbLocaFileReColor", "RichEditExPGMainTab03LocalRightTab01HTMLSrc",
     "ListBoxPGMainTab03LocalLeftTab02THTMLSearchList", "LabelLocalHTMLLineColumnNo",
     RecolorKind::KeepCaret},
    {"ComboBoxDLTotalFCSSJSSearch", "sbocalCSSJSSearch", "sbocalCSSJSSearchPaste",
     "sbocalCSSJSSearchRecolor", "RichEditExPGMainTab03LocalLeftTab02TotalCSSJS",
     "ListBoxPGMainTab03LocalLeftTab02TotalCSSSearchList", "LabelCSSJSLineColumnNo",
     RecolorKind::KeepCaret},
    {"ComboBoxDLLocalAfterJavaExecute", "sbLocalSearchJavaExe", "sbLocalSearchJavaExePaste",
     "sbLocaInnerHTMLReColor", "RichEditExPGMainTab03LocalLeftTab05OuterHTML",
     "ListBoxLocalInnerHTMLSearchList", "LabelLocalInnerHTMLLineColumnNo", RecolorKind::CaretToTop},
    {"ComboBoxDLOrgHTMLSearch", "sbOrgFileSearchKeyWodGo", "sbOrgFileSearchKeyWordPaste",
     "sbOrgFileSearchKeyWordRecolor", "RichEditExPGMainTab03LocalLeftTab06OrgHTML",
     "ListBoxOrgHTMLSearchList", "LabelOrgFileSearchKeyWord", RecolorKind::KeepCaret},
    {"ComboBoxLocalIndivCSSSearch", "sbLocalCSSIndivSearch", "sbLocalCSSIndivSearchPaste",
     "sbLocalCSSIndivSearchRecolor", "RichEditExPGMainTab03LocalLeftTab07CSS",
     "ListBoxPGMainTab03LocalLeftTab02IndivCSSSearchList", "LabelIndivCSSLineColumnNo",
     RecolorKind::None},
    {"ComboBoxLocalIndivJSSearch", "sbLocalJSIndivSearch", "sbLocalJSIndivSearchPaste",
     "sbLocalJSIndivSearchRecolor", "RichEditExPGMainTab03LocalLeftTab08JS",
     "ListBoxPGMainTab03LocalLeftTab02IndivJS", "LabelIndivJSLineColumnNo", RecolorKind::None},
    {"ComboBoxLocalRefSearch", "sbLocalRefSearch", "sbLocalRefSearchPaste",
     "sbLocalRefSearchRecolor", "RichEditExPGMainTab03LocalRightTab04Ref",
     "ListBoxPGMainTab03LocalRightTab04Ref", "LabelLocalRefLineColumnNo", RecolorKind::KeepCaret},
    {"ComboBoxWebKW", "sbDLWebKWSearchGo", "sbDLWebWWSearchPaste", "sbDLWebWWSearchRecolor",
     "RichEditExPGTab02RTab02HTMLSrc", "ListBoxDownloadHTMLSrc", "LabelWebKW",
     RecolorKind::KeepCaret},
    {"ComboBoxWebLocalKW", "sbDLLocalKWSearchGo", "sbDLLocalKWSearchPaste",
     "sbDLLocalKWSearchRecolor", "RichEditExPGTab02LTab09LocalFileHTML",
     "ListBoxListDLLocalHTMLSrc", "LabelDLLocalKW", RecolorKind::KeepCaret},
    {"ComboBoxDLInnerKW", "sbDLInnerKWSearchGo", "sbDLInnerKWSearchPaste",
     "sbDLInnerKWsearchRecolor", "RichEditExPGTab02LTab11InnerHTML", "ListBoxListDLWebInnerHTMLSrc",
     "LabelDLWebinnerKW", RecolorKind::KeepCaret},
    {"ComboBoxWebOrgKW", "sbDLWebOrgKWSearchGo", "sbDLWebOrgKwSearchPaste",
     "sbDLWebOrgKwSearchRecolor", "RichEditExPGTab02LTab12OrgHTML", "ListBoxDownloadOrgHTMLSrc",
     "LabelWebOrgKW", RecolorKind::KeepCaret},
}};

/// The pane's paste button: the clipboard's text goes into the keyword box, then the search
/// runs as KeywordSearch.
void KeywordSearchPaste(TextView& view, std::string& keywordBox, const Clipboard& clipboard,
                        std::vector<std::string>& SearchKeywords,
                        std::vector<std::string>& resultList, EventPump& pump);

/// The pane's re-colour button: the syntax colours come back and the keyword marks go.
void KeywordSearchRecolor(TextView& view, RecolorKind kind, const Pause& pause = SleepFor);

}  // namespace pellucor

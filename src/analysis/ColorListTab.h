#pragma once

#include <string>
#include <vector>

// The controls of the local page tab that the colour lists read and write, as values under the
// controls' own names (Shift_JIS texts).
namespace pellucor {

struct ColorListTab {
  // The three colour lists and their option "重複を除去し、昇順にリストする".
  std::vector<std::string> ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorList;
  std::vector<std::string> ListBoxListBoxPGMainTab03LocalRightTab02HTMLColorList;
  std::vector<std::string> ListBoxListBoxPGMainTab03LocalLeftTab02IndivCSSSColorList;
  bool CheckBoxLocalTotalCSSColorDupIgnore = false;
  bool CheckBoxLocalHTMLColorDupIgnore = false;
  bool CheckBoxLocalIndivlCSSColorDupIgnore = false;

  // The boxes a clicked item fills: the colour value and the keyword box of the pane.
  std::string EditLocalTotalCSS;
  std::string ComboBoxDLTotalFCSSJSSearch;
  std::string EditLocalIndivCSSSearch;
  std::string ComboBoxLocalIndivCSSSearch;
  std::string EditLocalGUIHTMLColor;
  std::string ComboBoxDLHTMLSearch;

  // The keyword search lists of the merged file and the single style sheet panes.
  std::vector<std::string> ListBoxPGMainTab03LocalLeftTab02TotalCSSSearchList;
  std::vector<std::string> ListBoxPGMainTab03LocalLeftTab02IndivCSSSearchList;
};

}  // namespace pellucor

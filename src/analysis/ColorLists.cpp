#include "analysis/ColorLists.h"

#include <optional>

#include "analysis/CssColors.h"
#include "analysis/KeywordSearch.h"
#include "text/ShiftJis.h"
#include "text/TextTrim.h"

namespace pellucor {
namespace {

ColorListOrder OrderOf(bool sorted) {
  return sorted ? ColorListOrder::SortedUnique : ColorListOrder::AsFound;
}

// A clicked item's colour value and selector; nullopt for an item without a blank (a sorted
// value of 12 characters or more), which fills no box.
struct ClickedColor {
  std::string value;
  std::string selector;  // its "," made blanks, so each selector is a keyword of its own
};

std::optional<ClickedColor> ColorOfItem(std::string_view item) {
  const std::size_t blank = item.find(' ');
  if (blank == std::string_view::npos) return std::nullopt;
  return ClickedColor{
      std::string(item.substr(0, blank)),
      ReplaceAll(TrimControlChars(item.substr(blank + 1)), ",", " ", CaseMode::Exact)};
}

}  // namespace

void ColorLists::BuildStyleSheetList(const TextView& view, std::vector<std::string>& list,
                                     bool sorted) {
  list.clear();
  host_.pump.SetBusyCursor(BusyCursor::On);
  if (std::optional<std::vector<std::string>> items =
          ExtractCssColors(PrepareStyleSheetForColors(view.Text()), OrderOf(sorted)))
    list = std::move(*items);
  host_.pump.SetBusyCursor(BusyCursor::Off);
}

void ColorLists::sbocalCSSJSSearchColoListClick() {
  BuildStyleSheetList(host_.totalView,
                      tab.ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorList,
                      tab.CheckBoxLocalTotalCSSColorDupIgnore);
}

void ColorLists::sbLocalCSSIndivSearchColorListClick() {
  BuildStyleSheetList(host_.indivCssView,
                      tab.ListBoxListBoxPGMainTab03LocalLeftTab02IndivCSSSColorList,
                      tab.CheckBoxLocalIndivlCSSColorDupIgnore);
}

void ColorLists::sbLocalHTMLColoListClick() {
  std::vector<std::string>& list = tab.ListBoxListBoxPGMainTab03LocalRightTab02HTMLColorList;
  const std::optional<std::string> page = PreparePageSourceForColors(host_.htmlView.Text());
  if (!page) {
    list.clear();
    return;
  }
  host_.pump.SetBusyCursor(BusyCursor::On);
  if (std::optional<std::vector<std::string>> items =
          ExtractCssColors(*page, OrderOf(tab.CheckBoxLocalHTMLColorDupIgnore)))
    list = std::move(*items);
  host_.pump.SetBusyCursor(BusyCursor::Off);
}

void ColorLists::sbsbocalCSSJSSearchColoListClearClick() {
  tab.ListBoxPGMainTab03LocalLeftTab02TotalCSSSearchList.clear();
  tab.ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorList.clear();
}

void ColorLists::sbLocalHTMLColoListClearClick() {
  tab.ListBoxListBoxPGMainTab03LocalRightTab02HTMLColorList.clear();
}

void ColorLists::sbLocalCSSIndivSearchColorListClearClick() {
  tab.ListBoxPGMainTab03LocalLeftTab02IndivCSSSearchList.clear();
  tab.ListBoxListBoxPGMainTab03LocalLeftTab02IndivCSSSColorList.clear();
  tab.EditLocalIndivCSSSearch.clear();
  tab.ComboBoxLocalIndivCSSSearch.clear();
}

void ColorLists::ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorListClick(std::size_t index) {
  const std::vector<std::string>& list =
      tab.ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorList;
  if (index >= list.size()) return;
  if (const std::optional<ClickedColor> color = ColorOfItem(list[index])) {
    tab.EditLocalTotalCSS = color->value;
    tab.ComboBoxDLTotalFCSSJSSearch = color->selector.empty() ? color->value : color->selector;
  }
  KeywordSearch(host_.totalView, tab.ComboBoxDLTotalFCSSJSSearch, host_.SearchKeywords,
                tab.ListBoxPGMainTab03LocalLeftTab02TotalCSSSearchList, host_.pump);
}

void ColorLists::ListBoxListBoxPGMainTab03LocalLeftTab02IndivCSSSColorListClick(std::size_t index) {
  const std::vector<std::string>& list =
      tab.ListBoxListBoxPGMainTab03LocalLeftTab02IndivCSSSColorList;
  if (index >= list.size()) return;
  if (const std::optional<ClickedColor> color = ColorOfItem(list[index])) {
    tab.EditLocalIndivCSSSearch = color->value;
    tab.ComboBoxLocalIndivCSSSearch = color->selector.empty() ? color->value : color->selector;
  }
  KeywordSearch(host_.indivCssView, tab.ComboBoxLocalIndivCSSSearch, host_.SearchKeywords,
                tab.ListBoxPGMainTab03LocalLeftTab02IndivCSSSearchList, host_.pump);
}

void ColorLists::ListBoxListBoxPGMainTab03LocalRightTab02HTMLColorListClick(std::size_t index) {
  const std::vector<std::string>& list = tab.ListBoxListBoxPGMainTab03LocalRightTab02HTMLColorList;
  if (index >= list.size()) return;
  if (const std::optional<ClickedColor> color = ColorOfItem(list[index])) {
    tab.EditLocalGUIHTMLColor = color->value;
    tab.ComboBoxDLHTMLSearch = color->value;
  }
}

}  // namespace pellucor

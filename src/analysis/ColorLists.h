#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "analysis/ColorListTab.h"
#include "ports/EventPump.h"
#include "ports/TextView.h"

namespace pellucor {

/// What the colour lists reach on their host.
struct ColorListHost {
  TextView& totalView;     // RichEditExPGMainTab03LocalLeftTab02TotalCSSJS: the merged file
  TextView& htmlView;      // RichEditExPGMainTab03LocalRightTab01HTMLSrc: the page source
  TextView& indivCssView;  // RichEditExPGMainTab03LocalLeftTab07CSS: a single style sheet
  EventPump& pump;
  std::vector<std::string>& SearchKeywords;
};

/// The three colour lists of the local page tab: built from their views, cleared, and clicked
/// (a click puts the colour into the pane's boxes and, for the style sheet panes, searches the
/// view for it).
class ColorLists {
 public:
  explicit ColorLists(ColorListHost host) : host_(host) {}

  ColorListTab tab;

  // Build buttons.
  void sbocalCSSJSSearchColoListClick();
  void sbLocalHTMLColoListClick();
  void sbLocalCSSIndivSearchColorListClick();

  // Clear buttons.
  void sbsbocalCSSJSSearchColoListClearClick();
  void sbLocalHTMLColoListClearClick();
  void sbLocalCSSIndivSearchColorListClearClick();

  /// A click on the item at `index` (nothing for an index past the list).
  void ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorListClick(std::size_t index);
  void ListBoxListBoxPGMainTab03LocalRightTab02HTMLColorListClick(std::size_t index);
  void ListBoxListBoxPGMainTab03LocalLeftTab02IndivCSSSColorListClick(std::size_t index);

 private:
  void BuildStyleSheetList(const TextView& view, std::vector<std::string>& list, bool sorted);

  ColorListHost host_;
};

}  // namespace pellucor

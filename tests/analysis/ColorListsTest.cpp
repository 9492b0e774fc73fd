#include "analysis/ColorLists.h"

#include <gtest/gtest.h>

#include "analysis/MarkingTextView.h"
#include "support/FakeEventPump.h"

namespace pellucor {
namespace {

using testing::FakeEventPump;
using testing::MarkingTextView;

std::string Item(std::string value, const std::string& selector) {
  value.resize(std::max<std::size_t>(value.size(), 12), ' ');
  return value + " " + selector;
}

class ColorListsTest : public ::testing::Test {
 protected:
  MarkingTextView totalView;
  MarkingTextView htmlView;
  MarkingTextView cssView;
  FakeEventPump pump;
  std::vector<std::string> keywords;
  ColorLists lists{ColorListHost{totalView, htmlView, cssView, pump, keywords}};
  ColorListTab& tab = lists.tab;
};

TEST_F(ColorListsTest, BuildingTheStyleSheetLists) {
  const std::string css = "/* #000000 */\r\nh1, h2 {color:#ff0000;}\r\np{color:#FF0000;}";
  totalView.text = css;
  cssView.text = css;
  tab.ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorList = {"old"};
  lists.sbocalCSSJSSearchColoListClick();
  EXPECT_EQ(tab.ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorList,
            (std::vector<std::string>{Item("#ff0000", "h1, h2"), Item("#FF0000", "p")}));
  EXPECT_EQ(pump.cursors, (std::vector<BusyCursor>{BusyCursor::On, BusyCursor::Off}));

  tab.CheckBoxLocalIndivlCSSColorDupIgnore = true;
  lists.sbLocalCSSIndivSearchColorListClick();
  EXPECT_EQ(tab.ListBoxListBoxPGMainTab03LocalLeftTab02IndivCSSSColorList,
            std::vector<std::string>{Item("#ff0000", "").substr(0, 12)});

  // A style sheet without colour values leaves an emptied list.
  cssView.text = "p{margin:0}";
  lists.sbLocalCSSIndivSearchColorListClick();
  EXPECT_TRUE(tab.ListBoxListBoxPGMainTab03LocalLeftTab02IndivCSSSColorList.empty());
}

TEST_F(ColorListsTest, BuildingThePageSourceList) {
  std::vector<std::string>& list = tab.ListBoxListBoxPGMainTab03LocalRightTab02HTMLColorList;
  htmlView.text = "<style type=\"text/css\">\r\nbody{color:#102030;}\r\n</style><p>x</p>";
  lists.sbLocalHTMLColoListClick();
  EXPECT_EQ(list, std::vector<std::string>{Item("#102030", "body")});

  // A page with colours but no colour values keeps the list as it was ...
  htmlView.text = "<p style=\"color:red\">x</p>";
  lists.sbLocalHTMLColoListClick();
  EXPECT_EQ(list.size(), 1u);
  // ... a page without "color:" empties it.
  htmlView.text = "<p>x</p>";
  lists.sbLocalHTMLColoListClick();
  EXPECT_TRUE(list.empty());
}

TEST_F(ColorListsTest, ClickingAnItemFillsTheBoxesAndSearches) {
  totalView.text = "h1 h2 {color:#ff0000;}";
  tab.ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorList = {Item("#ff0000", "h1,h2"),
                                                                   Item("#00ff00", "")};
  lists.ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorListClick(0);
  EXPECT_EQ(tab.EditLocalTotalCSS, "#ff0000");
  // The selector's commas become blanks: each selector is searched as a keyword.
  EXPECT_EQ(tab.ComboBoxDLTotalFCSSJSSearch, "h1 h2");
  EXPECT_EQ(keywords, (std::vector<std::string>{"h1", "h2"}));
  EXPECT_EQ(tab.ListBoxPGMainTab03LocalLeftTab02TotalCSSSearchList,
            (std::vector<std::string>{"   1/01", "   1/04"}));

  // Without a selector the value is searched.
  lists.ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorListClick(1);
  EXPECT_EQ(tab.ComboBoxDLTotalFCSSJSSearch, "#00ff00");
  EXPECT_TRUE(tab.ListBoxPGMainTab03LocalLeftTab02TotalCSSSearchList.empty());

  // An index past the list does nothing.
  lists.ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorListClick(2);
  EXPECT_EQ(tab.EditLocalTotalCSS, "#00ff00");
}

TEST_F(ColorListsTest, ClickingInTheOtherLists) {
  cssView.text = "a{color:#bcdef0;}";
  tab.ListBoxListBoxPGMainTab03LocalLeftTab02IndivCSSSColorList = {Item("#bcdef0", "a")};
  lists.ListBoxListBoxPGMainTab03LocalLeftTab02IndivCSSSColorListClick(0);
  EXPECT_EQ(tab.EditLocalIndivCSSSearch, "#bcdef0");
  EXPECT_EQ(tab.ComboBoxLocalIndivCSSSearch, "a");
  EXPECT_EQ(tab.ListBoxPGMainTab03LocalLeftTab02IndivCSSSearchList,
            std::vector<std::string>{"   1/01"});

  // The page source list fills both boxes with the value and searches nothing.
  htmlView.text = "<p style=\"color:#123456\">";
  tab.ListBoxListBoxPGMainTab03LocalRightTab02HTMLColorList = {Item("#123456", "p")};
  lists.ListBoxListBoxPGMainTab03LocalRightTab02HTMLColorListClick(0);
  EXPECT_EQ(tab.EditLocalGUIHTMLColor, "#123456");
  EXPECT_EQ(tab.ComboBoxDLHTMLSearch, "#123456");
  EXPECT_TRUE(htmlView.colored.empty());
}

TEST_F(ColorListsTest, ClearButtons) {
  const auto fill = [this] {
    tab.ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorList = {"x"};
    tab.ListBoxListBoxPGMainTab03LocalRightTab02HTMLColorList = {"x"};
    tab.ListBoxListBoxPGMainTab03LocalLeftTab02IndivCSSSColorList = {"x"};
    tab.ListBoxPGMainTab03LocalLeftTab02TotalCSSSearchList = {"x"};
    tab.ListBoxPGMainTab03LocalLeftTab02IndivCSSSearchList = {"x"};
    tab.EditLocalIndivCSSSearch = "x";
    tab.ComboBoxLocalIndivCSSSearch = "x";
  };
  fill();
  lists.sbsbocalCSSJSSearchColoListClearClick();
  EXPECT_TRUE(tab.ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorList.empty());
  EXPECT_TRUE(tab.ListBoxPGMainTab03LocalLeftTab02TotalCSSSearchList.empty());
  EXPECT_EQ(tab.ListBoxListBoxPGMainTab03LocalRightTab02HTMLColorList.size(), 1u);

  fill();
  lists.sbLocalHTMLColoListClearClick();
  EXPECT_TRUE(tab.ListBoxListBoxPGMainTab03LocalRightTab02HTMLColorList.empty());
  EXPECT_EQ(tab.ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorList.size(), 1u);

  fill();
  lists.sbLocalCSSIndivSearchColorListClearClick();
  EXPECT_TRUE(tab.ListBoxListBoxPGMainTab03LocalLeftTab02IndivCSSSColorList.empty());
  EXPECT_TRUE(tab.ListBoxPGMainTab03LocalLeftTab02IndivCSSSearchList.empty());
  EXPECT_EQ(tab.EditLocalIndivCSSSearch, "");
  EXPECT_EQ(tab.ComboBoxLocalIndivCSSSearch, "");
  EXPECT_EQ(tab.ListBoxPGMainTab03LocalLeftTab02TotalCSSSearchList.size(), 1u);
}

}  // namespace
}  // namespace pellucor

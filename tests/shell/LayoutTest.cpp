#include "shell/Layout.h"

#include <gtest/gtest.h>

namespace pellucor {
namespace {

TEST(Layout, TheCollapseTogglesGoBackAndForthAndClearTheInitialLayout) {
  MainWindowState window;
  window.MenuSettingsReInitialize = true;
  window.PanelDLPGMainTabTop = 500;
  ToggleDownloadTop(window);
  EXPECT_FALSE(window.MenuSettingsReInitialize);
  EXPECT_EQ(window.PanelDLPGMainTabTop, 42);
  // Twice gives 240, whatever the height was before.
  ToggleDownloadTop(window);
  EXPECT_EQ(window.PanelDLPGMainTabTop, 240);

  ToggleNetSearchTop(window);
  EXPECT_EQ(window.PanelPGSearchTabTop, 62);
  EXPECT_EQ(window.PanelPGSearchTabLeftTop, 10);
  EXPECT_EQ(window.PanelPGSearchTabRightTop, 10);
  ToggleNetSearchTop(window);
  EXPECT_EQ(window.PanelPGSearchTabTop, 140);
  EXPECT_EQ(window.PanelPGSearchTabLeftTop, 80);

  ToggleLocalPageTop(window);
  EXPECT_EQ(window.PanelPGMainTab03Top, 62);
  ToggleLocalPageTop(window);
  EXPECT_EQ(window.PanelPGMainTab03Top, 140);
}

}  // namespace
}  // namespace pellucor

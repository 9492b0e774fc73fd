#include "shell/Layout.h"

namespace pellucor {

void ToggleNetSearchTop(MainWindowState& window) {
  window.MenuSettingsReInitialize = false;
  const bool collapse = !window.NetSearchTopCollapsed;
  window.PanelPGSearchTabTop = collapse ? 62 : 140;
  window.PanelPGSearchTabLeftTop = collapse ? 10 : 80;
  window.PanelPGSearchTabRightTop = collapse ? 10 : 80;
  window.NetSearchTopCollapsed = collapse;
}

void ToggleDownloadTop(MainWindowState& window) {
  window.MenuSettingsReInitialize = false;
  window.PanelDLPGMainTabTop = window.DownloadTopCollapsed ? 240 : 42;
  window.DownloadTopCollapsed = !window.DownloadTopCollapsed;
}

void ToggleLocalPageTop(MainWindowState& window) {
  window.MenuSettingsReInitialize = false;
  window.PanelPGMainTab03Top = window.LocalPageTopCollapsed ? 140 : 62;
  window.LocalPageTopCollapsed = !window.LocalPageTopCollapsed;
}

}  // namespace pellucor

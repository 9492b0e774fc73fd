#pragma once

#include <string>
#include <vector>

// The main window's own values, apart from the tabs' state structs: the settings file's place,
// the stored paths, the panel heights the toggles and menu commands set, the menu check marks,
// and the registered pairs of a URL and a save folder. Texts are Shift_JIS.
namespace pellucor {

/// The window's caption at creation, and the version title set at the end of start-up.
inline constexpr char kCreationCaption[] = "Pellucor(HARVEXA)";
inline constexpr char kVersionCaption[] = "Pellucor(HARVEXA) - [ Ver. 12.04.16 ]";
/// The application's own title (the task bar's).
inline constexpr char kApplicationTitle[] = "ZOLK-HARVEXA";

struct MainWindowState {
  std::string SettingsPath;
  std::string DefaultFolder;  // the program's folder at start
  std::string ProjectFile;
  bool StartupComplete = false;

  // The three collapse flags, false at start.
  bool NetSearchTopCollapsed = false;
  bool DownloadTopCollapsed = false;
  bool LocalPageTopCollapsed = false;

  // Check marks of the menu items.
  bool MenuViewMaximized = false;
  bool MenuSettingsReInitialize = false;  // the initial-layout flag
  bool MenuViewStdTopHeight = false;

  // Panel heights in pixels.
  int PanelPGSearchTabTop = 329;
  int PanelPGSearchTabLeftTop = 80;
  int PanelPGSearchTabRightTop = 80;
  int PanelDLPGMainTabTop = 240;
  int PanelPGMainTab03Top = 140;

  /// "URL|folder" entries, sorted without regard to ASCII case, each once.
  std::vector<std::string> RegisteredUrlFolders;

  std::string Caption = kCreationCaption;
  /// A message for the status bar that start-up leaves (an unreadable settings file); shown
  /// once by the desktop.
  std::string StartupNotice;
  /// Set by a menu command whose write of the settings file failed, emptied by one that
  /// succeeded; the desktop shows it in the status bar.
  std::string WriteNotice;
};

}  // namespace pellucor

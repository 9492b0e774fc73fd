#pragma once

#include <QMainWindow>
#include <memory>
#include <string>

#include "app/Binder.h"
#include "app/QtPorts.h"
#include "download/DownloadTab.h"
#include "ports/SystemLauncher.h"
#include "search/NetSearchTab.h"
#include "shell/MainWindowState.h"
#include "shell/Settings.h"

class QAction;
class QLabel;
class QTabWidget;

// The main window (TAMainForm): the seven tabs of PGMain, the main menu, the status bar, the
// window titles and the collapse toggles, with start-up and shut-down as the program runs them.
// Its values live in plain structs (the window's, and one per tab); the binder moves them to
// and from the widgets around every handler.
namespace pellucor::app {

class InformationBox;
class DownloadTabController;
class DownloadToolsController;
class LocalPageTabController;
class WebCodeTabController;
class FlashTabController;
class NetSearchTabController;
class ExplorerTabController;
class FileSearchPlaceController;
class PageWidgets;

/// Where start-up looks for the program and its settings.
struct StartupPaths {
  std::string programPath;  // Shift_JIS
  std::string configHome;   // Shift_JIS: $XDG_CONFIG_HOME, or $HOME/.config
};

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(StartupPaths paths, QWidget* parent = nullptr);
  ~MainWindow() override;

  /// The start-up steps that follow the window's creation: the settings read, the window
  /// state, the URL history, the version title, the selected tabs and the focus.
  void Start();

  /// The download tab shown with the URL navigated and the save folder set, ready for its
  /// download button (the demo's start).
  void ShowOnDownloadTab(const std::string& url, const std::string& saveFolder);

  /// The tab switch rules, for the tab now shown.
  void PGMainChange(int index);

  MainWindowState& window() { return window_; }
  NetSearchTab& search();
  DownloadTab& download();
  /// The download tab's engine and widgets.
  [[nodiscard]] DownloadTabController& downloadTab() { return *downloadTab_; }
  [[nodiscard]] DownloadToolsController& downloadTools() { return *downloadTools_; }
  [[nodiscard]] LocalPageTabController& localTab() { return *localTab_; }
  [[nodiscard]] WebCodeTabController& webCodeTab() { return *webCodeTab_; }
  [[nodiscard]] FlashTabController& flashTab() { return *flashTab_; }
  [[nodiscard]] ExplorerTabController& explorerTab() { return *explorerTab_; }
  [[nodiscard]] FileSearchPlaceController& explorerSearch() { return *explorerSearch_; }
  [[nodiscard]] FileSearchPlaceController& fileSearch() { return *fileSearch_; }
  /// The browsers and source views of the tabs, by name.
  [[nodiscard]] const PageWidgets& pages() const { return *pageWidgets_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  SettingsTargets Targets() { return {window_, search(), download()}; }
  /// Runs a handler between a pull of the widgets and a push of the values it changed.
  template <typename Handler>
  void Run(Handler handler);
  void BuildMenus();
  void BuildStatusBar();
  void BuildTabs();
  void BindControls();
  void ApplyPanelHeights();
  void ShowCaption();
  /// What every command and pump point ends with: the title and sub-tabs the tabs chose.
  void AfterCommand();
  void SelectSubTab(const char* pageName);
  void FocusControl(const char* name);

  StartupPaths paths_;
  MainWindowState window_;
  Binder binder_;
  InformationBox* informationBox_ = nullptr;
  std::unique_ptr<PageWidgets> pageWidgets_;
  std::unique_ptr<DownloadTabController> downloadTab_;
  std::unique_ptr<DownloadToolsController> downloadTools_;
  std::unique_ptr<LocalPageTabController> localTab_;
  std::unique_ptr<WebCodeTabController> webCodeTab_;
  std::unique_ptr<FlashTabController> flashTab_;
  std::unique_ptr<NetSearchTabController> netSearch_;
  std::unique_ptr<ExplorerTabController> explorerTab_;
  std::unique_ptr<FileSearchPlaceController> explorerSearch_;
  std::unique_ptr<FileSearchPlaceController> fileSearch_;
  QWidget* watchRoot_ = nullptr;
  QtDialogs dialogs_;
  QtClipboard clipboard_;
  QtEventPump pump_;
  SystemLauncher launcher_;
  QTabWidget* pgMain_ = nullptr;
  QAction* maximized_ = nullptr;
  QAction* reInitialize_ = nullptr;
  QAction* stdTopHeight_ = nullptr;
  std::array<QLabel*, 5> statusPanels_{};
  FileDialogs fileDialogs_{};
};

}  // namespace pellucor::app

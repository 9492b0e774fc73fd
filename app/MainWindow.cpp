#include "app/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "app/DownloadTabController.h"
#include "app/DownloadToolsController.h"
#include "app/ExplorerTabController.h"
#include "app/FileSearchPlaceController.h"
#include "app/FlashTabController.h"
#include "app/HighlightBoxes.h"
#include "app/InformationBox.h"
#include "app/LocalPageTabController.h"
#include "app/MainWindowTabs.h"
#include "app/NetSearchTabController.h"
#include "app/PageWidgets.h"
#include "app/RadioGroup.h"
#include "app/SjisText.h"
#include "app/SystemColors.h"
#include "app/WebCodeTabController.h"
#include "shell/Layout.h"
#include "text/TextTrim.h"
#include "web/UrlKinds.h"

namespace pellucor::app {
namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// The tabs of PGMain in tab order: the page, its caption, and whether the tab row shows it.
struct TabRow {
  QWidget* (*build)(QWidget*);
  const char* caption;
  bool shown;
};
constexpr TabRow kTabs[] = {
    {BuildNetSearchTab, "     ネット検索     ", true},
    {BuildDownloadTab, " Ｗｅｂﾍﾟｰｼﾞのﾀﾞｳﾝﾛｰﾄﾞ ", true},
    {BuildLocalPageTab, " ﾛｰｶﾙ・ページの閲覧とHTML/CSS/JSﾌｧｲﾙの取得 ", true},
    {BuildFlashTab, " ﾛｰｶﾙFlashPlayer ", false},
    {BuildExplorerTab, " ﾌｫﾙﾀﾞｰ/ﾌｧｲﾙのﾂﾘｰ表示とﾌｧｲﾙ検索  ", true},
    {BuildWebCodeTab, " Webｺｰﾄﾞ変換 ", true},
    {BuildFileSearchTab, " ﾌｧｲﾙ検索 ", false},
};
enum TabIndex { kNetSearch, kDownload, kLocalPage, kFlash, kExplorer, kWebCode, kFileSearch };

constexpr int kStatusPanelWidths[] = {150, 100, 500, 500, 500};

// The mount table, or empty where the system has none.
std::string ReadWholeFile(const char* path) {
  std::ifstream file(path);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  return home != nullptr ? home : "";
}

}  // namespace

MainWindow::MainWindow(StartupPaths paths, QWidget* parent)
    : QMainWindow(parent),
      paths_(std::move(paths)),
      informationBox_(new InformationBox(this)),
      dialogs_(this, informationBox_) {
  // Start-up steps 3 to 15, as creating the window runs them: the program's folder and the
  // settings file's first place, the tabs and their widgets, the caption, the initial values.
  setObjectName("TAMainForm");
  window_.DefaultFolder = paths_.programPath.substr(0, paths_.programPath.rfind('/') + 1);
  window_.SettingsPath = SettingsPathFor(paths_.programPath, paths_.configHome);
  watchRoot_ = new QWidget(this, Qt::Window);
  watchRoot_->setObjectName("TFormWatchRoot");
  auto* watchClose = new QPushButton(U("閉じる"), watchRoot_);
  watchClose->setObjectName("BtnClose");
  connect(watchClose, &QPushButton::clicked, watchRoot_, &QWidget::hide);
  watchRoot_->hide();
  // The window's file dialogs, by name; the open and save questions of the core use the HTML
  // ones, the text and image ones serve the tabs that open such files.
  const auto fileDialog = [this](const char* name) {
    auto* dialog = new QFileDialog(this);
    dialog->setObjectName(name);
    return dialog;
  };
  fileDialogs_.openHtml = fileDialog("OpenDialogHTML");
  fileDialogs_.saveHtml = fileDialog("SaveDialogHTML");
  fileDialog("OpenDialogTextFile");
  fileDialog("OpenDialogImageFile");
  dialogs_.SetFileDialogs(fileDialogs_);
  BuildMenus();
  BuildStatusBar();
  // The colourers take the system colours from this desktop's palette.
  SetHostSystemColors(QtSystemColor);
  BuildTabs();
  pageWidgets_ = std::make_unique<PageWidgets>(*this);
  AddHighlightBoxes(*pageWidgets_, clipboard_, pump_);
  downloadTab_ = std::make_unique<DownloadTabController>(
      *this, *pageWidgets_, binder_, dialogs_, clipboard_, pump_, launcher_,
      [this](const std::function<void()>& command) { Run(command); });
  downloadTools_ = std::make_unique<DownloadToolsController>(
      *this, *pageWidgets_, binder_, *downloadTab_,
      [this](const std::function<void()>& command) { Run(command); });
  localTab_ = std::make_unique<LocalPageTabController>(
      *this, *pageWidgets_, binder_, download(), dialogs_, clipboard_, pump_, launcher_,
      [this] { return downloadTab_->engine().run.LocalPageFile; },
      [this](const std::function<void()>& command) { Run(command); });
  netSearch_ = std::make_unique<NetSearchTabController>(
      *this, *pageWidgets_, binder_, dialogs_, clipboard_, pump_, launcher_, downloadTab_->engine(),
      window_.StartupComplete, [this](const std::function<void()>& command) { Run(command); });
  flashTab_ = std::make_unique<FlashTabController>(
      *this, *pageWidgets_, binder_, dialogs_,
      [this](const std::function<void()>& command) { Run(command); });
  explorerTab_ = std::make_unique<ExplorerTabController>(
      *this, *pageWidgets_, binder_, dialogs_, launcher_, download().BtnEditConfirmLocalHTMLFile,
      [this](const std::function<void()>& command) { Run(command); });
  explorerTab_->LoadPlaces(ReadWholeFile("/proc/mounts"), HomeFolder());
  explorerSearch_ = std::make_unique<FileSearchPlaceController>(
      *this, kExplorerSearchNames, SearchPlaceKind::Explorer, clipboard_, launcher_,
      [this] { return explorerTab_->tab().TreeExpComboBoxFSDir; },
      [this](const std::function<void()>& command) { Run(command); });
  fileSearch_ = std::make_unique<FileSearchPlaceController>(
      *this, kFileSearchTabNames, SearchPlaceKind::FileSearchTab, clipboard_, launcher_,
      [this] { return ToSjis(findChild<QComboBox*>("ComboBoxFSDir")->currentText()); },
      [this](const std::function<void()>& command) { Run(command); });
  // The folder chosen in the file search tab's folder tree is the folder searched.
  auto* folders = findChild<QTreeView*>("TDirectoryTree");
  connect(folders, &QTreeView::clicked, this, [this, folders](const QModelIndex& index) {
    const auto* model = static_cast<const QFileSystemModel*>(folders->model());
    findChild<QComboBox*>("ComboBoxFSDir")->setEditText(model->filePath(index));
  });
  webCodeTab_ = std::make_unique<WebCodeTabController>(
      *this, binder_, clipboard_, [this](const std::function<void()>& command) { Run(command); });
  // Long work shows its progress: what the core changed goes to the widgets at every pump
  // point.
  pump_.beforeEvents = [this] {
    binder_.Push();
    AfterCommand();
  };
  BindControls();
  ApplyPanelHeights();
  ShowCaption();
  resize(1100, 760);
  pageWidgets_->BlankAllBrowsers();
}

MainWindow::~MainWindow() {
  pump_.beforeEvents = nullptr;
}

NetSearchTab& MainWindow::search() {
  return netSearch_->tab();
}

DownloadTab& MainWindow::download() {
  return downloadTab_->tab();
}

template <typename Handler>
void MainWindow::Run(Handler handler) {
  binder_.Pull();
  handler();
  binder_.Push();
  ApplyPanelHeights();
  AfterCommand();
  if (!window_.WriteNotice.empty()) statusPanels_[2]->setText(FromSjis(window_.WriteNotice));
}

void MainWindow::AfterCommand() {
  if (std::string caption = downloadTab_->TakeWindowCaption(); !caption.empty())
    window_.Caption = std::move(caption);
  ShowCaption();
  downloadTab_->ShowChosenTabs();
  if (localTab_) localTab_->ShowChosenTabs();
  if (netSearch_) netSearch_->AfterCommand();
}

void MainWindow::BuildMenus() {
  QMenuBar* bar = menuBar();
  const auto item = [this](QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(U(caption));
    action->setObjectName(name);
    return action;
  };
  // Items without a name do nothing when chosen.
  QMenu* file = bar->addMenu(U("ﾌｧｲﾙ"));
  for (const char* idle : {"新規", "開く", "上書き保存", "名前を付けて保存"})
    file->addAction(U(idle));
  file->addSeparator();
  connect(item(file, "MenuFileClose", "終了"), &QAction::triggered, this, &QWidget::close);
  QMenu* edit = bar->addMenu(U("編集"));
  for (const char* idle : {"コピー", "貼付け", "全選択"})
    edit->addAction(U(idle));
  QMenu* view = bar->addMenu(U("表示"));
  maximized_ = item(view, "MenuViewMaximized", "最大表示");
  maximized_->setCheckable(true);
  connect(maximized_, &QAction::triggered, this, [this](bool checked) {
    window_.MenuViewMaximized = checked;
    setWindowState(checked ? (windowState() | Qt::WindowMaximized)
                           : (windowState() & ~Qt::WindowMaximized));
  });
  view->addAction(U("常に手前に表示"));
  stdTopHeight_ = item(view, "MenuViewStdTopHeight",
                       "ﾄｯﾌﾟ画面の高さを「ｷｰﾜｰﾄﾞ」と「検索結果の一括表示」のみの「 １行 」にする");
  stdTopHeight_->setCheckable(true);
  connect(stdTopHeight_, &QAction::triggered, this,
          [this] { Run([this] { MenuViewStdTopHeightClick(Targets()); }); });
  QMenu* settings = bar->addMenu(U("設定"));
  connect(item(settings, "ManuSettingsSave", "設定を保存する"), &QAction::triggered, this,
          [this] { Run([this] { ManuSettingsSaveClick(Targets()); }); });
  reInitialize_ = item(settings, "MenuSettingsReInitialize", "初期状態に戻す");
  reInitialize_->setCheckable(true);
  connect(reInitialize_, &QAction::triggered, this,
          [this] { Run([this] { MenuSettingsReInitializeClick(Targets()); }); });
  settings->addSeparator();
  for (const char* idle : {"規定ﾌｫﾙﾀﾞｰを設定する", "規定ﾌｫﾙﾀﾞｰを解除する", "規定ﾌｫﾙﾀﾞｰを確認する"})
    settings->addAction(U(idle));
  QMenu* download = bar->addMenu(U("ﾀﾞｳﾝﾛｰﾄﾞ設定"));
  connect(item(download, "MenuDLSettingsSave", "設定を保存する"), &QAction::triggered, this,
          [this] { Run([this] { MenuDLSettingsSaveClick(Targets()); }); });
  connect(item(download, "MenuDLSettingsAppend", "Url/保存ﾌｫﾙﾀﾞｰに登録・追加する"),
          &QAction::triggered, this,
          [this] { Run([this] { MenuDLSettingsAppendClick(Targets()); }); });
  connect(item(download, "MenuDLSettingsRemove", "設定を解除する"), &QAction::triggered, this,
          [this] { Run([this] { MenuDLSettingsRemoveClick(Targets()); }); });
  QMenu* tools = bar->addMenu(U("ﾂｰﾙ"));
  tools->addAction(U("ｶﾗｰ・ﾊﾟﾚｯﾄ"));
  tools->menuAction()->setVisible(false);
  QMenu* other = bar->addMenu(U("その他"));
  connect(item(other, "MenuOtheVersion", "ﾊﾞｰｼﾞｮﾝ"), &QAction::triggered, this, [this] {
    window_.Caption = kVersionCaption;
    ShowCaption();
  });
}

void MainWindow::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBarDLBaseBrowser");
  for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
    auto* panel = new QLabel(bar);
    panel->setObjectName(QString("StatusBarDLBaseBrowserPanel%1").arg(i));
    panel->setFixedWidth(kStatusPanelWidths[i]);
    bar->addWidget(panel);
    statusPanels_[i] = panel;
  }
}

void MainWindow::BuildTabs() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  pgMain_ = new QTabWidget(central);
  pgMain_->setObjectName("PGMain");
  for (const TabRow& row : kTabs) {
    const int index = pgMain_->addTab(row.build(pgMain_), U(row.caption));
    pgMain_->setTabVisible(index, row.shown);
  }
  layout->addWidget(pgMain_);
  setCentralWidget(central);
  connect(pgMain_, &QTabWidget::currentChanged, this, &MainWindow::PGMainChange);

  // Every close button of a tab closes the window; the collapse toggles.
  for (const char* name : {"sbSRClose", "sbDLClose", "sbTreeExpClose", "sbFileSearchClose",
                           "sbConfirmLocalHTMLFileExit", "sbFlashPlayerClose", "sbWebCodeExit"}) {
    if (auto* button = findChild<QToolButton*>(name))
      connect(button, &QToolButton::clicked, this, &QWidget::close);
  }
  const auto toggle = [this](const char* name, void (*action)(MainWindowState&)) {
    if (auto* button = findChild<QToolButton*>(name))
      connect(button, &QToolButton::clicked, this,
              [this, action] { Run([this, action] { action(window_); }); });
  };
  toggle("sbSNCollapse", ToggleNetSearchTop);
  toggle("SpeedButton4", ToggleNetSearchTop);
  toggle("sbDLCollapse", ToggleDownloadTop);
  toggle("sbDLLocalCollapse", ToggleLocalPageTop);
}

void MainWindow::BindControls() {
  const auto edit = [this](const char* name, std::string* value) {
    binder_.Bind(findChild<QLineEdit*>(name), value);
  };
  const auto check = [this](const char* name, bool* value) {
    binder_.Bind(findChild<QCheckBox*>(name), value);
  };
  const auto radio = [this](const char* name, int* value) {
    binder_.Bind(findChild<RadioGroup*>(name), value);
  };
  binder_.Bind(findChild<QComboBox*>("ComboBoxSearchKeyWord"), &search().ComboBoxSearchKeyWord,
               &search().ComboBoxSearchKeyWordItems);
  radio("RadioGroupIMEMode", &search().RadioGroupIMEMode);
  binder_.Bind(findChild<QComboBox*>("ComboBoxWBUrl"), &download().ComboBoxWBUrl,
               &download().ComboBoxWBUrlItems);
  edit("edSearchAndHighlight", &search().edSearchAndHighlight);
  edit("edDLTargetSearchAndHighlight", &search().edDLTargetSearchAndHighlight);
  binder_.Bind(findChild<QComboBox*>("ComboBoxWBBrowserSearch"),
               &download().ComboBoxWBBrowserSearch);
  edit("BtnEditWBPageSaveFolder", &download().BtnEditWBPageSaveFolder);
  edit("BtnEditWBLocalFilename", &download().BtnEditWBLocalFilename);
  edit("EditWBBasePageLocalFimename", &download().EditWBBasePageLocalFimename);
  edit("EditDLSaveFilename", &download().EditDLSaveFilename);
  edit("EditTopPageHTMLFilename", &download().EditTopPageHTMLFilename);
  edit("EditDLTopDummyDirectory", &download().EditDLTopDummyDirectory);
  edit("EditFrameLinkUrl", &download().EditFrameLinkUrl);
  edit("BtnEditConfirmLocalHTMLFile", &download().BtnEditConfirmLocalHTMLFile);
  edit("BtnEditLocalFileOrgHTML", &download().BtnEditLocalFileOrgHTML);
  check("CheckBoxDontEmptyFolder", &download().CheckBoxDontEmptyFolder);
  check("CheckBoxDonttSaveImage", &download().CheckBoxDonttSaveImage);
  check("CheckBoxDLDontMakeCSSlist", &download().CheckBoxDLDontMakeCSSlist);
  check("CheckBoxDLCSSOnly", &download().CheckBoxDLCSSOnly);
  check("CheckBoxDLDontReDraw", &download().CheckBoxDLDontReDraw);
  check("CheckBoxDLRemoveDomain", &download().CheckBoxDLRemoveDomain);
  check("CheckBoxLocalDontLoad", &download().CheckBoxLocalDontLoad);
  radio("RadioGroupDLFilnalOpenIE", &download().RadioGroupDLFilnalOpenIE);
  radio("RadioGroupInitialLoad", &download().RadioGroupInitialLoad);
  radio("RadioGroupDLBaseLevel", &download().RadioGroupDLBaseLevel);
  radio("RadioGroupDLMaskUrlRoot", &download().RadioGroupDLMaskUrlRoot);
  radio("RadioGroupRemoveOtherDmain", &download().RadioGroupRemoveOtherDmain);
  radio("RadioGroupRemoveBaseHref", &download().RadioGroupRemoveBaseHref);
  radio("RadioGroupDLHTMLDQSlash", &download().RadioGroupDLHTMLDQSlash);
  radio("RadioGroupDLUrlWebDecode", &download().RadioGroupDLUrlWebDecode);
  radio("RadioGroupDLMainHTMLCharSet", &download().RadioGroupDLMainHTMLCharSet);
  radio("RadioGroupDLCSSJSCharSet", &download().RadioGroupDLCSSJSCharSet);
}

void MainWindow::ApplyPanelHeights() {
  const auto height = [this](const char* name, int pixels) {
    if (auto* panel = findChild<QWidget*>(name)) panel->setFixedHeight(std::max(pixels, 0));
  };
  height("PanelPGSearchTabTop", window_.PanelPGSearchTabTop);
  height("PanelPGSearchTabLeftTop", window_.PanelPGSearchTabLeftTop);
  height("PanelPGSearchTabRightTop", window_.PanelPGSearchTabRightTop);
  height("PanelDLPGMainTabTop", window_.PanelDLPGMainTabTop);
  height("PanelPGMainTab03Top", window_.PanelPGMainTab03Top);
  maximized_->setChecked(window_.MenuViewMaximized);
  reInitialize_->setChecked(window_.MenuSettingsReInitialize);
  stdTopHeight_->setChecked(window_.MenuViewStdTopHeight);
}

void MainWindow::ShowCaption() {
  setWindowTitle(FromSjis(window_.Caption));
}

void MainWindow::SelectSubTab(const char* pageName) {
  app::SelectSubTab(*this, QString::fromLatin1(pageName));
}

void MainWindow::FocusControl(const char* name) {
  if (auto* widget = findChild<QWidget*>(name)) widget->setFocus();
}

void MainWindow::Start() {
  // Steps 16 to 23, when the window is first shown.
  LoadIniSettings(window_.SettingsPath, Targets());
  binder_.Push();
  ApplyPanelHeights();
  if (window_.MenuViewMaximized) setWindowState(windowState() | Qt::WindowMaximized);
  ApplyRegisteredUrls(Targets());
  binder_.Push();
  window_.Caption = kVersionCaption;
  ShowCaption();
  window_.StartupComplete = true;
  SelectSubTab("PGTab01LTab01SearchMain");
  SelectSubTab("PGTab02LTab01WB");
  SelectSubTab("PGTab02RTab02HTMLSrc");
  {
    const QSignalBlocker quiet(pgMain_);
    pgMain_->setCurrentIndex(kNetSearch);
  }
  if (!window_.StartupNotice.empty()) statusPanels_[2]->setText(FromSjis(window_.StartupNotice));
  // "設定されたUrlのﾍﾟｰｼﾞをﾅﾋﾞｹﾞｰﾄ": the stored URL is shown on the download tab; a URL that
  // cannot be navigated ends the start-up here.
  if (download().RadioGroupInitialLoad == 1) {
    const std::string url(TrimControlChars(download().ComboBoxWBUrl));
    if (!url.empty()) {
      bool navigated = false;
      Run([&] {
        navigated = downloadTab_->engine().WBDLNavigate(
            url, TrimControlChars(download().BtnEditWBPageSaveFolder), 0);
      });
      if (!navigated) return;
    }
  }
  FocusControl("ComboBoxSearchKeyWord");
}

void MainWindow::ShowOnDownloadTab(const std::string& url, const std::string& saveFolder) {
  pgMain_->setCurrentIndex(kDownload);
  Run([&] {
    download().ComboBoxWBUrl = url;
    download().BtnEditWBPageSaveFolder = saveFolder;
    downloadTab_->engine().sbDLNavigateClick();
  });
}

void MainWindow::PGMainChange(int index) {
  Run([this, index] {
    switch (index) {
      case kNetSearch:
        SelectSubTab("PGTab01LTab01SearchMain");
        FocusControl("ComboBoxSearchKeyWord");
        break;
      case kDownload:
        window_.PanelDLPGMainTabTop = 240;
        if (download().CheckBoxDLDontReDraw) {
          // Only a web address is shown again (with the download tab's browser); anything else
          // leaves the tab as it is.
          if (!IsWebUrl(download().ComboBoxWBUrl)) return;
          SelectSubTab("PGTab02LTab01WB");
        }
        if (window_.MenuSettingsReInitialize) window_.PanelDLPGMainTabTop = 500;
        SelectSubTab("PGTab02LTab01WB");
        SelectSubTab("PGTab02RTab02HTMLSrc");
        FocusControl("ComboBoxWBUrl");
        break;
      case kLocalPage:
        localTab_->EnterTab();
        SelectSubTab("PGMainTab03LocalLeftTab01Browser");
        SelectSubTab("PGMainTab03LocalRightTab01HTMLSrc");
        FocusControl("BtnEditConfirmLocalHTMLFile");
        break;
      case kExplorer:
        SelectSubTab("PGTabb05LPGMainTreeExplorerTab01Main");
        SelectSubTab("PGMainTab05TreeExplorerRightTab01FileContents");
        break;
      case kFileSearch:
        FocusControl("ComboBoxFSFile");
        break;
      default:
        break;
    }
  });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  binder_.Pull();
  // The window goes, so a settings file that cannot be written is told in a message box.
  if (!SaveIniSettings(window_.SettingsPath, Targets()))
    QMessageBox::warning(this, QString::fromUtf8(kApplicationTitle),
                         U("設定ファイルに書けませんでした： ") + FromSjis(window_.SettingsPath));
  informationBox_->close();
  watchRoot_->close();
  event->accept();
}

}  // namespace pellucor::app

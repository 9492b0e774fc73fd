#include "app/LocalPageTabController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

#include "app/Binder.h"
#include "app/ColorSwatchDelegate.h"
#include "app/KeywordPanesController.h"
#include "app/LinkEvents.h"
#include "app/MainWindowTabs.h"
#include "app/PageWidgets.h"
#include "app/QtBrowser.h"
#include "app/QtPorts.h"
#include "app/QtTextView.h"
#include "app/RadioGroup.h"
#include "app/ViewSideColumn.h"

namespace pellucor::app {
namespace {

constexpr const char* kMergedView = "RichEditExPGMainTab03LocalLeftTab02TotalCSSJS";
constexpr const char* kSourceView = "RichEditExPGMainTab03LocalRightTab01HTMLSrc";
constexpr const char* kSingleCssView = "RichEditExPGMainTab03LocalLeftTab07CSS";

}  // namespace

LocalPageHost LocalPageTabController::Host(const PageWidgets& pages, DownloadTab& download,
                                           Dialogs& dialogs, Clipboard& clipboard, EventPump& pump,
                                           Launcher& launcher) {
  const auto view = [&pages](const char* name) -> TextView& { return *pages.View(name); };
  return {dialogs,
          clipboard,
          pump,
          launcher,
          *pages.Browser("WebBrowserConfirmLocalFile"),
          {view(kSourceView), view(kMergedView), view("RichEditPGMainTab03LocalLeftTab03FileList"),
           view("RichEditPGMainTab03LocalRightTab03FileList"),
           view("RichEditExPGMainTab03LocalLeftTab04ImageList"),
           view("RichEditExPGMainTab03LocalLeftTab05OuterHTML"),
           view("RichEditExPGMainTab03LocalRightTab02OuterHTML"),
           view("RichEditExPGMainTab03LocalLeftTab06OrgHTML"), view(kSingleCssView),
           view("RichEditExPGMainTab03LocalLeftTab08JS"),
           view("RichEditExPGMainTab03LocalRightTab04Ref")},
          {download.BtnEditConfirmLocalHTMLFile, download.BtnEditLocalFileOrgHTML,
           download.CheckBoxLocalDontLoad, download.BtnEditLocalFileCSSJSList,
           download.BtnEditLocalFileTotalCSSJS, download.BtnEditLocalFileImageList},
          colorLists_,
          WaitWithEvents};
}

LocalPageTabController::LocalPageTabController(QWidget& window, const PageWidgets& pages,
                                               Binder& binder, DownloadTab& download,
                                               Dialogs& dialogs, Clipboard& clipboard,
                                               EventPump& pump, Launcher& launcher,
                                               std::function<std::string()> lastDownloadedPage,
                                               Runner run)
    : window_(window),
      run_(std::move(run)),
      lastDownloadedPage_(std::move(lastDownloadedPage)),
      colorLists_(ColorListHost{*pages.View(kMergedView), *pages.View(kSourceView),
                                *pages.View(kSingleCssView), pump, searchKeywords_}),
      check_(Host(pages, download, dialogs, clipboard, pump, launcher), tab_),
      panes_(Host(pages, download, dialogs, clipboard, pump, launcher), tab_),
      left_(window, "PGMainTab03LocalLeft", tab_.LeftTabShown),
      right_(window, "PGMainTab03LocalRight", tab_.RightTabShown) {
  keywordPanes_ = std::make_unique<KeywordPanesController>(
      window, pages, binder, download, tab_, colorLists_.tab, download.StatusBarDLBaseBrowser[2],
      searchKeywords_, clipboard, pump, run_);
  Bind(binder, download);
  ConnectButtons();
  ConnectColorLists(pages, binder);
  ConnectBrowser(pages);
  RefreshOuterHtmlWhenLeft();
}

LocalPageTabController::~LocalPageTabController() = default;

void LocalPageTabController::Bind(Binder& binder, DownloadTab& download) {
  const auto edit = [&](const char* name, std::string* value) {
    binder.Bind(window_.findChild<QLineEdit*>(name), value);
  };
  edit("BtnEditLocalFileCSSJSList", &download.BtnEditLocalFileCSSJSList);
  edit("BtnEditLocalFileTotalCSSJS", &download.BtnEditLocalFileTotalCSSJS);
  edit("BtnEditLocalFileImageList", &download.BtnEditLocalFileImageList);
  edit("BtnEditLocalFileIndivCSS", &tab_.BtnEditLocalFileIndivCSS);
  edit("BtnEditLocalFileIndivJS", &tab_.BtnEditLocalFileIndivJS);
  edit("BtnEditLocalFileRef", &tab_.BtnEditLocalFileRef);
  ColorListTab& colors = colorLists_.tab;
  edit("EditLocalTotalCSS", &colors.EditLocalTotalCSS);
  edit("EditLocalIndivCSSSearch", &colors.EditLocalIndivCSSSearch);
  edit("EditLocalGUIHTMLColor", &colors.EditLocalGUIHTMLColor);
  const auto radio = [&](const char* name, int* value) {
    binder.Bind(window_.findChild<RadioGroup*>(name), value);
  };
  radio("RadioGroupLocalFileLoadCharset", &tab_.RadioGroupLocalFileLoadCharset);
  radio("RadioGroupLocalFileOriginalCharset", &tab_.RadioGroupLocalFileOriginalCharset);
  radio("RadioGroupLocalFileSaveCharset", &tab_.RadioGroupLocalFileSaveCharset);
  const auto check = [&](const char* name, bool* value) {
    binder.Bind(window_.findChild<QCheckBox*>(name), value);
  };
  check("CheckBoxLocalFileDontPageChange", &tab_.CheckBoxLocalFileDontPageChange);
  check("CheckBoxLocalDontChnageCharset", &tab_.CheckBoxLocalDontChnageCharset);
  check("CheckBoxLOcalCreanupHTML", &tab_.CheckBoxLOcalCreanupHTML);
  check("CheckBoxLocalChageUrl", &tab_.CheckBoxLocalChageUrl);
  check("CheckBoxDontCheckBoxLocalTotalCSSColor", &tab_.CheckBoxDontCheckBoxLocalTotalCSSColor);
  check("CheckBoxDontCheckBoxLocalIndivCSSColor", &tab_.CheckBoxDontCheckBoxLocalIndivCSSColor);
  check("CheckBoxLocalTotalCSSColorDupIgnore", &colors.CheckBoxLocalTotalCSSColorDupIgnore);
  check("CheckBoxLocalHTMLColorDupIgnore", &colors.CheckBoxLocalHTMLColorDupIgnore);
  check("CheckBoxLocalIndivlCSSColorDupIgnore", &colors.CheckBoxLocalIndivlCSSColorDupIgnore);
  binder.Bind(window_.findChild<QLabel*>("LabelLocalBrowserStatusBar"),
              &tab_.LabelLocalBrowserStatusBar);
}

void LocalPageTabController::ConnectButtons() {
  const auto button = [this](const char* name, const std::function<void()>& action) {
    QObject::connect(window_.findChild<QToolButton*>(name), &QToolButton::clicked, &window_,
                     [this, action] { run_(action); });
  };
  LocalPageCheck& check = check_;
  button("sbConfirmLocaHTMLGo", [&check] { check.sbConfirmLocaHTMLGoClick(); });
  button("sbLoadLocaHTMLFile", [&check] { check.sbLoadLocaHTMLFileClick(); });
  button("sbConfirmLocaHTMLFileHome", [&check] { check.sbConfirmLocaHTMLFileHomeClick(); });
  button("sbConfirmLocaHTMLFileBack", [&check] { check.sbConfirmLocaHTMLFileBackClick(); });
  button("sbConfirmLocaBrowserBack", [&check] { check.sbConfirmLocaHTMLFileBackClick(); });
  button("sbConfirmLocaHTMLFileClear", [&check] { check.sbConfirmLocaHTMLFileClearClick(); });
  button("sbConfirmLocaHTMLFilePaste", [&check] { check.sbConfirmLocaHTMLFilePasteClick(); });
  button("sbConfirmLocaHTMLOpenIE", [&check] { check.sbConfirmLocaHTMLOpenIEClick(); });
  button("sbSaveLocaHTMLFile", [&check] { check.sbSaveLocaHTMLFileClick(); });
  button("sbConfirmLocaHTMLOrgHTMLGo", [&check] { check.sbConfirmLocaHTMLOrgHTMLGoClick(); });
  button("sbConfirmLocaHTMLOrgHTMLOpen", [&check] { check.sbConfirmLocaHTMLOrgHTMLOpenClick(); });
  button("sbConfirmLocaCSSJSListOpenFile",
         [&check] { check.sbConfirmLocaCSSJSListOpenFileClick(); });
  button("sbConfirmLocaCSSJSListOpenFileGo",
         [&check] { check.sbConfirmLocaCSSJSListOpenFileGoClick(); });
  button("sbLocalCSSJSTotalFile", [&check] { check.sbLocalCSSJSTotalFileClick(); });
  button("sbLocalCSSJSGo", [&check] { check.sbLocalCSSJSGoClick(); });
  button("sbConfirmLocalFileImageListOpenFile",
         [&check] { check.sbConfirmLocalFileImageListOpenFileClick(); });
  button("sbConfirmLocalFileImageListOpenFileGo",
         [&check] { check.sbConfirmLocalFileImageListOpenFileGoClick(); });
  button("sbPGMainTab03LocalLeftTab05OuterHTML",
         [&check] { check.sbPGMainTab03LocalLeftTab05OuterHTMLClick(); });
  button("sclPGMainTab03LocalRightTab05OuterHTML",
         [&check] { check.sclPGMainTab03LocalRightTab05OuterHTMLClick(); });
  button("sclPGMainTab03LocalLeftTab05OuterHTMLSave",
         [&check] { check.sclPGMainTab03LocalLeftTab05OuterHTMLSaveClick(); });

  SingleFilePanes& panes = panes_;
  struct PaneButtons {
    const char* open;
    const char* go;
    const char* save;
    SingleFilePane pane;
  };
  for (const PaneButtons& pane :
       {PaneButtons{"sbLocalCSSIndivOpenFile", "sbLocalCSSIndivOpenFileGo", "sbLocaIndivlCSSSave",
                    SingleFilePane::StyleSheet},
        PaneButtons{"sbLocalJSIndivOpenFile", "sbLocalJSIndivOpenFileGo", "sbLocaIndivJSSave",
                    SingleFilePane::Script},
        PaneButtons{"sbLocalRefOpenFile", "sbLocalRefOpenFileGo", "sbLocalRefSave",
                    SingleFilePane::Reference}}) {
    const SingleFilePane which = pane.pane;
    button(pane.open, [&panes, which] { panes.OpenFile(which); });
    button(pane.go, [&panes, which] { panes.OpenFileGo(which); });
    button(pane.save, [&panes, which] { panes.Save(which); });
  }
}

void LocalPageTabController::ConnectColorLists(const PageWidgets& pages, Binder& binder) {
  ColorListTab& colors = colorLists_.tab;
  using Click = void (ColorLists::*)(std::size_t);
  struct ColorPane {
    const char* view;
    const char* list;
    std::vector<std::string>* items;
    Click click;
    const char* build;
    void (ColorLists::*buildCommand)();
    const char* clear;
    void (ColorLists::*clearCommand)();
  };
  const ColorPane panes[] = {
      {kMergedView, "ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorList",
       &colors.ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorList,
       &ColorLists::ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorListClick,
       "sbocalCSSJSSearchColoList", &ColorLists::sbocalCSSJSSearchColoListClick,
       "sbsbocalCSSJSSearchColoListClear", &ColorLists::sbsbocalCSSJSSearchColoListClearClick},
      {kSourceView, "ListBoxListBoxPGMainTab03LocalRightTab02HTMLColorList",
       &colors.ListBoxListBoxPGMainTab03LocalRightTab02HTMLColorList,
       &ColorLists::ListBoxListBoxPGMainTab03LocalRightTab02HTMLColorListClick,
       "sbLocalHTMLColoList", &ColorLists::sbLocalHTMLColoListClick, "sbLocalHTMLColoListClear",
       &ColorLists::sbLocalHTMLColoListClearClick},
      {kSingleCssView, "ListBoxListBoxPGMainTab03LocalLeftTab02IndivCSSSColorList",
       &colors.ListBoxListBoxPGMainTab03LocalLeftTab02IndivCSSSColorList,
       &ColorLists::ListBoxListBoxPGMainTab03LocalLeftTab02IndivCSSSColorListClick,
       "sbLocalCSSIndivSearchColorList", &ColorLists::sbLocalCSSIndivSearchColorListClick,
       "sbLocalCSSIndivSearchColorListClear",
       &ColorLists::sbLocalCSSIndivSearchColorListClearClick},
  };
  for (const ColorPane& pane : panes) {
    QtTextView* view = pages.View(pane.view);
    auto* list = new QListWidget(&window_);
    list->setObjectName(pane.list);
    list->setItemDelegate(new ColorSwatchDelegate(list));
    list->setMaximumWidth(160);
    SideColumnOf(*view).addWidget(list, 2);
    binder.Bind(list, pane.items);
    const Click click = pane.click;
    QObject::connect(list, &QListWidget::itemClicked, &window_,
                     [this, list, click](QListWidgetItem* item) {
                       const auto row = static_cast<std::size_t>(list->row(item));
                       run_([this, click, row] { (colorLists_.*click)(row); });
                     });
    const auto build = pane.buildCommand;
    QObject::connect(window_.findChild<QToolButton*>(pane.build), &QToolButton::clicked, &window_,
                     [this, build] { run_([this, build] { (colorLists_.*build)(); }); });
    const auto clear = pane.clearCommand;
    QObject::connect(window_.findChild<QToolButton*>(pane.clear), &QToolButton::clicked, &window_,
                     [this, clear] { run_([this, clear] { (colorLists_.*clear)(); }); });
  }
  // The lists beside the two report views, which the clearing of the tab empties.
  struct ReportList {
    const char* view;
    const char* list;
    std::vector<std::string>* lines;
  };
  const ReportList reportLists[] = {
      {"RichEditPGMainTab03LocalLeftTab03FileList", "ListBoxPGMainTab03LocalLeftTab03",
       &tab_.ListBoxPGMainTab03LocalLeftTab03},
      {"RichEditExPGMainTab03LocalLeftTab04ImageList", "ListBoxPGMainTab03LocalLeftTab04ImageList",
       &tab_.ListBoxPGMainTab03LocalLeftTab04ImageList},
  };
  for (const ReportList& report : reportLists) {
    auto* list = new QListWidget(&window_);
    list->setObjectName(report.list);
    list->setMaximumWidth(160);
    SideColumnOf(*pages.View(report.view)).addWidget(list, 1);
    binder.Bind(list, report.lines);
  }
}

void LocalPageTabController::ConnectBrowser(const PageWidgets& pages) {
  QtBrowser* browser = pages.Browser("WebBrowserConfirmLocalFile");
  BrowserEvents events = LinkEvents(
      run_, [this](const std::string& text) { check_.LocalStatusText(text); },
      [this] { return check_.LocalDocOnClick(); });
  // A new window opens in place once the page has loaded; while it loads, it is refused.
  events.newWindow = [browser]() -> Browser* { return browser->Busy() ? nullptr : browser; };
  browser->SetEvents(events);
}

void LocalPageTabController::RefreshOuterHtmlWhenLeft() {
  auto* left = window_.findChild<QTabWidget*>("PGMainTab03LocalLeft");
  // Leaving the page of the document after its scripts takes the document once more.
  auto previous = std::make_shared<QString>(left->currentWidget()->objectName());
  QObject::connect(left, &QTabWidget::currentChanged, &window_, [this, left, previous] {
    const bool leftOuterPage = *previous == "PGMainTab03LocalLeftTab05OuertHTML";
    *previous = left->currentWidget()->objectName();
    if (leftOuterPage) run_([this] { check_.sbPGMainTab03LocalLeftTab05OuterHTMLClick(); });
  });
}

void LocalPageTabController::ShowChosenTabs() {
  left_.Show();
  right_.Show();
}

void LocalPageTabController::EnterTab() {
  const std::string page = lastDownloadedPage_();
  run_([this, &page] { check_.EnterTab(page); });
}

}  // namespace pellucor::app

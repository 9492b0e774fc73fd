#include "app/DownloadToolsController.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <string>
#include <utility>
#include <vector>

#include "app/Binder.h"
#include "app/DownloadTabController.h"
#include "app/PageWidgets.h"
#include "app/QtBrowser.h"
#include "app/RadioGroup.h"

namespace pellucor::app {
namespace {

// Runs an action when the watched label is clicked: the top panel's captions are commands.
class ClickFilter : public QObject {
 public:
  ClickFilter(QObject* parent, std::function<void()> action)
      : QObject(parent), action_(std::move(action)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease) action_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> action_;
};

}  // namespace

DownloadToolsController::DownloadToolsController(QWidget& window, const PageWidgets& pages,
                                                 Binder& binder, DownloadTabController& downloadTab,
                                                 Runner run)
    : window_(window),
      downloadTab_(downloadTab),
      run_(std::move(run)),
      workbenches_({downloadTab.engine().host().dialogs, downloadTab.engine().host().clipboard,
                    downloadTab.engine().host().pump, *pages.Browser("WebBrowserDLIndividual"),
                    *pages.Browser("WebBrowserIndividualImage"), downloadTab.http()},
                   downloadTab.tab()),
      viewCommands_(downloadTab.engine()) {
  // The dual screen collapses the top panel as its toggle does, once the command is done.
  viewCommands_.toggleTopPanel = [this] {
    if (auto* toggle = window_.findChild<QToolButton*>("sbDLCollapse"))
      QTimer::singleShot(0, toggle, &QToolButton::click);
  };
  Bind(binder);
  ConnectPanes();
  ConnectButtons();
  ConnectLabels();
}

void DownloadToolsController::Bind(Binder& binder) {
  DownloadTab& tab = downloadTab_.tab();
  const auto edit = [&](const char* name, std::string* value) {
    binder.Bind(window_.findChild<QLineEdit*>(name), value);
  };
  edit("EditPGTab02RTab07IndividualUrl", &tab.EditPGTab02RTab07IndividualUrl);
  edit("BtnEditPGTab02RTab07IndividualFilename", &tab.BtnEditPGTab02RTab07IndividualFilename);
  edit("EditPGTab02RTab08ImageIndividualUrl", &tab.EditPGTab02RTab08ImageIndividualUrl);
  edit("BtnEditPGTab02RTab08ImageIndividualFilename",
       &tab.BtnEditPGTab02RTab08ImageIndividualFilename);
  binder.Bind(window_.findChild<QPlainTextEdit*>("MemoPGTab02RTab07Individual"),
              &tab.MemoPGTab02RTab07Individual);
  binder.Bind(window_.findChild<QPlainTextEdit*>("MemoPGTab02RTab06CSSJS"),
              &tab.MemoPGTab02RTab06CSSJS);
  binder.Bind(window_.findChild<QPlainTextEdit*>("RichEditWebPageDownloadHTMLFirst"),
              &tab.RichEditWebPageDownloadHTMLFirst);
  const auto radio = [&](const char* name, int* value) {
    binder.Bind(window_.findChild<RadioGroup*>(name), value);
  };
  radio("RadioGroupDLIndividualCode", &tab.RadioGroupDLIndividualCode);
  radio("RadioGroupDLIndividualCodeSaveFile", &tab.RadioGroupDLIndividualCodeSaveFile);
  radio("RadioGroupDLIndividualScreen", &tab.RadioGroupDLIndividualScreen);
  radio("RadioGroupDLCSSJSCode", &tab.RadioGroupDLCSSJSCode);
  radio("RadioGroupDLFrameDownload", &tab.RadioGroupDLFrameDownload);
  const auto check = [&](const char* name, bool* value) {
    binder.Bind(window_.findChild<QCheckBox*>(name), value);
  };
  check("CheckBoxDLWebChageUrl", &tab.CheckBoxDLWebChageUrl);
  check("CheckBoxDLLocalChageUrl", &tab.CheckBoxDLLocalChageUrl);
  check("CheckBoxDLDownloadinnerHTML", &tab.CheckBoxDLDownloadinnerHTML);
  check("CheckBoxDLsaveThisname", &tab.CheckBoxDLsaveThisname);
  check("CheckBoxTopDirectoryForUnkwon", &tab.CheckBoxTopDirectoryForUnkwon);
  check("CheckBoxDontWebListClear", &tab.CheckBoxDontWebListClear);
  check("CheckBoxDLDecodeFilename", &tab.CheckBoxDLDecodeFilename);
  const auto label = [&](const char* name, std::string* value) {
    binder.Bind(window_.findChild<QLabel*>(name), value);
  };
  label("LabelWebBrowserUrl", &tab.LabelWebBrowserUrl);
  label("LabelLocalBrowserUrl", &tab.LabelLocalBrowserUrl);
  label("LabelLocalHTMLSrc", &tab.LabelLocalHTMLSrc);
  label("LabelDLCSSJSWinFilename", &tab.LabelDLCSSJSWinFilename);
  // The links under the pointer in the two browsers.
  label("StatusBarDLBaseBrowserPanel2", &tab.StatusBarDLBaseBrowser[2]);
  label("StatusBarDLBaseBrowserPanel3", &tab.StatusBarDLBaseBrowser[3]);
}

void DownloadToolsController::ConnectPanes() {
  using PaneClick = void (Workbenches::*)(std::string_view);
  const std::pair<const char*, std::pair<std::vector<std::string>*, PaneClick>> panes[] = {
      {"ListBoxPGTab02LTab02PageWebCSS",
       {&downloadTab_.tab().ListBoxPGTab02LTab02PageWebCSS,
        &Workbenches::ListBoxPGTab02LTab02PageWebCSSClick}},
      {"ListBoxPGTab02LTab02PageFileDownloaedCSSJS",
       {&downloadTab_.tab().ListBoxPGTab02LTab02PageFileDownloaedCSSJS,
        &Workbenches::ListBoxPGTab02LTab02PageFileDownloaedCSSJSClick}},
      {"ListBoxPGTab02LTab03PageImage",
       {&downloadTab_.tab().ListBoxPGTab02LTab03PageImage,
        &Workbenches::ListBoxPGTab02LTab03PageImageClick}},
      {"ListBoxPGTab02LTab03PageImageDownloaedImage",
       {&downloadTab_.tab().ListBoxPGTab02LTab03PageImageDownloaedImage,
        &Workbenches::ListBoxPGTab02LTab03PageImageDownloaedImageClick}},
  };
  for (const auto& [name, pane] : panes) {
    auto* list = window_.findChild<QListWidget*>(name);
    const auto [lines, click] = pane;
    QObject::connect(list, &QListWidget::itemClicked, &window_,
                     [this, list, lines, click](QListWidgetItem* item) {
                       // The line as the run listed it, bytes and all.
                       const auto row = static_cast<std::size_t>(list->row(item));
                       const std::string line = row < lines->size() ? (*lines)[row] : "";
                       run_([this, click, line] { (workbenches_.*click)(line); });
                     });
  }
}

void DownloadToolsController::ConnectButtons() {
  const auto button = [this](const char* name, const std::function<void()>& action) {
    auto* found = window_.findChild<QToolButton*>(name);
    QObject::connect(found, &QToolButton::clicked, &window_, [this, action] { run_(action); });
  };
  Workbenches& bench = workbenches_;
  button("sbPGTab02RTab07IndividualUrl", [&bench] { bench.sbPGTab02RTab07IndividualUrlClick(); });
  button("sbPGTab02RTab07IndividualDownload",
         [&bench] { bench.sbPGTab02RTab07IndividualDownloadClick(); });
  button("sbPGTab02RTab07IndividualUrlPaste",
         [&bench] { bench.sbPGTab02RTab07IndividualUrlPasteClick(); });
  button("sbsbPGTab02RTab07IndividualOpenFileGo",
         [&bench] { bench.sbsbPGTab02RTab07IndividualOpenFileGoClick(); });
  button("sbsbPGTab02RTab07IndividualOpenFile",
         [&bench] { bench.sbsbPGTab02RTab07IndividualOpenFileClick(); });
  button("sbsbPGTab02RTab07IndividualSaveFile",
         [&bench] { bench.sbsbPGTab02RTab07IndividualSaveFileClick(); });
  button("sbsbPGTab02RTab07IndividualCOPY",
         [&bench] { bench.sbsbPGTab02RTab07IndividualCOPYClick(); });
  button("sbsbPGTab02RTab07IndividualMemoClear",
         [&bench] { bench.sbsbPGTab02RTab07IndividualMemoClearClick(); });
  button("sbPGTab02RTab08ImageIndividualGo",
         [&bench] { bench.sbPGTab02RTab08ImageIndividualGoClick(); });
  button("sbPGTab02RTab08ImageIndividualDownload",
         [&bench] { bench.sbPGTab02RTab08ImageIndividualDownloadClick(); });
  button("sbPGTab02RTab08ImageIndividualPaste",
         [&bench] { bench.sbPGTab02RTab08ImageIndividualPasteClick(); });
  button("sbPGTab02RTab08ImageIndividualOpenFile",
         [&bench] { bench.sbPGTab02RTab08ImageIndividualOpenFileClick(); });
  button("sbPGTab02RTab08ImageIndividualClear",
         [&bench] { bench.sbPGTab02RTab08ImageIndividualClearClick(); });
  // "sbPGTab02RTab08ImageIndividualSave" does nothing: the direct download saves.

  ViewCommands& view = viewCommands_;
  button("sbDLBackward", [&view] { view.sbDLBackwardClick(); });
  button("sbPanelPGTab02LTab01WBTop", [&view] { view.sbDLBackwardClick(); });
  button("sbDLHome", [&view] { view.sbDLHomeClick(); });
  button("sbDLWebNavigateHome", [&view] { view.sbDLWebNavigateHomeClick(); });
  button("sbDLWebNavigateCOPY", [&view] { view.sbDLWebNavigateCOPYClick(); });
  button("sbDLWebNavigateOpenIE", [&view] { view.sbDLWebNavigateOpenIEClick(); });
  button("sbDLWebIE", [&view] { view.sbDLWebIEClick(); });
  button("sbDLUrlPaste", [&view] { view.sbDLUrlPasteClick(); });
  button("sbDLBackLocalBrowser", [&view] { view.sbDLBackLocalBrowserClick(); });
  button("sbDLNavigateLocalHome", [&view] { view.sbDLNavigateLocalHomeClick(); });
  button("sbDLNavigateLocalOpenFile", [&view] { view.sbDLNavigateLocalOpenFileClick(); });
  button("sbDLNavigateLocalHomeOpenIE", [&view] { view.sbDLNavigateLocalHomeOpenIEClick(); });
  button("sbWinFileIE", [&view] { view.sbWinFileIEClick(); });
  button("sbWinFileIE2", [&view] { view.sbWinFileIEClick(); });
  button("sbWinPageFileIE", [&view] { view.sbWinPageFileIEClick(); });
  button("sbDLFrameIEOpen", [&view] { view.sbDLFrameIEOpenClick(); });
  button("sbDLFrameCOPY", [&view] { view.sbDLFrameCOPYClick(); });
  button("sbDLFramePaste", [&view] { view.sbDLFramePasteClick(); });
  button("sbDLSingleScreen", [&view] { view.sbDLSingleScreenClick(); });
  button("sbInnerHTMLGet", [&view] { view.sbInnerHTMLGetClick(); });
  button("SbDLInnerHTMLSave", [&view] { view.SbDLInnerHTMLSaveClick(); });
  button("sbDLInnerHTMLCOPY", [&view] { view.sbDLInnerHTMLCOPYClick(); });
  button("SpeedButton1", [&view] { view.SpeedButton1Click(); });
  // Choosing the page of the document after its scripts takes the document anew.
  auto* left = window_.findChild<QTabWidget*>("PGTab02L");
  QObject::connect(left, &QTabWidget::currentChanged, &window_, [this, left] {
    if (left->currentWidget()->objectName() == "PGTab02LTab11InnerHTML")
      run_([this] { viewCommands_.sbInnerHTMLGetClick(); });
  });
  // The local page file box's own button, at its right end.
  auto* localFile = window_.findChild<QLineEdit*>("BtnEditWBLocalFilename");
  QAction* choose = localFile->addAction(localFile->style()->standardIcon(QStyle::SP_DirOpenIcon),
                                         QLineEdit::TrailingPosition);
  choose->setToolTip(QString::fromUtf8("ﾛｰｶﾙ・ﾍﾟｰｼﾞを開く"));
  QObject::connect(choose, &QAction::triggered, &window_,
                   [this] { run_([this] { viewCommands_.BtnEditWBLocalFilenameButtonClick(); }); });
  button("sbLocalFileIE2", [&view] { view.sbDLSingleScreenClick(); });
  button("sbWinFileDualScreen", [&view] { view.sbWinFileDualScreenClick(); });
}

void DownloadToolsController::ConnectLabels() {
  const auto clickable = [this](const char* name, const std::function<void()>& action) {
    auto* label = window_.findChild<QLabel*>(name);
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(new ClickFilter(label, [this, action] { run_(action); }));
  };
  clickable("LabelWBDLUrl", [this] { workbenches_.LabelWBDLUrlClick(); });
  clickable("LabelDLClearListBox", [this] { workbenches_.LabelDLClearListBoxClick(); });
}

}  // namespace pellucor::app

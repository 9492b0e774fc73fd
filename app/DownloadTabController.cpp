#include "app/DownloadTabController.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include <filesystem>
#include <optional>

#include "app/Binder.h"
#include "app/LinkEvents.h"
#include "app/MainWindowTabs.h"
#include "app/PageWidgets.h"
#include "app/QtBrowser.h"
#include "app/QtTextView.h"
#include "check/OfflineCheck.h"
#include "check/OfflineCheckLines.h"
#include "text/CodePage932.h"

namespace pellucor::app {

DownloadTabController::DownloadTabController(QWidget& window, const PageWidgets& pages,
                                             Binder& binder, Dialogs& dialogs, Clipboard& clipboard,
                                             EventPump& pump, Launcher& launcher, Runner run)
    : window_(window),
      run_(std::move(run)),
      http_(WaitingOptions()),
      engine_({dialogs, clipboard, pump, launcher, *pages.Browser("WebBrowserDownload"),
               *pages.Browser("WebBrowserDownloadResult"), http_},
              stages_),
      left_(window, "PGTab02L", engine_.tab.LeftTabShown),
      right_(window, "PGTab02R", engine_.tab.RightTabShown) {
  Bind(binder);
  Connect();
  ConnectBrowsers(pages);
}

HttpClientOptions DownloadTabController::WaitingOptions() {
  // Every transfer waits with the window's events running; during a run it ends once the stop
  // button was pressed. (The engine's own test of its stop button reads a run that has not
  // reached its files yet as stopped, so the page's own fetch would end at once.) The engine
  // exists by the time a transfer starts.
  HttpClientOptions options;
  options.idle = [this] {
    engine_.host().pump.ProcessPendingEvents();
    return running_ && stopPressed_ ? TransferControl::Abort : TransferControl::Continue;
  };
  return options;
}

void DownloadTabController::Bind(Binder& binder) {
  DownloadTab& tab = engine_.tab;
  const auto view = [&](const char* name, std::string* text, ViewColoring coloring) {
    binder.Bind(window_.findChild<QtTextView*>(name), text, coloring);
  };
  // The page's source as read and as formatted keep their caret; the saved page, the document
  // after its scripts and the browser's document are shown from the top.
  view("RichEditExPGTab02RTab02HTMLSrc", &tab.RichEditExPGTab02RTab02HTMLSrc,
       ViewColoring::KeepCaret);
  view("RichEditExPGTab02LTab12OrgHTML", &tab.RichEditExPGTab02LTab12OrgHTML,
       ViewColoring::KeepCaret);
  view("RichEditExPGTab02RTab03HTMLOrg", &tab.RichEditExPGTab02RTab03HTMLOrg,
       ViewColoring::KeepCaret);
  view("RichEditExPGTab02RTab04PDownload", &tab.RichEditExPGTab02RTab04PDownload,
       ViewColoring::CaretToStart);
  view("RichEditExPGTab02LTab09LocalFileHTML", &tab.RichEditExPGTab02LTab09LocalFileHTML,
       ViewColoring::CaretToStart);
  view("RichEditExPGTab02LTab11InnerHTML", &tab.RichEditExPGTab02LTab11InnerHTML,
       ViewColoring::CaretToStart);
  const auto list = [&](const char* name, std::vector<std::string>* lines) {
    binder.Bind(window_.findChild<QListWidget*>(name), lines);
  };
  list("ListBoxPGTab02LTab02PageWebCSS", &tab.ListBoxPGTab02LTab02PageWebCSS);
  list("ListBoxPGTab02LTab02PageFileDownloaedCSSJS",
       &tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS);
  list("ListBoxPGTab02LTab03PageImage", &tab.ListBoxPGTab02LTab03PageImage);
  list("ListBoxPGTab02LTab03PageImageDownloaedImage",
       &tab.ListBoxPGTab02LTab03PageImageDownloaedImage);
  list("ListBoxPGTab02LTab04DLCSSFileImportCSS", &tab.ListBoxPGTab02LTab04DLCSSFileImportCSS);
  list("ListBoxPGTab02LTab04ImportCSSFileDownloaedCSSJS",
       &tab.ListBoxPGTab02LTab04ImportCSSFileDownloaedCSSJS);
  list("ListBoxPGTab02LTab04ImportHTMLCSSForBase", &tab.ListBoxPGTab02LTab04ImportHTMLCSSForBase);
  list("ListBoxPGTab02LTab04ImportHTMLSWF", &tab.ListBoxPGTab02LTab04ImportHTMLSWF);
  list("ListBoxPGTab02LTab05UseRoot", &tab.ListBoxPGTab02LTab05UseRoot);
  list("ListBoxPGTab02LTab06DLImportCSSImage", &tab.ListBoxPGTab02LTab06DLImportCSSImage);
  list("ListBoxPGTab02LTab06DLImageNotFound", &tab.ListBoxPGTab02LTab06DLImageNotFound);
  list("ListBoxPGTab02LTab07DLAllCSSFileImportCSS", &tab.ListBoxPGTab02LTab07DLAllCSSFileImportCSS);
  list("ListBoxPGTab02LTab07AllImportCSSFileDownloaedCSSJS",
       &tab.ListBoxPGTab02LTab07AllImportCSSFileDownloaedCSSJS);
  list("ListBoxPGTab02LTab08UnkownImage", &tab.ListBoxPGTab02LTab08UnkownImage);
  list("ListBoxPGTab02LTab09LHref", &tab.ListBoxPGTab02LTab09LHref);
  list("ListBoxWBInFrameFileList", &tab.ListBoxWBInFrameFileList);
  list("ListBoxIEImage", &tab.ListBoxIEImage);
  binder.Bind(window_.findChild<QLabel*>("LabelDownloadedFileCount"),
              &tab.LabelDownloadedFileCount);
  binder.Bind(window_.findChild<QLabel*>("LabelDownloadedFile"), &tab.LabelDownloadedFile);
  for (const auto& [name, value] :
       {std::pair{"LabelUrlRoot", &tab.LabelUrlRoot},
        std::pair{"LabelUrlPageFile", &tab.LabelUrlPageFile},
        std::pair{"LabelLocaFilename", &tab.LabelLocaFilename},
        std::pair{"LabelWinFiename", &tab.LabelWinFiename},
        std::pair{"LabelWebDownloadHTMLSrc", &tab.LabelWebDownloadHTMLSrc},
        std::pair{"LabeWeblBrowserUrl", &tab.LabeWeblBrowserUrl}})
    binder.Bind(window_.findChild<QLabel*>(name), value);
}

void DownloadTabController::Connect() {
  const auto command = [this](const char* name, void (DownloadEngine::*handler)()) {
    const auto run = [this, handler] { run_([this, handler] { (engine_.*handler)(); }); };
    if (auto* button = window_.findChild<QToolButton*>(name)) {
      QObject::connect(button, &QToolButton::clicked, &window_, run);
    } else if (auto* push = window_.findChild<QPushButton*>(name)) {
      QObject::connect(push, &QPushButton::clicked, &window_, run);
    }
  };
  command("sbDLNavigate", &DownloadEngine::sbDLNavigateClick);
  command("sbDLDecodeUrl", &DownloadEngine::sbDLDecodeUrlClick);
  command("btnHTMLPageSaveFolder", &DownloadEngine::btnHTMLPageSaveFolderClick);
  command("sbDLFolderlClear", &DownloadEngine::sbDLFolderlClearClick);
  command("sbDLGetInnerHTML", &DownloadEngine::sbDLGetInnerHTMLClick);
  QObject::connect(window_.findChild<QPushButton*>("btnDownloadAll"), &QPushButton::clicked,
                   &window_, [this] { RunDownload([this] { engine_.btnDownloadAllClick(); }); });
  QObject::connect(window_.findChild<QPushButton*>("btnDownloadStop"), &QPushButton::clicked,
                   &window_, [this] {
                     if (running_) stopPressed_ = true;
                     run_([this] { engine_.btnDownloadStopClick(); });
                   });
  command("btnDLSaveHTMLOnly", &DownloadEngine::btnDLSaveHTMLOnlyClick);
  command("btnDLOpenFrameset", &DownloadEngine::btnDLOpenFramesetClick);
  QObject::connect(window_.findChild<QToolButton*>("sbDLFrameGo"), &QToolButton::clicked, &window_,
                   [this] { RunDownload([this] { engine_.sbDLFrameGoClick(); }); });

  QLineEdit* url = window_.findChild<QComboBox*>("ComboBoxWBUrl")->lineEdit();
  QObject::connect(url, &QLineEdit::returnPressed, &window_,
                   [this] { run_([this] { engine_.sbDLNavigateClick(); }); });
  QObject::connect(url, &QLineEdit::textEdited, &window_,
                   [this] { engine_.ComboBoxWBUrlKeyDown(); });
  auto* frames = window_.findChild<QListWidget*>("ListBoxWBInFrameFileList");
  QObject::connect(frames, &QListWidget::itemClicked, &window_,
                   [this, frames](QListWidgetItem* item) {
                     // The line as the engine listed it, bytes and all.
                     const auto row = static_cast<std::size_t>(frames->row(item));
                     const std::vector<std::string>& lines = engine_.tab.ListBoxWBInFrameFileList;
                     if (row >= lines.size()) return;
                     const std::string line = lines[row];
                     RunDownload([this, line] { engine_.ListBoxWBInFrameFileListClick(line); });
                   });
}

void DownloadTabController::ConnectBrowsers(const PageWidgets& pages) {
  // The download browser: a new window opens in place, the link under the pointer is kept for
  // a click, and a click never follows a link by itself.
  QtBrowser* browser = pages.Browser("WebBrowserDownload");
  BrowserEvents events = LinkEvents(
      run_, [this](const std::string& text) { engine_.DLBaseStatusText(text); },
      [this] { return engine_.DLBaseDocOnClick(); });
  events.newWindow = [browser]() -> Browser* { return browser; };
  browser->SetEvents(events);

  // The result browser: the same, with its own option and status panel.
  pages.Browser("WebBrowserDownloadResult")
      ->SetEvents(LinkEvents(
          run_, [this](const std::string& text) { engine_.DLResultStatusText(text); },
          [this] { return engine_.DLLocalDocOnClick(); }));
}

void DownloadTabController::RunDownload(const std::function<void()>& download) {
  // A run started while one is going (its events run while it waits) would share its state.
  if (running_) return;
  running_ = true;
  stopPressed_ = false;
  run_(download);
  running_ = false;
  if (engine_.lastRunResult == 0) run_([this] { ShowOfflineCheck(); });
}

void DownloadTabController::ShowOfflineCheck() {
  // The saved page as a browser opens it from the disk: what it loads and misses, above the
  // files of the style sheet pane. A huge page is left to the command line's check.
  constexpr std::uintmax_t kLongestCheckedPage = std::uintmax_t{16} << 20;
  const std::optional<std::string> page = SjisToUtf8Exact(engine_.tab.BtnEditWBLocalFilename);
  std::error_code error;
  if (!page || std::filesystem::file_size(*page, error) > kLongestCheckedPage || error) return;
  std::vector<std::string>& pane = engine_.tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS;
  std::vector<std::string> lines;
  for (const std::string& line : OfflineCheckLines(CheckSavedPage(*page)))
    lines.push_back(Utf8ToSjis(line).text);
  pane.insert(pane.begin(), lines.begin(), lines.end());
}

void DownloadTabController::ShowChosenTabs() {
  left_.Show();
  right_.Show();
}

std::string DownloadTabController::TakeWindowCaption() {
  if (engine_.tab.WindowCaption == shownCaption_) return {};
  shownCaption_ = engine_.tab.WindowCaption;
  return shownCaption_;
}

}  // namespace pellucor::app

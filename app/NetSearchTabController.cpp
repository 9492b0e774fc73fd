#include "app/NetSearchTabController.h"

#include <QComboBox>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <utility>

#include "app/Binder.h"
#include "app/LinkEvents.h"
#include "app/PageWidgets.h"
#include "app/QtBrowser.h"
#include "app/QtPorts.h"
#include "app/RadioGroup.h"
#include "app/SjisText.h"
#include "text/ShiftJis.h"

namespace pellucor::app {
std::string EngineDownloadTabLink::UrlBoxText() const {
  return engine_.tab.ComboBoxWBUrl;
}

void EngineDownloadTabLink::SetUrlBoxText(std::string_view url) {
  engine_.tab.ComboBoxWBUrl = std::string(url);
}

bool EngineDownloadTabLink::UrlHistoryContains(std::string_view text) const {
  const std::string lower = LowerAsciiBytes(text);
  const auto& items = engine_.tab.ComboBoxWBUrlItems;
  return std::any_of(items.begin(), items.end(),
                     [&](const std::string& item) { return LowerAsciiBytes(item) == lower; });
}

void EngineDownloadTabLink::TakeOverUrl(std::string_view url) {
  engine_.TakeOverUrl(url);
}

NetSearchTabController::NetSearchTabController(QWidget& window, const PageWidgets& pages,
                                               Binder& binder, Dialogs& dialogs,
                                               Clipboard& clipboard, EventPump& pump,
                                               Launcher& launcher, DownloadEngine& download,
                                               const bool& startupComplete, Runner run)
    : window_(window),
      run_(std::move(run)),
      http_([&pump] {
        // The probe's requests wait with the window's events running.
        HttpClientOptions options;
        options.idle = [&pump] {
          pump.ProcessPendingEvents();
          return TransferControl::Continue;
        };
        return options;
      }()),
      downloadLink_(download),
      search_({dialogs, clipboard, pump, launcher, *pages.Browser("WebBrowserNSBase"),
               *pages.Browser("WebBrowserNSTarget"), *pages.Browser("WebBrowserNSNewWindow"), http_,
               downloadLink_, startupComplete, WaitWithEvents}) {
  // The two status bars under the result list and the target browser: the link under the
  // pointer shows in the third panel.
  for (const auto& [name, pageName] : {std::pair{"StatusBarNSBase", "PGTab01LTab01SearchMain"},
                                       std::pair{"StatusBarNStarget", "PGTab01RTab01Target"}}) {
    auto* page = window.findChild<QWidget*>(pageName);
    auto* bar = new QStatusBar(page);
    bar->setObjectName(name);
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < 3; ++i) {
      auto* panel = new QLabel(bar);
      panel->setObjectName(QString("%1Panel%2").arg(name).arg(i));
      bar->addWidget(panel, i == 2 ? 1 : 0);
    }
    page->layout()->addWidget(bar);
  }
  Bind(binder);
  ConnectButtons();
  ConnectKeywordBox();
  ConnectBrowsers(pages);
}

void NetSearchTabController::Bind(Binder& binder) {
  NetSearchTab& tab = search_.tab;
  binder.Bind(window_.findChild<QComboBox*>("ComboBoxDesc"), &tab.ComboBoxDesc);
  binder.Bind(window_.findChild<QComboBox*>("ComboBoxNSTargetUrl"), &tab.ComboBoxNSTargetUrl);
  for (const auto& [name, value] :
       {std::pair{"edNSUrl", &tab.edNSUrl},
        std::pair{"EditNSNewWindowsUrl", &tab.EditNSNewWindowsUrl},
        std::pair{"EditPGTab01LTab03BrowserNewWindow", &tab.EditPGTab01LTab03BrowserNewWindow}})
    binder.Bind(window_.findChild<QLineEdit*>(name), value);
  binder.Bind(window_.findChild<QSpinBox*>("SpinEditNSSearch"), &tab.SpinEditNSSearch);
  binder.Bind(window_.findChild<QPlainTextEdit*>("MemoNSHTTPGet"), &tab.MemoNSHTTPGet);
  binder.Bind(window_.findChild<QPlainTextEdit*>("MemoMemoNSHTTPGetFile"),
              &tab.MemoMemoNSHTTPGetFile);
  for (int i = 0; i < 3; ++i) {
    const auto index = static_cast<std::size_t>(i);
    binder.Bind(window_.findChild<QLabel*>(QString("StatusBarNSBasePanel%1").arg(i)),
                &tab.StatusBarNSBase[index]);
    binder.Bind(window_.findChild<QLabel*>(QString("StatusBarNStargetPanel%1").arg(i)),
                &tab.StatusBarNStarget[index]);
  }
}

void NetSearchTabController::ConnectButtons() {
  using Command = void (NetSearch::*)();
  const std::pair<const char*, Command> commands[] = {
      {"sbSearchGoogle", &NetSearch::sbSearchGoogleClick},
      {"sbSearchYahoo", &NetSearch::sbSearchYahooClick},
      {"btnSearchNext", &NetSearch::btnSearchNextClick},
      {"btnSearchPrev", &NetSearch::btnSearchPrevClick},
      {"sbSearchPaste", &NetSearch::sbSearchPasteClick},
      {"sbSearchClear", &NetSearch::sbSearchClearClick},
      {"sbNSDecsYahoo", &NetSearch::sbNSDecsYahooClick},
      {"sbNSDescGoogle", &NetSearch::sbNSDescGoogleClick},
      {"sbNetSearchGo", &NetSearch::sbNetSearchGoClick},
      {"sbNetSearchGoPaste", &NetSearch::sbNetSearchGoPasteClick},
      {"sbNetSearchStop", &NetSearch::sbNetSearchStopClick},
      {"sbNSBaseBack", &NetSearch::sbNSBaseBackClick},
      {"sbPGSearchTabLeftTopOpenIE", &NetSearch::sbPGSearchTabLeftTopOpenIEClick},
      {"sbNSTargrtOpenIE", &NetSearch::sbNSTargrtOpenIEClick},
      {"sbNSGo", &NetSearch::sbNSGoClick},
      {"sbNSPaste", &NetSearch::sbNSPasteClick},
      {"sbNSPCOPY", &NetSearch::sbNSPCOPYClick},
      {"sbNSGethhtp", &NetSearch::sbNSGethhtpClick},
      {"sbDLHTTPGet", &NetSearch::sbDLHTTPGetClick},
  };
  for (const auto& [name, command] : commands) {
    const Command action = command;
    const auto run = [this, action] { run_([this, action] { (search_.*action)(); }); };
    if (auto* tool = window_.findChild<QToolButton*>(name)) {
      QObject::connect(tool, &QToolButton::clicked, &window_, run);
    } else if (auto* push = window_.findChild<QPushButton*>(name)) {
      QObject::connect(push, &QPushButton::clicked, &window_, run);
    }
  }
}

void NetSearchTabController::ConnectKeywordBox() {
  auto* box = window_.findChild<QComboBox*>("ComboBoxSearchKeyWord");
  // Only Enter searches: a typed keyword sends nothing until the user asks.
  QObject::connect(box->lineEdit(), &QLineEdit::returnPressed, &window_, [this] {
    run_([this] { search_.ComboBoxSearchKeyWordKeyDown(KeywordKey::Return); });
  });
  QObject::connect(window_.findChild<RadioGroup*>("RadioGroupIMEMode"), &RadioGroup::ItemChanged,
                   &window_, [this] { run_([this] { search_.RadioGroupIMEModeClick(); }); });
}

void NetSearchTabController::ConnectBrowsers(const PageWidgets& pages) {
  QtBrowser* base = pages.Browser("WebBrowserNSBase");
  QtBrowser* target = pages.Browser("WebBrowserNSTarget");
  BrowserEvents baseEvents = LinkEvents(
      run_, [this](const std::string& text) { search_.WebBrowserNSBaseStatusTextChange(text); },
      [this] { return search_.NSBaseDocOnClick(); });
  baseEvents.newWindow = [this, base]() -> Browser* {
    NewWindowAction action = NewWindowAction::Cancel;
    const BrowserReadyState state =
        base->Busy() ? BrowserReadyState::Loading : BrowserReadyState::Complete;
    run_([this, state, &action] { action = search_.WebBrowserNSBaseNewWindow2(state); });
    return action == NewWindowAction::OpenInSameBrowser ? base : nullptr;
  };
  base->SetEvents(baseEvents);

  BrowserEvents targetEvents = LinkEvents(
      run_, [this](const std::string& text) { search_.WebBrowserNSTargetStatusTextChange(text); },
      [this] { return search_.NSTargetDocOnClick(); });
  targetEvents.newWindow = [this, target]() -> Browser* {
    NewWindowAction action = NewWindowAction::Cancel;
    const BrowserReadyState state =
        target->Busy() ? BrowserReadyState::Loading : BrowserReadyState::Complete;
    run_([this, state, &action] { action = search_.WebBrowserNSTargetNewWindow2(state); });
    return action == NewWindowAction::OpenInSameBrowser ? target : nullptr;
  };
  target->SetEvents(targetEvents);
}

void NetSearchTabController::AfterCommand() {
  NetSearchTab& tab = search_.tab;
  // The search names the sub-tab to show by its caption, once.
  if (!tab.SubTabShown.empty()) {
    auto* tabs = window_.findChild<QTabWidget*>("PGTab01L");
    const QString caption = FromSjis(tab.SubTabShown);
    for (int i = 0; i < tabs->count(); ++i) {
      if (tabs->tabText(i) == caption) tabs->setCurrentIndex(i);
    }
    tab.SubTabShown.clear();
  }
  if (!tab.FocusedControl.empty()) {
    if (auto* focused = window_.findChild<QWidget*>(QString::fromStdString(tab.FocusedControl)))
      focused->setFocus();
    tab.FocusedControl.clear();
  }
  auto* box = window_.findChild<QComboBox*>("ComboBoxSearchKeyWord");
  box->setAttribute(Qt::WA_InputMethodEnabled,
                    tab.ComboBoxSearchKeyWordInputMethod == KeywordInputMethod::JapaneseHiragana);
}

}  // namespace pellucor::app

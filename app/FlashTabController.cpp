#include "app/FlashTabController.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QToolButton>
#include <utility>

#include "app/Binder.h"
#include "app/PageWidgets.h"
#include "app/QtBrowser.h"
#include "app/QtPorts.h"
#include "app/QtTextView.h"

namespace pellucor::app {
FlashTabController::FlashTabController(QWidget& window, const PageWidgets& pages, Binder& binder,
                                       Dialogs& dialogs, Runner run)
    : player_({dialogs, *pages.Browser("WebBrowserFlashPlayer"),
               *pages.View("RichEditPGMainTab04FlushPlayer"), WaitWithEvents}) {
  FlashPlayerTab& tab = player_.tab;
  binder.Bind(window.findChild<QLineEdit*>("BtnEditLocalFlashPlayer"),
              &tab.BtnEditLocalFlashPlayer);
  binder.Bind(window.findChild<QCheckBox*>("CheckBoxFlushPlayer"), &tab.CheckBoxFlushPlayer);
  binder.Bind(window.findChild<QListWidget*>("ListBoxPGMainTab04FlushPlayer"),
              &tab.ListBoxPGMainTab04FlushPlayer);
  binder.Bind(window.findChild<QLabel*>("LabelFlashPlayerStatus"), &tab.StatusText);
  using Command = void (FlashPlayer::*)();
  for (const auto& [name, command] :
       {std::pair<const char*, Command>{"sbFlashPlayerOpen", &FlashPlayer::sbFlashPlayerOpenClick},
        std::pair<const char*, Command>{"sbFlashPlayerOpenGo",
                                        &FlashPlayer::sbFlashPlayerOpenGoClick},
        std::pair<const char*, Command>{"sbFlashPlayerStop", &FlashPlayer::sbFlashPlayerStopClick},
        std::pair<const char*, Command>{"sbFlashInnerHTMLGet",
                                        &FlashPlayer::sbFlashInnerHTMLGetClick}}) {
    const Command action = command;
    QObject::connect(window.findChild<QToolButton*>(name), &QToolButton::clicked, &window,
                     [this, run, action] { run([this, action] { (player_.*action)(); }); });
  }
}

}  // namespace pellucor::app

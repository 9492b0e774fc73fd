#include "app/ChosenSubTab.h"

#include <QTabWidget>

#include "app/MainWindowTabs.h"

namespace pellucor::app {

ChosenSubTab::ChosenSubTab(QWidget& window, const char* tabsName, std::string& chosen)
    : window_(window), chosen_(chosen), shown_(chosen) {
  auto* tabs = window.findChild<QTabWidget*>(tabsName);
  QObject::connect(tabs, &QTabWidget::currentChanged, &window, [this, tabs] {
    if (QWidget* page = tabs->currentWidget()) chosen_ = shown_ = page->objectName().toStdString();
  });
}

void ChosenSubTab::Show() {
  if (chosen_ == shown_) return;
  shown_ = chosen_;
  SelectSubTab(window_, QString::fromStdString(shown_));
}

}  // namespace pellucor::app

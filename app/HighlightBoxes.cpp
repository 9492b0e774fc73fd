#include "app/HighlightBoxes.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

#include "analysis/PageHighlight.h"
#include "app/PageWidgets.h"
#include "app/QtBrowser.h"
#include "app/SjisText.h"
#include "ports/Clipboard.h"
#include "ports/EventPump.h"

namespace pellucor::app {
namespace {

enum class BoxKind { Edit, ComboBox };
enum class AfterPaste { Nothing, Search };

// The boxes in the order of their table: box, search button, paste button, browser.
struct HighlightBox {
  const char* box;
  BoxKind kind;
  const char* search;
  const char* paste;
  AfterPaste afterPaste;
  const char* browser;
};
constexpr HighlightBox kBoxes[] = {
    {"edSearchAndHighlight", BoxKind::Edit, "sbNSBaseSearch", "sbNSBasePaste", AfterPaste::Nothing,
     "WebBrowserNSBase"},
    {"edDLTargetSearchAndHighlight", BoxKind::Edit, "sbNSTargetSearch", "sbNSTargetSearchPaste",
     AfterPaste::Nothing, "WebBrowserNSTarget"},
    {"ComboBoxWBBrowserSearch", BoxKind::ComboBox, "sbDLWebBrowserSearch",
     "sbDLWebBrowserSearchPaste", AfterPaste::Search, "WebBrowserDownload"},
    {"ComboBoxWBBrowserLocalSearch", BoxKind::ComboBox, "sbDLWebBrowserLocalSearch",
     "sbDLWebBrowserLocalSearchPaste", AfterPaste::Search, "WebBrowserDownloadResult"},
    {"ComboBoxLocalBrowserSearch", BoxKind::ComboBox, "sbDLLocalBrowserSearch",
     "sbDLLocalBrowserSearchPaste", AfterPaste::Search, "WebBrowserConfirmLocalFile"},
};

QToolButton* Button(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(QString::fromUtf8(caption));
  button->setToolTip(button->text());
  return button;
}

}  // namespace

void AddHighlightBoxes(const PageWidgets& pages, Clipboard& clipboard, EventPump& pump) {
  for (const HighlightBox& place : kBoxes) {
    QtBrowser* browser = pages.Browser(place.browser);
    QWidget* page = browser->parentWidget();
    auto* row = new QWidget(page);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QLineEdit* line = nullptr;
    if (place.kind == BoxKind::Edit) {
      line = new QLineEdit(row);
      line->setObjectName(place.box);
      layout->addWidget(line, 1);
    } else {
      auto* combo = new QComboBox(row);
      combo->setObjectName(place.box);
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      line = combo->lineEdit();
      layout->addWidget(combo, 1);
    }
    QToolButton* search = Button(place.search, "一括検索", row);
    QToolButton* paste = Button(place.paste, "貼付け", row);
    layout->addWidget(search);
    layout->addWidget(paste);
    if (auto* column = qobject_cast<QBoxLayout*>(page->layout())) column->insertWidget(0, row);

    const auto run = [line, browser, &pump] {
      (void)HighlightSearch(ToSjis(line->text()), *browser, pump);
    };
    QObject::connect(search, &QToolButton::clicked, browser, run);
    QObject::connect(line, &QLineEdit::returnPressed, browser, run);
    QObject::connect(paste, &QToolButton::clicked, browser,
                     [line, run, &clipboard, afterPaste = place.afterPaste] {
                       line->setText(FromSjis(clipboard.Text()));
                       if (afterPaste == AfterPaste::Search) run();
                     });
  }
}

}  // namespace pellucor::app

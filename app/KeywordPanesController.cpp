#include "app/KeywordPanesController.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>
#include <string_view>

#include "analysis/KeywordSearch.h"
#include "analysis/KeywordSearchPanes.h"
#include "app/Binder.h"
#include "app/ControlFactory.h"
#include "app/PageWidgets.h"
#include "app/QtTextView.h"
#include "app/ViewSideColumn.h"

namespace pellucor::app {
namespace {

struct PaneValues {
  std::string* box;
  std::vector<std::string>* hits;
  std::string* label;
};

// Where each pane keeps its box, hits and label, in the order of kKeywordSearchPanes.
std::vector<PaneValues> ValuesOfPanes(DownloadTab& download, LocalPageTab& local,
                                      ColorListTab& colors) {
  return {
      {&colors.ComboBoxDLHTMLSearch, &local.ListBoxPGMainTab03LocalLeftTab02THTMLSearchList,
       &local.LabelLocalHTMLLineColumnNo},
      {&colors.ComboBoxDLTotalFCSSJSSearch,
       &colors.ListBoxPGMainTab03LocalLeftTab02TotalCSSSearchList, &local.LabelCSSJSLineColumnNo},
      {&local.ComboBoxDLLocalAfterJavaExecute, &local.ListBoxLocalInnerHTMLSearchList,
       &local.LabelLocalInnerHTMLLineColumnNo},
      {&local.ComboBoxDLOrgHTMLSearch, &local.ListBoxOrgHTMLSearchList,
       &local.LabelOrgFileSearchKeyWord},
      {&colors.ComboBoxLocalIndivCSSSearch,
       &colors.ListBoxPGMainTab03LocalLeftTab02IndivCSSSearchList,
       &local.LabelIndivCSSLineColumnNo},
      {&local.ComboBoxLocalIndivJSSearch, &local.ListBoxPGMainTab03LocalLeftTab02IndivJS,
       &local.LabelIndivJSLineColumnNo},
      {&local.ComboBoxLocalRefSearch, &local.ListBoxPGMainTab03LocalRightTab04Ref,
       &local.LabelLocalRefLineColumnNo},
      {&download.ComboBoxWebKW, &download.ListBoxDownloadHTMLSrc, &download.LabelWebKW},
      {&download.ComboBoxWebLocalKW, &download.ListBoxListDLLocalHTMLSrc, &download.LabelDLLocalKW},
      {&download.ComboBoxDLInnerKW, &download.ListBoxListDLWebInnerHTMLSrc,
       &download.LabelDLWebinnerKW},
      {&download.ComboBoxWebOrgKW, &download.ListBoxDownloadOrgHTMLSrc, &download.LabelWebOrgKW},
  };
}

const char* Name(std::string_view name) {
  return name.data();  // the table's names are literals
}

}  // namespace

KeywordPanesController::KeywordPanesController(QWidget& window, const PageWidgets& pages,
                                               Binder& binder, DownloadTab& download,
                                               LocalPageTab& local, ColorListTab& colors,
                                               std::string& statusPanel,
                                               std::vector<std::string>& searchKeywords,
                                               Clipboard& clipboard, EventPump& pump, Runner run) {
  const std::vector<PaneValues> values = ValuesOfPanes(download, local, colors);
  for (std::size_t i = 0; i < kKeywordSearchPanes.size(); ++i) {
    const KeywordSearchPane& pane = kKeywordSearchPanes[i];
    const PaneValues value = values[i];
    QtTextView* view = pages.View(pane.view);
    if (view == nullptr) continue;

    auto* row = new QWidget(&window);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QComboBox* box = Combo(Name(pane.keywordBox), row);
    layout->addWidget(box, 1);
    QToolButton* search = Button(Name(pane.searchButton), "検索", "ｷｰﾜｰﾄﾞ検索", row);
    QToolButton* paste = Button(Name(pane.pasteButton), "貼付け", "貼付けて検索", row);
    QToolButton* recolor = Button(Name(pane.recolorButton), "再ｶﾗｰ", "ｼﾝﾀｯｸｽ・ｶﾗｰの再表示", row);
    for (QToolButton* button : {search, paste, recolor})
      layout->addWidget(button);
    auto* label = Named(new QLabel(row), Name(pane.lineColumnLabel));
    label->setMinimumWidth(70);
    layout->addWidget(label);
    InsertAboveView(*view, row);
    auto* hits = Named(new QListWidget(&window), Name(pane.resultList));
    hits->setMaximumWidth(110);
    SideColumnOf(*view).addWidget(hits, 1);

    binder.Bind(box, value.box);
    binder.Bind(hits, value.hits);
    binder.Bind(label, value.label);

    const auto command = [run](const std::function<void()>& action) {
      return [run, action] { run(action); };
    };
    const auto doSearch = [view, value, &searchKeywords, &pump] {
      KeywordSearch(*view, *value.box, searchKeywords, *value.hits, pump);
    };
    QObject::connect(search, &QToolButton::clicked, &window, command(doSearch));
    QObject::connect(box->lineEdit(), &QLineEdit::returnPressed, &window, command(doSearch));
    QObject::connect(paste, &QToolButton::clicked, &window,
                     command([view, value, &searchKeywords, &clipboard, &pump] {
                       KeywordSearchPaste(*view, *value.box, clipboard, searchKeywords, *value.hits,
                                          pump);
                     }));
    const RecolorKind kind = pane.recolor;
    QObject::connect(recolor, &QToolButton::clicked, &window,
                     command([view, kind] { KeywordSearchRecolor(*view, kind); }));
    QObject::connect(hits, &QListWidget::itemClicked, &window,
                     [run, view, value, hits, &statusPanel, &pump](QListWidgetItem* item) {
                       const auto selected = static_cast<std::size_t>(hits->row(item));
                       run([view, value, selected, &statusPanel, &pump] {
                         ListBoxClick(*view, *value.hits, selected, *value.label, statusPanel,
                                      pump);
                       });
                     });
  }
}

}  // namespace pellucor::app

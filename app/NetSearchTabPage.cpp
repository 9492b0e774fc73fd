// The net search tab's layout: the query panel on top, the result list with its sub-tabs on the
// left and the target browser on the right, each under its panel of commands. The browsers and
// their status bars are added by the window's page widgets and the tab's controller.
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ControlFactory.h"
#include "app/MainWindowTabs.h"
#include "app/RadioGroup.h"

namespace pellucor::app {
namespace {

QWidget* BuildQueryPanel(QWidget* page) {
  QWidget* top = Panel("PanelPGSearchTabTop", page);
  auto* column = new QVBoxLayout(top);
  column->setAlignment(Qt::AlignTop);
  auto* query = new QHBoxLayout();
  query->addWidget(Caption("ｷｰﾜｰﾄﾞ", top));
  query->addWidget(Combo("ComboBoxSearchKeyWord", top), 1);
  query->addWidget(Radio("RadioGroupIMEMode", "", {"日本語", "英語"}, top));
  AddButtons(*query,
             {{"sbSearchGoogle", "Google", "Google検索"}, {"sbSearchYahoo", "Yahoo!", "Yahoo検索"}},
             top);
  for (const auto& [name, caption] :
       {std::pair{"btnSearchPrev", "前の100件"}, std::pair{"btnSearchNext", "次の100件"}})
    query->addWidget(Named(new QPushButton(U(caption), top), name));
  auto* start = Named(new QSpinBox(top), "SpinEditNSSearch");
  start->setRange(0, 100000);
  start->setReadOnly(true);
  start->setButtonSymbols(QAbstractSpinBox::NoButtons);
  query->addWidget(start);
  AddButtons(*query,
             {{"sbSearchPaste", "貼付け", "貼付けて検索"},
              {"sbSearchClear", "ｸﾘｱ", "入力ﾎﾞｯｸｽのｸﾘｱ"},
              {"sbSNCollapse", "▲", "ﾄｯﾌﾟ・ﾊﾟﾈﾙの高さの変更"},
              {"SpeedButton4", "▼", "ﾄｯﾌﾟ・ﾊﾟﾈﾙの高さの変更"}},
             top);
  query->addWidget(CloseButton("sbSRClose", top));
  column->addLayout(query);

  auto* example = new QHBoxLayout();
  example->addWidget(Caption("例", top));
  example->addWidget(Combo("ComboBoxDesc", top), 1);
  AddButtons(*example,
             {{"sbNSDecsYahoo", "Yahoo!", "例で検索（Yahoo）"},
              {"sbNSDescGoogle", "Google", "例で検索（Google）"}},
             top);
  example->addWidget(Caption("Url", top));
  example->addWidget(Edit("edNSUrl", top), 1);
  AddButtons(*example,
             {{"sbNetSearchGo", "Go", "ﾅﾋﾞｹﾞｰﾄ"},
              {"sbNetSearchGoPaste", "貼付け", "貼付け"},
              {"sbNetSearchStop", "■", "ﾅﾋﾞｹﾞｰﾄの強制終了"}},
             top);
  column->addLayout(example);
  return top;
}

QWidget* BuildLeftPanel(QWidget* side) {
  QWidget* panel = Panel("PanelPGSearchTabLeftTop", side);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(2, 2, 2, 2);
  AddButtons(*row,
             {{"sbNSBaseBack", "←", "戻る"},
              {"sbPGSearchTabLeftTopOpenIE", "IE", "ＷｅｂページのＩＥ表示"}},
             panel);
  row->addWidget(Edit("EditNSNewWindowsUrl", panel), 1);
  return panel;
}

QWidget* BuildRightPanel(QWidget* side) {
  QWidget* panel = Panel("PanelPGSearchTabRightTop", side);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(2, 2, 2, 2);
  row->addWidget(Combo("ComboBoxNSTargetUrl", panel), 1);
  AddButtons(*row,
             {{"sbNSGo", "Go", "ﾅﾋﾞｹﾞｰﾄ"},
              {"sbNSPaste", "貼付け", "貼付け"},
              {"sbNSPCOPY", "ｺﾋﾟｰ", "Ｕｒｌのコピー"},
              {"sbNSGethhtp", "HTTP", "ＨＴＴＰｇｅｔ"},
              {"sbNSTargrtOpenIE", "IE", "ＷｅｂページのＩＥ表示"}},
             panel);
  return panel;
}

}  // namespace

QWidget* BuildNetSearchTab(QWidget* parent) {
  QWidget* page = Page("PGMainTab01Search", parent);
  QWidget* top = BuildQueryPanel(page);
  auto* splitter = new QSplitter(Qt::Horizontal, page);
  auto* left = new QWidget(splitter);
  auto* leftColumn = new QVBoxLayout(left);
  leftColumn->setContentsMargins(0, 0, 0, 0);
  leftColumn->addWidget(BuildLeftPanel(left));
  QTabWidget* leftTabs = SubTabs("PGTab01L",
                                 {{"PGTab01LTab01SearchMain", " メイン "},
                                  {"PGTab01LTab02GetHTTP", " HTTPGet "},
                                  {"PGTab01LTab03BrowserNewWindow", " 新規ｳｨﾝﾄﾞｳ "}},
                                 left);
  leftColumn->addWidget(leftTabs, 1);
  // The probe's result: the summary above, the response's header lines below.
  auto* probe = leftTabs->findChild<QWidget*>("PGTab01LTab02GetHTTP");
  for (const char* memo : {"MemoMemoNSHTTPGetFile", "MemoNSHTTPGet"})
    probe->layout()->addWidget(Named(new QPlainTextEdit(probe), memo));
  auto* newWindow = leftTabs->findChild<QWidget*>("PGTab01LTab03BrowserNewWindow");
  newWindow->layout()->addWidget(Edit("EditPGTab01LTab03BrowserNewWindow", newWindow));
  auto* right = new QWidget(splitter);
  auto* rightColumn = new QVBoxLayout(right);
  rightColumn->setContentsMargins(0, 0, 0, 0);
  rightColumn->addWidget(BuildRightPanel(right));
  rightColumn->addWidget(SubTabs("PGTab01R", {{"PGTab01RTab01Target", " ﾀｰｹﾞｯﾄ "}}, right), 1);
  page->layout()->addWidget(top);
  page->layout()->addWidget(splitter);
  return page;
}

}  // namespace pellucor::app

// The explorer tab's layout: the folder tree above the left browser, the chosen file's
// browser, its controls and its view on the right. The browsers and the view are added by the
// window's page widgets.
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/ControlFactory.h"
#include "app/FileSearchPlaceController.h"
#include "app/MainWindowTabs.h"
#include "app/RadioGroup.h"

namespace pellucor::app {

QWidget* BuildExplorerTab(QWidget* parent) {
  QWidget* page = Page("PGMainTab05TreeExplorer", parent);
  auto* bar = new QHBoxLayout();
  bar->addWidget(Caption("検索ﾌｫﾙﾀﾞｰ", page));
  bar->addWidget(Combo("TreeExpComboBoxFSDir", page), 1);
  bar->addWidget(Check("CheckBoxTreeExplorerDisplayLeft", " 【 左 】ﾌﾞﾗｳｻﾞにも表示する", page));
  bar->addWidget(CloseButton("sbTreeExpClose", page));
  auto* splitter = new QSplitter(Qt::Horizontal, page);
  QTabWidget* left = SubTabs("PGTabb05L",
                             {{"PGTabb05LPGMainTreeExplorerTab01Main", " ﾌｫﾙﾀﾞｰ/ﾌｧｲﾙ一覧ﾂﾘｰ "},
                              {"PGTabb05LPGMainTreeExplorerTab02Search", " ﾌｧｲﾙ検索 "}},
                             splitter);
  BuildSearchPlace(kExplorerSearchNames,
                   *left->findChild<QWidget*>("PGTabb05LPGMainTreeExplorerTab02Search"));
  auto* main = left->findChild<QWidget*>("PGTabb05LPGMainTreeExplorerTab01Main");
  auto* tree = Named(new QTreeWidget(main), "tv_Client");
  tree->setHeaderHidden(true);
  tree->setContextMenuPolicy(Qt::ActionsContextMenu);
  static_cast<QVBoxLayout*>(main->layout())->addWidget(tree, 2);
  splitter->addWidget(left);

  QTabWidget* right =
      SubTabs("PGMainTab05TreeExplorerRight",
              {{"PGMainTab05TreeExplorerRightTab01FileContents", " ﾌｧｲﾙ内容 "}}, splitter);
  auto* contents = right->findChild<QWidget*>("PGMainTab05TreeExplorerRightTab01FileContents");
  auto* column = static_cast<QVBoxLayout*>(contents->layout());
  auto* names = new QHBoxLayout();
  auto* file = Named(new QLabel(contents), "LabelTreeExpFilename");
  file->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  file->setTextInteractionFlags(Qt::TextSelectableByMouse);
  names->addWidget(file, 1);
  QLabel* type = Named(new QLabel(contents), "LabelTreeExpFileType");
  type->hide();  // the kind of the chosen file, for the commands
  names->addWidget(type);
  column->addLayout(names);
  auto* status = Named(new QLabel(contents), "LabelTreeExpStatus");
  status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  column->addWidget(status);
  auto* options = new QHBoxLayout();
  const std::initializer_list<const char*> charsets = {"自動",      "EUC-JP",   "UTF-8",
                                                       "Shift_JIS", "ISO-2022", "UTF-8N"};
  options->addWidget(Radio("RadioGroupTreeExplorer", " 読み込む文字ｺｰﾄﾞ ", charsets, contents));
  options->addWidget(Radio("RadioGroupTreeExplorerSave", " 保存する文字ｺｰﾄﾞ ", charsets, contents));
  auto* save = new QVBoxLayout();
  save->addWidget(Check("CheckBoxTreeExplorerDontChangeCharsetWithSave",
                        "保存時に「 charset=\"・・\" 」を変更しない", contents));
  auto* saveRow = new QHBoxLayout();
  saveRow->addWidget(Edit("BtnEditTreeExplorerSave", contents), 1);
  saveRow->addWidget(Button("sbTreeExplorerSave", "保存", "保存", contents));
  save->addLayout(saveRow);
  save->addStretch(1);
  options->addLayout(save, 1);
  column->addLayout(options);
  splitter->addWidget(right);
  static_cast<QVBoxLayout*>(page->layout())->addLayout(bar);
  page->layout()->addWidget(splitter);
  return page;
}

}  // namespace pellucor::app

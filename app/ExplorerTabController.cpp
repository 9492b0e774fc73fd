#include "app/ExplorerTabController.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <utility>

#include "app/Binder.h"
#include "app/PageWidgets.h"
#include "app/QtBrowser.h"
#include "app/QtPorts.h"
#include "app/QtTextView.h"
#include "app/RadioGroup.h"
#include "text/CodePage932.h"

namespace pellucor::app {
namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kKindRole = Qt::UserRole + 1;
constexpr int kPictureRole = Qt::UserRole + 2;

// The tree's pictures, by their numbers, as this desktop draws them.
QIcon Picture(int number) {
  QStyle* style = QApplication::style();
  switch (number) {
    case 5:
      return style->standardIcon(QStyle::SP_DriveHDIcon);
    case 6:
      return style->standardIcon(QStyle::SP_DriveCDIcon);
    case 8:
      return style->standardIcon(QStyle::SP_DriveFDIcon);
    case 9:
      return style->standardIcon(QStyle::SP_DriveNetIcon);
    case 10:
      return style->standardIcon(QStyle::SP_FileIcon);
    default:
      return style->standardIcon(QStyle::SP_DirIcon);
  }
}

QTreeWidgetItem* ItemOf(const TreeNode& node) {
  auto* item = new QTreeWidgetItem(QStringList{QString::fromStdString(node.text)});
  item->setData(0, kPathRole, QString::fromStdString(node.path));
  item->setData(0, kKindRole, static_cast<int>(node.kind));
  item->setData(0, kPictureRole, node.picture);
  item->setIcon(0, Picture(node.picture));
  item->setChildIndicatorPolicy(node.expandable ? QTreeWidgetItem::ShowIndicator
                                                : QTreeWidgetItem::DontShowIndicator);
  return item;
}

TreeNode NodeOf(const QTreeWidgetItem& item) {
  return {item.text(0).toStdString(), item.data(0, kPathRole).toString().toStdString(),
          static_cast<NodeKind>(item.data(0, kKindRole).toInt()),
          item.data(0, kPictureRole).toInt(),
          item.childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator};
}

}  // namespace

ExplorerTabController::ExplorerTabController(QWidget& window, const PageWidgets& pages,
                                             Binder& binder, Dialogs& dialogs, Launcher& launcher,
                                             std::string& localPageFile, Runner run)
    : run_(std::move(run)),
      explorer_({dialogs, launcher, *pages.Browser("WebBrowserTreeExplorerRight"),
                 *pages.Browser("WebBrowserTreeExplorerLeft"),
                 *pages.View("RichEditExPGMainRTabb05TreeExplorer"), localPageFile, WaitWithEvents},
                tab_),
      tree_(window.findChild<QTreeWidget*>("tv_Client")) {
  binder.Bind(window.findChild<QLabel*>("LabelTreeExpFilename"), &tab_.LabelTreeExpFilename);
  binder.Bind(window.findChild<QLabel*>("LabelTreeExpFileType"), &tab_.LabelTreeExpFileType);
  binder.Bind(window.findChild<QLabel*>("LabelTreeExpStatus"), &tab_.StatusText);
  binder.Bind(window.findChild<QComboBox*>("TreeExpComboBoxFSDir"), &tab_.TreeExpComboBoxFSDir);
  binder.Bind(window.findChild<QCheckBox*>("CheckBoxTreeExplorerDisplayLeft"),
              &tab_.CheckBoxTreeExplorerDisplayLeft);
  binder.Bind(window.findChild<QCheckBox*>("CheckBoxTreeExplorerDontChangeCharsetWithSave"),
              &tab_.CheckBoxTreeExplorerDontChangeCharsetWithSave);
  binder.Bind(window.findChild<RadioGroup*>("RadioGroupTreeExplorer"),
              &tab_.RadioGroupTreeExplorer);
  binder.Bind(window.findChild<RadioGroup*>("RadioGroupTreeExplorerSave"),
              &tab_.RadioGroupTreeExplorerSave);
  binder.Bind(window.findChild<QLineEdit*>("BtnEditTreeExplorerSave"),
              &tab_.BtnEditTreeExplorerSave);
  QObject::connect(window.findChild<QToolButton*>("sbTreeExplorerSave"), &QToolButton::clicked,
                   &window, [this] { run_([this] { explorer_.sbTreeExplorerSaveClick(); }); });
  ConnectTree(dialogs);
}

void ExplorerTabController::LoadPlaces(const std::string& mountTable, const std::string& home) {
  tree_->clear();
  auto* root = new QTreeWidgetItem(QStringList{QString::fromUtf8("ﾏｲ ｺﾝﾋﾟｭｰﾀ")});
  root->setIcon(0, QApplication::style()->standardIcon(QStyle::SP_ComputerIcon));
  tree_->addTopLevelItem(root);
  for (const TreeNode& place : DriveLevel(mountTable, home))
    root->addChild(ItemOf(place));
  root->setExpanded(true);
}

bool ExplorerTabController::Expand(QTreeWidgetItem* item) {
  if (item->parent() == nullptr) return true;  // the computer's places are made once
  const TreeNode node = NodeOf(*item);
  const FolderListing listing = ListFolder(node.path);
  qDeleteAll(item->takeChildren());
  if (!listing.listed) {
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
    item->setExpanded(false);
    tab_.StatusText =
        SjisFromUtf8Literal("ドライブ／フォルダーを指定できません： ") + Utf8ToSjis(node.path).text;
    return false;
  }
  if (listing.children.empty()) {
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
    tree_->setCurrentItem(item);
    return true;
  }
  for (const TreeNode& child : listing.children)
    item->addChild(ItemOf(child));
  return true;
}

void ExplorerTabController::ConnectTree(Dialogs& dialogs) {
  QObject::connect(
      tree_, &QTreeWidget::itemExpanded, tree_, [this, &dialogs](QTreeWidgetItem* item) {
        run_([this, item, &dialogs] {
          if (!Expand(item))
            dialogs.ShowMessage(SjisFromUtf8Literal("ドライブ／フォルダーを指定できません"),
                                MessageKind::Information);
        });
      });
  QObject::connect(tree_, &QTreeWidget::itemCollapsed, tree_, [this](QTreeWidgetItem* item) {
    if (item->parent() == nullptr) return;
    run_([this] { explorer_.CollapseNode(); });
  });
  QObject::connect(tree_, &QTreeWidget::itemClicked, tree_, [this](QTreeWidgetItem* item) {
    if (item->parent() == nullptr) return;
    const TreeNode node = NodeOf(*item);
    run_([this, node] { explorer_.ChooseNode(node); });
  });
  QObject::connect(tree_, &QTreeWidget::itemDoubleClicked, tree_,
                   [this] { run_([this] { explorer_.OpenWithAssociatedProgram(); }); });
  const auto item = [this](const char* caption, void (TreeExplorer::*command)()) {
    auto* action = new QAction(QString::fromUtf8(caption), tree_);
    tree_->addAction(action);
    QObject::connect(action, &QAction::triggered, tree_,
                     [this, command] { run_([this, command] { (explorer_.*command)(); }); });
  };
  item("拡張子で関連付けられた実行ファイルで起動する", &TreeExplorer::OpenWithAssociatedProgram);
  item("ＩＥ（ InternetExplorer ）で閲覧", &TreeExplorer::OpenInHtmlViewer);
  item("「メモ帳（ Notepad.exe ）」で開く", &TreeExplorer::OpenInTextEditor);
}

}  // namespace pellucor::app

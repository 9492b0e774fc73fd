// The file search tab's layout: the folder tree on the left, the search place on the right.
#include <QCheckBox>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/ControlFactory.h"
#include "app/FileSearchPlaceController.h"
#include "app/MainWindowTabs.h"

namespace pellucor::app {

const SearchPlaceNames kFileSearchTabNames = {
    "ComboBoxFSFile",           "ComboBoxFSDir",       "ComboBoxSearchPhrase",
    "sbFileSearchGo",           "sbFileSearchAbort",   "sbFileSearchListClear",
    "sbFileSearchFilename",     "sbFileSearchKeyWord", "sbFileSearchFilenameClear",
    "sbFileSearchKeyWordClear", "FoundFiles",          "StatusBarFileSearch"};

const SearchPlaceNames kExplorerSearchNames = {"TreeExpComboBoxFSFile",
                                               nullptr,
                                               "TreeExpComboBoxSearchPhrase",
                                               "sbTreeExpFileSearchGo",
                                               "sbTreeExpFileSearchAbort",
                                               "sbTreeExpFileSearchListClear",
                                               "sbTreeExpFileSearchFilename",
                                               "sbTreeExpFileSearchKeyWordPaste",
                                               "sbTreeExpFileSearchFilenameClear",
                                               "sbTreeExpFileSearchKeyWordClear",
                                               "TreeExpFoundFiles",
                                               "StatusBarTreeExpSearch"};

QWidget* BuildFileSearchTab(QWidget* parent) {
  QWidget* page = Page("PGMainTab07FileSearch", parent);
  auto* splitter = new QSplitter(Qt::Horizontal, page);
  auto* left = Named(new QWidget(splitter), "PanelPGMainTab07FileSearchLeft");
  auto* leftColumn = new QVBoxLayout(left);
  leftColumn->setContentsMargins(0, 0, 0, 0);
  // The folders of this computer, folders only.
  auto* folders = new QFileSystemModel(left);
  folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  folders->setRootPath("/");
  auto* tree = Named(new QTreeView(left), "TDirectoryTree");
  tree->setModel(folders);
  for (int column = 1; column < folders->columnCount(); ++column)
    tree->hideColumn(column);
  tree->header()->hide();
  tree->setRootIndex(folders->index("/"));
  leftColumn->addWidget(tree);
  auto* right = new QWidget(splitter);
  auto* rightColumn = new QVBoxLayout(right);
  auto* bar = new QHBoxLayout();
  bar->addStretch(1);
  bar->addWidget(CloseButton("sbFileSearchClose", right));
  rightColumn->addLayout(bar);
  BuildSearchPlace(kFileSearchTabNames, *right);
  // The time inputs the tab keeps hidden: no search reads them. The dates start today at
  // 00:00, the times now, as the window's start sets them.
  const QDateTime now = QDateTime::currentDateTime();
  for (const char* name : {"BeforeDate", "AfterDate"}) {
    auto* date = Named(new QDateEdit(QDate::currentDate(), right), name);
    date->hide();
  }
  for (const char* name : {"BeforeTime", "AfterTime"}) {
    auto* time = Named(new QTimeEdit(now.time(), right), name);
    time->hide();
  }
  for (const char* name : {"BD", "BT", "AD", "AT"}) {
    auto* bound = Named(new QCheckBox(right), name);
    bound->hide();
  }
  splitter->addWidget(left);
  splitter->addWidget(right);
  splitter->setStretchFactor(1, 1);
  page->layout()->addWidget(splitter);
  return page;
}

}  // namespace pellucor::app

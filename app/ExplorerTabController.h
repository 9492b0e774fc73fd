#pragma once

#include <functional>
#include <string>

#include "explorer/TreeExplorer.h"

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// The explorer tab's controller: the folder tree made from the places of this computer and
// listed again at every expansion, the chosen file shown through the explorer's commands, the
// tab's widgets bound and its commands connected.
namespace pellucor::app {

class Binder;
class PageWidgets;

class ExplorerTabController {
 public:
  using Runner = std::function<void(const std::function<void()>&)>;

  /// `localPageFile` is the local page tab's page field, which a chosen page fills.
  ExplorerTabController(QWidget& window, const PageWidgets& pages, Binder& binder, Dialogs& dialogs,
                        Launcher& launcher, std::string& localPageFile, Runner run);

  [[nodiscard]] ExplorerTab& tab() { return tab_; }
  [[nodiscard]] QTreeWidget& tree() { return *tree_; }
  /// Fills the tree's drive level: the places from the mount table and the home folder.
  void LoadPlaces(const std::string& mountTable, const std::string& home);

 private:
  /// Lists the node's folder as its children; false when the folder cannot be read.
  bool Expand(QTreeWidgetItem* item);
  void ConnectTree(Dialogs& dialogs);

  Runner run_;
  ExplorerTab tab_;
  TreeExplorer explorer_;
  QTreeWidget* tree_;
};

}  // namespace pellucor::app

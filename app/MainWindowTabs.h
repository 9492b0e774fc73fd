#pragma once

class QString;
class QTabWidget;
class QWidget;

// The pages of PGMain, laid out with their named panels, sub-tabs and the controls the settings
// and the window's commands read and write; the later parts of each tab fill them.
namespace pellucor::app {

QWidget* BuildNetSearchTab(QWidget* parent);
QWidget* BuildDownloadTab(QWidget* parent);
QWidget* BuildLocalPageTab(QWidget* parent);
QWidget* BuildFlashTab(QWidget* parent);
QWidget* BuildExplorerTab(QWidget* parent);
QWidget* BuildWebCodeTab(QWidget* parent);
QWidget* BuildFileSearchTab(QWidget* parent);

/// Shows the named page below `root` in the page control it lies on; nothing for no such page.
void SelectSubTab(QWidget& root, const QString& pageName);

}  // namespace pellucor::app

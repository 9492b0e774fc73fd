#pragma once

#include <QString>
#include <QStringList>
#include <map>

// The named controls of the window's data file (tests/fixtures/gui-controls.py), by group (a
// tab, or the main window with its menus and secondary windows) and kind.
namespace pellucor::app::testing {

using ControlGroups = std::map<QString, std::map<QString, QStringList>>;

/// Every group of the file at `path`; empty when it cannot be read.
[[nodiscard]] ControlGroups ReadControlNames(const QString& path);

}  // namespace pellucor::app::testing

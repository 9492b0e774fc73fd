// The file search tab's search as the window runs it (Qt's offscreen platform): a mask over a
// folder tree, the rows shown in the list as the worker finds them. Prints the wall time from
// the start button to the summary, the rows shown, and the longest time the window's event
// loop went without serving a 10 ms timer (how long the window could not repaint).
//   search_tab_bench [FOLDER [MASK]]   (default /usr and *.h)
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <string>

#include "app/FileSearchPlaceController.h"
#include "app/QtPorts.h"
#include "ports/SystemLauncher.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const std::string folder = argc > 1 ? argv[1] : "/usr";
  const QString mask = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString("*.h");
  using namespace pellucor;
  using namespace pellucor::app;
  QWidget window;
  BuildSearchPlace(kFileSearchTabNames, window);
  QtClipboard clipboard;
  SystemLauncher launcher;
  FileSearchPlaceController search(
      window, kFileSearchTabNames, SearchPlaceKind::FileSearchTab, clipboard, launcher,
      [&folder] { return folder; }, [](const std::function<void()>& command) { command(); });
  window.resize(1000, 700);
  window.show();
  window.findChild<QComboBox*>("ComboBoxFSFile")->setEditText(mask);

  qint64 longestGap = 0;
  QElapsedTimer sinceTick;
  QTimer ticks;
  ticks.setInterval(10);
  QObject::connect(&ticks, &QTimer::timeout,
                   [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
  QElapsedTimer wall;
  auto* start = window.findChild<QToolButton*>("sbFileSearchGo");
  QTimer::singleShot(0, [&] {
    sinceTick.start();
    ticks.start();
    wall.start();
    start->click();
  });
  // The search has ended when the start button is usable again.
  QTimer done;
  done.setInterval(5);
  QObject::connect(&done, &QTimer::timeout, [&] {
    if (wall.isValid() && start->isEnabled() && !search.place().finder().IsBusy())
      application.quit();
  });
  done.start();
  application.exec();
  const qint64 elapsed = wall.elapsed();
  std::printf(
      "search tab: %s in %s: %d rows shown in %.3f s; longest time without events %lld ms\n",
      mask.toLocal8Bit().constData(), folder.c_str(),
      window.findChild<QTreeWidget*>("FoundFiles")->topLevelItemCount(),
      static_cast<double>(elapsed) / 1000.0, static_cast<long long>(longestGap));
  return 0;
}

// The window on a real X server (make test runs it under xvfb-run): it is shown with its
// Japanese captions in a font that has their glyphs, a screenshot is kept in the build folder,
// and the window closes through its menu.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "app/MainWindow.h"
#include "support/TempFolder.h"

namespace pellucor::app {

class ScreenshotTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTheWindowWithJapaneseCaptions() {
    if (QGuiApplication::platformName() != "xcb") QSKIP("needs an X server (xvfb-run)");
    pellucor::testing::TempFolder folder;
    std::filesystem::create_directories(folder / "bin");
    MainWindow window({folder / "bin/pellucor", folder / "config"});
    window.show();
    window.Start();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* tabs = window.findChild<QTabWidget*>("PGMain");
    QVERIFY(tabs != nullptr);
    // Every caption's characters are in the font the tab row draws with (or its fallbacks):
    // none is drawn as an empty box.
    for (int i = 0; i < tabs->count(); ++i) {
      const QString caption = tabs->tabText(i);
      const QFontMetrics metrics(tabs->tabBar()->font());
      for (const QChar character : caption) {
        if (character.isSpace()) continue;
        QVERIFY2(metrics.inFontUcs4(character.unicode()) ||
                     QFontMetrics(QFont("Noto Sans CJK JP")).inFontUcs4(character.unicode()),
                 qPrintable(caption));
      }
    }
    QTest::qWait(200);  // the first paint settles
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    QVERIFY(!shot.isNull());
    QDir().mkpath(QFileInfo(PELLUCOR_SCREENSHOT).absolutePath());
    QVERIFY(shot.save(PELLUCOR_SCREENSHOT));
    window.findChild<QAction*>("MenuFileClose")->trigger();
    QVERIFY(!window.isVisible());
  }
};

}  // namespace pellucor::app

QTEST_MAIN(pellucor::app::ScreenshotTest)
#include "ScreenshotTest.moc"

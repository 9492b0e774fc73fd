// The window on a real X server (make test runs it under xvfb-run): it is shown with its
// Japanese captions in a font that has their glyphs, a screenshot is kept in the build folder,
// and the window closes through its menu.
#include <dlfcn.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <filesystem>
#include <memory>

#include "WebEngineTestMain.h"
#include "analysis/PageHighlight.h"
#include "app/ExplorerTabController.h"
#include "app/MainWindow.h"
#include "app/MainWindowTabs.h"
#include "app/PageWidgets.h"
#include "app/QtBrowser.h"
#include "app/QtTextView.h"
#include "demo/DemoServer.h"
#include "support/TempFolder.h"
#include "syntax/ViewColoring.h"
#include "text/CodePage932.h"

namespace pellucor::app {

// A started window with a program folder and a settings folder of its own.
struct ShownWindow {
  pellucor::testing::TempFolder folder;
  std::unique_ptr<MainWindow> window;
  ShownWindow() {
    std::filesystem::create_directories(folder / "bin");
    window = std::make_unique<MainWindow>(StartupPaths{folder / "bin/pellucor", folder / "config"});
    window->show();
    window->Start();
  }
};

class ScreenshotTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTheWindowWithJapaneseCaptions() {
    if (QGuiApplication::platformName() != "xcb") QSKIP("needs an X server (xvfb-run)");
    ShownWindow shown;
    MainWindow& window = *shown.window;
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

  // A coloured Japanese source in the rich text view, kept beside the window's screenshot.
  void ShowsAColouredJapaneseSource() {
    if (QGuiApplication::platformName() != "xcb") QSKIP("needs an X server (xvfb-run)");
    QtTextView view("RichEditExPGTab02RTab02HTMLSrc");
    view.resize(720, 360);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    std::string page = SjisFromUtf8Literal(
        "<html><head><title>見本</title></head>\r\n<body bgcolor=\"#ffffff\">\r\n"
        "<!-- 表示・ソフト・十二・能力 -->\r\n<p class=\"note\">日本語の文章です。</p>\r\n"
        "<a href=\"/shop/item.html?id=42&amp;c=7\">商品を見る</a>\r\n</body></html>\r\n");
    view.SetText(page);
    ColorizeHtmlView(view, [](std::chrono::milliseconds) {});
    QTest::qWait(200);
    const QPixmap shot = view.screen()->grabWindow(view.winId());
    QVERIFY(!shot.isNull());
    QVERIFY(shot.save(QFileInfo(PELLUCOR_SCREENSHOT).absolutePath() + "/text-view.png"));
  }

  // The download tab with a page in its browser, three words highlighted, and the page's
  // source coloured beside it, kept as highlighted-page.png.
  void ShowsAHighlightedPageBesideItsSource() {
    if (QGuiApplication::platformName() != "xcb") QSKIP("needs an X server (xvfb-run)");
    ShownWindow shown;
    MainWindow& window = *shown.window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QTabWidget*>("PGMain")->setCurrentWidget(
        window.findChild<QWidget*>("PGMainTab02Dowload"));
    const std::string page = SjisFromUtf8Literal(
        "<html><head><title>見本</title></head>\r\n<body>\r\n<h1>日本語の見本ページ</h1>\r\n"
        "<p>ソフトの価格は1,980円です。Pellucor は pages を保存します。</p>\r\n"
        "<p>もう一度：価格、日本語、pages。</p>\r\n</body></html>\r\n");
    QtBrowser* browser = window.pages().Browser("WebBrowserDownload");
    browser->WriteDocument(page);
    struct : EventPump {
      void ProcessPendingEvents() override {}
      void SetBusyCursor(BusyCursor) override {}
    } pump;
    QVERIFY(browser != nullptr);
    QCOMPARE(
        SearchAndHighlightText(
            *browser, {SjisFromUtf8Literal("日本語"), SjisFromUtf8Literal("価格"), "pages"}, pump),
        MarkOutcome::Marked);
    QtTextView* source = window.pages().View("RichEditExPGTab02RTab02HTMLSrc");
    source->SetText(page);
    ColorizeHtmlView(*source, [](std::chrono::milliseconds) {});
    QTest::qWait(500);  // the browser paints its marks
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    QVERIFY(shot.save(QFileInfo(PELLUCOR_SCREENSHOT).absolutePath() + "/highlighted-page.png"));
    window.close();
  }

  // The net search tab with a keyword typed, the web code converter after a conversion and the
  // Flash tab after a movie, kept as net-search.png, web-code.png and flash.png.
  void ShowsTheSearchConverterAndFlashTabs() {
    if (QGuiApplication::platformName() != "xcb") QSKIP("needs an X server (xvfb-run)");
    ShownWindow shown;
    MainWindow& window = *shown.window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* tabs = window.findChild<QTabWidget*>("PGMain");
    const auto shoot = [&](const char* file) {
      QTest::qWait(500);
      const QPixmap shot = window.screen()->grabWindow(window.winId());
      QVERIFY(shot.save(QFileInfo(PELLUCOR_SCREENSHOT).absolutePath() + "/" + file));
    };
    window.findChild<QComboBox*>("ComboBoxSearchKeyWord")->setEditText(QString::fromUtf8("見本"));
    shoot("net-search.png");

    tabs->setCurrentWidget(window.findChild<QWidget*>("PGMainTabb06WebDecode"));
    window.findChild<QPlainTextEdit*>("MemolPGMainTabab05WebDecodeLeftWebCodeOrgSrc")
        ->setPlainText(QString::fromUtf8("ウェブの日本語"));
    window.findChild<QPushButton*>("btnWebCodeLeftEncode")->click();
    window.findChild<QPushButton*>("btnWebCodeRightDecode")->click();
    QCOMPARE(window.findChild<QPlainTextEdit*>("MemolPGMainTabab05WebDecodeLeftWebCodeOrgResult")
                 ->toPlainText(),
             QString::fromUtf8("ウェブの日本語"));
    shoot("web-code.png");

    tabs->setCurrentWidget(window.findChild<QWidget*>("PGMainTab04FlashPlayer"));
    window.findChild<QLineEdit*>("BtnEditLocalFlashPlayer")->setText("/movies/見本.swf");
    window.findChild<QToolButton*>("sbFlashPlayerOpenGo")->click();
    shoot("flash.png");

    // The explorer with a folder listed and a text file chosen, kept as explorer.png.
    const std::string folder = shown.folder / "site";
    std::filesystem::create_directories(folder + "/css");
    pellucor::testing::WriteBytes(folder + "/page.html",
                                  "<html><body><h1>見本のページ</h1><p>本文</p></body></html>");
    pellucor::testing::WriteBytes(folder + "/notes.txt", "メモ");
    window.explorerTab().LoadPlaces("", folder);
    tabs->setCurrentWidget(window.findChild<QWidget*>("PGMainTab05TreeExplorer"));
    QTreeWidget& tree = window.explorerTab().tree();
    QTreeWidgetItem* home = tree.topLevelItem(0)->child(1);
    home->setExpanded(true);
    QVERIFY(home->childCount() == 3);
    emit tree.itemClicked(home->child(1), 0);
    QTRY_VERIFY(!window.pages().Browser("WebBrowserTreeExplorerRight")->Busy());
    shoot("explorer.png");

    // The file search tab after a search of the same folder.
    tabs->setCurrentWidget(window.findChild<QWidget*>("PGMainTab07FileSearch"));
    window.findChild<QComboBox*>("ComboBoxFSDir")->setEditText(QString::fromStdString(folder));
    window.findChild<QComboBox*>("ComboBoxFSFile")->setEditText("*.*");
    window.findChild<QToolButton*>("sbFileSearchGo")->click();
    QTRY_VERIFY(window.findChild<QToolButton*>("sbFileSearchGo")->isEnabled());
    QTRY_COMPARE(window.findChild<QTreeWidget*>("FoundFiles")->topLevelItemCount(), 2);
    shoot("file-search.png");
    window.close();
  }

  // The download tab after a run of the sample site from its button, as `make run` starts it,
  // kept as download-tab.png.
  void ShowsTheDownloadTabAfterARunOfTheSampleSite() {
    if (QGuiApplication::platformName() != "xcb") QSKIP("needs an X server (xvfb-run)");
    pellucor::DemoServer site(PELLUCOR_DEMO_SITE);
    QVERIFY(site.ok());
    ShownWindow shown;
    MainWindow& window = *shown.window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    std::filesystem::create_directories(shown.folder / "saved");
    window.ShowOnDownloadTab(site.Url("/index.html"), shown.folder / "saved/");
    window.findChild<QPushButton*>("btnDownloadAll")->click();
    QCOMPARE(window.download().LabelDownloadedFile, SjisFromUtf8Literal("【 ダウンロード完了 】"));
    QtBrowser* result = window.pages().Browser("WebBrowserDownloadResult");
    QTRY_VERIFY(result->LocationUrl().starts_with("file://") && !result->Busy());
    QTest::qWait(1000);  // the saved page's pictures are painted
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    QVERIFY(shot.save(QFileInfo(PELLUCOR_SCREENSHOT).absolutePath() + "/download-tab.png"));

    // The style sheet pane with its first row opened in the text workbench, kept as
    // download-workbench.png.
    SelectSubTab(window, "PGTab02LTab02PageCSSJS");
    auto* sheets = window.findChild<QListWidget*>("ListBoxPGTab02LTab02PageWebCSS");
    QVERIFY(sheets->count() > 0);
    emit sheets->itemClicked(sheets->item(0));
    QVERIFY(!window.download().MemoPGTab02RTab07Individual.empty());
    QTest::qWait(300);
    const QPixmap bench = window.screen()->grabWindow(window.winId());
    QVERIFY(bench.save(QFileInfo(PELLUCOR_SCREENSHOT).absolutePath() + "/download-workbench.png"));

    // The local page tab shows the saved page beside its source, with a keyword searched in
    // the source, kept as local-page.png.
    window.findChild<QTabWidget*>("PGMain")->setCurrentWidget(
        window.findChild<QWidget*>("PGMainTab03BrowseLocalFile"));
    QtBrowser* local = window.pages().Browser("WebBrowserConfirmLocalFile");
    QTRY_VERIFY(local->LocationUrl().starts_with("file://") && !local->Busy());
    window.findChild<QComboBox*>("ComboBoxDLHTMLSearch")->setEditText("div href");
    window.findChild<QToolButton*>("sbLocaFileSearchKeyWodGo")->click();
    QVERIFY(
        window.findChild<QListWidget*>("ListBoxPGMainTab03LocalLeftTab02THTMLSearchList")->count() >
        0);
    window.findChild<QToolButton*>("sbLocalHTMLColoList")->click();
    QTest::qWait(1000);
    const QPixmap localShot = window.screen()->grabWindow(window.winId());
    QVERIFY(localShot.save(QFileInfo(PELLUCOR_SCREENSHOT).absolutePath() + "/local-page.png"));
    window.close();
  }
};

}  // namespace pellucor::app

// On a real display Qt loads the X server's GL driver for the shared contexts, and with it
// Mesa's GL dispatch library, which keeps the names it registers in its own tables. Unloaded
// with the driver before the process ends, its tables go and the leak checker reports those
// names (from a library it can no longer name); kept loaded, they stay reachable.
[[maybe_unused]] static void* const kGlDispatchKept =
    dlopen("libglapi.so.0", RTLD_NOW | RTLD_NODELETE);

PELLUCOR_WEBENGINE_TEST_MAIN(pellucor::app::ScreenshotTest)
#include "ScreenshotTest.moc"

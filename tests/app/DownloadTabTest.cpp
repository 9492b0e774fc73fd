// The download tab in the window, against the loopback server: a page navigated from the URL
// box fills the browser and the source views; a run from the download button fills the result
// panes, saves the page and shows it on the right; the stop button is served while a slow
// server keeps a file pending.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "WebEngineTestMain.h"
#include "app/DownloadTabController.h"
#include "app/MainWindow.h"
#include "app/PageWidgets.h"
#include "app/QtBrowser.h"
#include "app/QtTextView.h"
#include "support/LoopbackServer.h"
#include "support/TempFolder.h"
#include "text/CodePage932.h"

namespace pellucor::app {

class DownloadTabTest : public QObject {
  Q_OBJECT

  pellucor::testing::LoopbackServer server_;

  struct Window {
    pellucor::testing::TempFolder folder;
    std::unique_ptr<MainWindow> window;
    Window() {
      std::filesystem::create_directories(folder / "bin");
      std::filesystem::create_directories(folder / "saved");
      window = std::make_unique<MainWindow>(StartupPaths{folder / "bin/pellucor", folder / "cfg"});
      window->show();
      window->Start();
    }
    template <typename Widget>
    Widget* Find(const char* name) const {
      return window->findChild<Widget*>(name);
    }
    void Request(const std::string& url) {
      Find<QComboBox>("ComboBoxWBUrl")->setEditText(QString::fromStdString(url));
      Find<QLineEdit>("BtnEditWBPageSaveFolder")
          ->setText(QString::fromStdString(folder / "saved/"));
    }
  };

 private slots:
  void NavigateFillsTheBrowserAndTheSourceViews() {
    server_.Serve("/n/page.html",
                  "<html><head><meta charset=\"utf-8\"><title>見本</title>"
                  "<base href=\"http://example.com/\"></head><body><p>日本語</p></body></html>");
    Window place;
    place.Request(server_.Url("/n/page.html"));
    QTest::keyClick(place.Find<QComboBox>("ComboBoxWBUrl")->lineEdit(), Qt::Key_Return);
    QtBrowser* browser = place.window->pages().Browser("WebBrowserDownload");
    QTRY_COMPARE(browser->LocationUrl(), server_.Url("/n/page.html"));
    const std::string source = place.window->pages().View("RichEditExPGTab02RTab02HTMLSrc")->Text();
    QVERIFY(source.find(SjisFromUtf8Literal("<p>日本語</p>")) != std::string::npos);
    QVERIFY(!place.window->pages().View("RichEditExPGTab02LTab12OrgHTML")->Text().empty());
    // The base tag is told; the URL joined the box's history.
    QVERIFY(place.Find<QLabel>("LabelDownloadedFile")->text().contains("example.com"));
    QCOMPARE(place.Find<QComboBox>("ComboBoxWBUrl")->count(), 1);
    QVERIFY(place.window->windowTitle().contains("/n/page.html"));
  }

  void ARunFromTheButtonFillsThePanesAndShowsTheSavedPage() {
    server_.Serve("/r/index.html",
                  "<html><head><link rel=\"stylesheet\" href=\"s.css\"></head>"
                  "<body><img src=\"a.gif\"><p>page</p></body></html>");
    server_.Serve("/r/s.css", "p { color: red }", "text/css");
    server_.Serve("/r/a.gif", std::string("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13), "image/gif");
    Window place;
    place.Request(server_.Url("/r/index.html"));
    place.Find<QPushButton>("btnDownloadAll")->click();
    QCOMPARE(place.Find<QLabel>("LabelDownloadedFile")->text(),
             QString::fromUtf8("【 ダウンロード完了 】"));
    const std::string saved = place.window->downloadTab().engine().run.LocalPageFile;
    QVERIFY2(std::filesystem::exists(saved), saved.c_str());
    QVERIFY(place.Find<QListWidget>("ListBoxPGTab02LTab02PageWebCSS")->count() > 0);
    QVERIFY(place.Find<QListWidget>("ListBoxPGTab02LTab03PageImage")->count() > 0);
    QVERIFY(place.Find<QListWidget>("ListBoxPGTab02LTab03PageImageDownloaedImage")->count() > 0);
    QVERIFY(!place.window->pages().View("RichEditExPGTab02LTab09LocalFileHTML")->Text().empty());
    // The offline check's summary heads the style sheet files pane.
    QCOMPARE(place.Find<QListWidget>("ListBoxPGTab02LTab02PageFileDownloaedCSSJS")->item(0)->text(),
             QString::fromUtf8("◇【 オフライン確認 】 2 個の参照、すべて保存済み"));
    QtBrowser* result = place.window->pages().Browser("WebBrowserDownloadResult");
    QTRY_VERIFY(result->LocationUrl().starts_with("file://"));
    QVERIFY(place.Find<QPushButton>("btnDownloadAll")->isEnabled());
  }

  // A server that answers an image slowly: the window's events run while it waits, and the
  // stop button ends the run with the page and its panes left on screen.
  void TheStopButtonIsServedWhileAFileIsPending() {
    server_.Serve("/s/index.html", "<html><body><img src=\"slow.gif\"><p>s</p></body></html>");
    server_.Drip("/s/slow.gif", 100000, std::chrono::milliseconds(50));
    Window place;
    place.Request(server_.Url("/s/index.html"));
    bool timerFired = false;
    QTimer::singleShot(300, [&] { timerFired = true; });
    QTimer::singleShot(800, [&] { place.Find<QPushButton>("btnDownloadStop")->click(); });
    place.Find<QPushButton>("btnDownloadAll")->click();
    QVERIFY(timerFired);
    const std::string saved = place.window->downloadTab().engine().run.LocalPageFile;
    QVERIFY2(std::filesystem::exists(saved), saved.c_str());
    QVERIFY(place.Find<QPushButton>("btnDownloadAll")->isEnabled());
  }
};

}  // namespace pellucor::app

PELLUCOR_WEBENGINE_TEST_MAIN(pellucor::app::DownloadTabTest)
#include "DownloadTabTest.moc"

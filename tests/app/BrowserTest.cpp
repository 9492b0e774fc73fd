// The desktop's browser through the Browser port, on pages of a loopback server and of a
// temporary folder: navigation, the live document after its scripts ran, the images in order,
// a written document, refusals, and reads that give up on a page that never finishes.
#include <QApplication>
#include <QTest>
#include <string>

#include "app/QtBrowser.h"
#include "support/LoopbackServer.h"
#include "support/TempFolder.h"
#include "text/CodePage932.h"

namespace pellucor::app {

class BrowserTest : public QObject {
  Q_OBJECT

 private slots:
  void ReadsTheLiveDocument() {
    pellucor::testing::LoopbackServer server;
    server.Serve("/page.html",
                 "<html><head><meta charset=\"utf-8\"><title>t</title></head><body>"
                 "<img src=\"a.gif\"><p id=\"p\">before</p><img src=\"/img/b.gif\">"
                 "<script>document.getElementById('p').textContent = '日本語';</script>"
                 "</body></html>");
    QtBrowser browser("WebBrowserDownload");
    browser.Navigate(server.Url("/page.html"));
    // The reads wait for the page: the document is the new page, after its script ran.
    const std::string html = browser.DocumentOuterHtml();
    QVERIFY2(html.find(SjisFromUtf8Literal("<p id=\"p\">日本語</p>")) != std::string::npos,
             html.c_str());
    QCOMPARE(browser.LocationUrl(), server.Url("/page.html"));
    const std::vector<std::string> images = browser.ImageAddresses();
    QCOMPARE(images.size(), std::size_t{2});
    QCOMPARE(images[0], server.Url("/a.gif"));
    QCOMPARE(images[1], server.Url("/img/b.gif"));

    // Addresses that load nothing of the web's own are refused.
    browser.Navigate("javascript:alert(1)");
    browser.Navigate("data:text/html,<p>x</p>");
    QCOMPARE(browser.LocationUrl(), server.Url("/page.html"));
  }

  void WritesAndOpensLocalFiles() {
    pellucor::testing::TempFolder folder;
    pellucor::testing::WriteBytes(folder / "saved.html", "<html><body><p>saved</p></body></html>");
    QtBrowser browser("WebBrowserDownloadResult");
    browser.Navigate(folder / "saved.html");
    QVERIFY(browser.DocumentOuterHtml().find("<p>saved</p>") != std::string::npos);
    QVERIFY(browser.LocationUrl().starts_with("file://"));
    browser.WriteDocument(SjisFromUtf8Literal("<html><body><b>書いた</b></body></html>"));
    QVERIFY(browser.DocumentOuterHtml().find(SjisFromUtf8Literal("<b>書いた</b>")) !=
            std::string::npos);
    browser.Navigate("about:blank");
    QCOMPARE(browser.LocationUrl(), std::string("about:blank"));
  }

  // A page that never finishes loading: the read gives up at its limit with "no document".
  void AHungPageDoesNotHangTheReads() {
    pellucor::testing::LoopbackServer server;
    server.Hang("/slow.html", "<html><body><p>part", 100000);
    QtBrowser browser("WebBrowserNSBase");
    browser.waitLimit = std::chrono::milliseconds(500);
    browser.Navigate(server.Url("/slow.html"));
    QCOMPARE(browser.DocumentOuterHtml(), std::string());
    QVERIFY(browser.ImageAddresses().empty());
    browser.stop();
  }
};

}  // namespace pellucor::app

// Qt WebEngine wants its contexts shared before the application exists.
int main(int argc, char** argv) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication application(argc, argv);
  pellucor::app::BrowserTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "BrowserTest.moc"

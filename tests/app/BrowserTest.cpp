// The desktop's browser through the Browser port, on pages of a loopback server and of a
// temporary folder: navigation, the live document after its scripts ran, the images in order,
// a written document, refusals, and reads that give up on a page that never finishes.
#include <QApplication>
#include <QTest>
#include <string>

#include "WebEngineTestMain.h"
#include "analysis/PageHighlight.h"
#include "app/QtBrowser.h"
#include "support/LoopbackServer.h"
#include "support/TempFolder.h"
#include "text/CodePage932.h"

namespace pellucor::app {

class BrowserTest : public QObject {
  Q_OBJECT

  // One server for every test: Chromium's network service keeps its connections open for the
  // process's life, and each server would wait for them when it stops.
  pellucor::testing::LoopbackServer server_;

 private slots:
  void ReadsTheLiveDocument() {
    server_.Serve("/page.html",
                  "<html><head><meta charset=\"utf-8\"><title>t</title></head><body>"
                  "<img src=\"a.gif\"><p id=\"p\">before</p><img src=\"/img/b.gif\">"
                  "<script>document.getElementById('p').textContent = '日本語';</script>"
                  "</body></html>");
    QtBrowser browser("WebBrowserDownload");
    browser.Navigate(server_.Url("/page.html"));
    // The reads wait for the page: the document is the new page, after its script ran.
    const std::string html = browser.DocumentOuterHtml();
    QVERIFY2(html.find(SjisFromUtf8Literal("<p id=\"p\">日本語</p>")) != std::string::npos,
             html.c_str());
    QCOMPARE(browser.LocationUrl(), server_.Url("/page.html"));
    const std::vector<std::string> images = browser.ImageAddresses();
    QCOMPARE(images.size(), std::size_t{2});
    QCOMPARE(images[0], server_.Url("/a.gif"));
    QCOMPARE(images[1], server_.Url("/img/b.gif"));

    // Addresses that load nothing of the web's own are refused.
    browser.Navigate("javascript:alert(1)");
    browser.Navigate("data:text/html,<p>x</p>");
    QCOMPARE(browser.LocationUrl(), server_.Url("/page.html"));
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

  // The events a page raises reach the handlers: a navigation is asked about first and can be
  // cancelled, its commit and its end are told with the address, the title and the progress;
  // a new window opens in the browser the handler supplies.
  void EventsReachTheirHandlers() {
    server_.Serve("/e/page.html",
                  "<html><head><title>first</title></head><body>"
                  "<a id=\"go\" href=\"next.html\">next</a>"
                  "<a id=\"pop\" href=\"popup.html\" target=\"_blank\">popup</a></body></html>");
    server_.Serve("/e/next.html", "<html><head><title>next</title></head><body>n</body></html>");
    server_.Serve("/e/popup.html", "<html><head><title>popup</title></head><body>p</body></html>");
    QtBrowser browser("WebBrowserNSBase");
    QtBrowser opened("WebBrowserNSNewWindow");
    std::vector<std::string> asked;
    std::vector<std::string> completed;
    std::string title;
    int lastProgress = 0;
    bool allow = false;
    bool supplyWindow = true;
    BrowserEvents events;
    events.beforeNavigate = [&](std::string_view url) {
      asked.emplace_back(url);
      return allow || url.ends_with("/e/page.html");
    };
    events.documentComplete = [&](std::string_view url) { completed.emplace_back(url); };
    events.titleChange = [&](std::string_view text) { title = std::string(text); };
    events.progress = [&](int percent) { lastProgress = percent; };
    events.newWindow = [&]() -> Browser* { return supplyWindow ? &opened : nullptr; };
    browser.SetEvents(events);
    browser.Navigate(server_.Url("/e/page.html"));
    QTRY_VERIFY(!browser.Busy() && !completed.empty());
    QCOMPARE(completed.back(), server_.Url("/e/page.html"));
    QCOMPARE(title, std::string("first"));
    QCOMPARE(browser.LocationName(), std::string("first"));
    QCOMPARE(lastProgress, 100);

    // Cancelled: the page stays.
    browser.page()->runJavaScript("document.getElementById('go').click()");
    QTRY_VERIFY(!asked.empty() && asked.back() == server_.Url("/e/next.html"));
    QTest::qWait(300);
    QCOMPARE(browser.LocationUrl(), server_.Url("/e/page.html"));
    // Allowed: it goes.
    allow = true;
    browser.page()->runJavaScript("document.getElementById('go').click()");
    QTRY_COMPARE(browser.LocationUrl(), server_.Url("/e/next.html"));
    QTRY_VERIFY(!browser.Busy());

    // A new window opens in the browser supplied for it.
    browser.Navigate(server_.Url("/e/page.html"));
    QTRY_VERIFY(!browser.Busy() && browser.LocationUrl() == server_.Url("/e/page.html"));
    browser.page()->runJavaScript("document.getElementById('pop').click()");
    QTRY_COMPARE(opened.LocationUrl(), server_.Url("/e/popup.html"));
  }

  // The status text follows the pointer over a link and is emptied when it leaves.
  void StatusTextFollowsThePointer() {
    pellucor::testing::TempFolder folder;
    pellucor::testing::WriteBytes(
        folder / "links.html",
        "<html><body style=\"margin:0\"><a href=\"http://example.com/x\" "
        "style=\"display:block;width:200px;height:100px\">link</a></body></html>");
    QtBrowser browser("WebBrowserDownload");
    browser.resize(400, 300);
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    std::string status = "none";
    BrowserEvents events;
    events.statusText = [&](std::string_view text) { status = std::string(text); };
    browser.SetEvents(events);
    browser.Navigate(folder / "links.html");
    QTRY_VERIFY(!browser.Busy());
    QTest::qWait(200);
    QWidget* target = browser.focusProxy() != nullptr ? browser.focusProxy() : &browser;
    QTest::mouseMove(target, QPoint(50, 50));
    QTRY_COMPARE(status, std::string("http://example.com/x"));
    QTest::mouseMove(target, QPoint(300, 250));
    QTRY_COMPARE(status, std::string());
  }

  // A click on the document reaches the click handler with the element's tag, link and image;
  // the handler's no keeps the page, its yes follows the link; without a handler a link is
  // followed as usual.
  void ClicksReachTheHandler() {
    server_.Serve("/c/page.html",
                  "<html><body style=\"margin:0\">"
                  "<a href=\"next.html\" style=\"display:block;height:100px\">"
                  "<img src=\"pic.gif\" style=\"display:block;width:100px;height:50px\"></a>"
                  "<p style=\"margin:0;height:100px\">text</p></body></html>");
    server_.Serve("/c/next.html", "<html><body>next</body></html>");
    server_.Serve("/c/pic.gif", std::string("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13), "image/gif");
    QtBrowser browser("WebBrowserDownload");
    browser.resize(400, 300);
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    std::vector<ClickedElement> clicks;
    bool answer = false;
    BrowserEvents events;
    events.click = [&](const ClickedElement& element) {
      clicks.push_back(element);
      return answer;
    };
    browser.SetEvents(events);
    browser.Navigate(server_.Url("/c/page.html"));
    QTRY_VERIFY(!browser.Busy());
    QTest::qWait(200);
    QWidget* target = browser.focusProxy() != nullptr ? browser.focusProxy() : &browser;

    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(50, 25));  // the image in the link
    QTRY_COMPARE(clicks.size(), std::size_t{1});
    QCOMPARE(clicks[0].tag, std::string("IMG"));
    QCOMPARE(clicks[0].image, server_.Url("/c/pic.gif"));
    QCOMPARE(clicks[0].link, server_.Url("/c/next.html"));
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(50, 150));  // the paragraph
    QTRY_COMPARE(clicks.size(), std::size_t{2});
    QCOMPARE(clicks[1].tag, std::string("P"));
    QCOMPARE(clicks[1].link, std::string());
    QTest::qWait(300);
    QCOMPARE(browser.LocationUrl(), server_.Url("/c/page.html"));  // the handler said no

    answer = true;
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(200, 75));  // the link itself
    QTRY_COMPARE(browser.LocationUrl(), server_.Url("/c/next.html"));
    QCOMPARE(clicks.back().tag, std::string("A"));

    // The page's own scripts cannot pass for the listener.
    const std::size_t reported = clicks.size();
    browser.page()->runJavaScript(
        "console.log('pellucor-click:' + JSON.stringify({tag: 'A', link: 'http://x/', image: "
        "''}))");
    QTest::qWait(300);
    QCOMPARE(clicks.size(), reported);

    // No handler: the link is followed as usual.
    browser.SetEvents({});
    browser.Navigate(server_.Url("/c/page.html"));
    QTRY_VERIFY(!browser.Busy() && browser.LocationUrl() == server_.Url("/c/page.html"));
    QTest::qWait(200);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(200, 75));
    QTRY_COMPARE(browser.LocationUrl(), server_.Url("/c/next.html"));
  }

  // The words of a highlight box marked in the page shown: each word in its colour in list
  // order, letters without case, a word searched twice nested in its first mark, nothing in
  // scripts or hidden text, nothing in a frameset, nothing while a page loads.
  void HighlightsWordsInThePage() {
    struct : EventPump {
      void ProcessPendingEvents() override {}
      void SetBusyCursor(BusyCursor) override {}
    } pump;
    QtBrowser browser("WebBrowserDownload");
    browser.WriteDocument(SjisFromUtf8Literal(
        "<html><body><p>Alpha beta ALPHA <b>gamma</b> 日本語 x</p>"
        "<p style=\"display:none\">alpha</p><script>var alpha = 1;</script></body></html>"));
    const std::vector<std::string> words =
        HighlightSearch(SjisFromUtf8Literal(" alpha  gamma 日本 eta eta x y z "), browser, pump);
    QCOMPARE(words.size(), std::size_t{8});
    const auto tag = [](std::size_t place) { return std::string(HighlightOpeningTag(place)); };
    const std::string html = browser.DocumentOuterHtml();
    for (const std::string& marked :
         {tag(0) + "Alpha</span>", tag(0) + "ALPHA</span>", "<b>" + tag(1) + "gamma</span></b>",
          tag(2) + SjisFromUtf8Literal("日本</span>語"),
          // "eta" twice: the second mark nested inside the first
          "b" + tag(3) + tag(4) + "eta</span></span>", tag(5) + "x</span>",
          // text that is not shown keeps no mark
          std::string("display:none\">alpha</p>"), std::string("var alpha = 1;")})
      QVERIFY2(html.find(marked) != std::string::npos, (marked + "\n" + html).c_str());

    browser.WriteDocument(
        "<html><frameset cols=\"50%,50%\"><frame src=\"about:blank\"></frameset></html>");
    QCOMPARE(SearchAndHighlightText(browser, {"frame"}, pump), MarkOutcome::NoDocument);

    server_.Hang("/loading.html", "<html><body><p>loading alpha", 100000);
    browser.Navigate(server_.Url("/loading.html"));
    QVERIFY(browser.Busy());
    QCOMPARE(SearchAndHighlightText(browser, {"alpha"}, pump), MarkOutcome::NoDocument);
    browser.stop();
  }

  // A page that never finishes loading: the read gives up at its limit with "no document".
  void AHungPageDoesNotHangTheReads() {
    server_.Hang("/slow.html", "<html><body><p>part", 100000);
    QtBrowser browser("WebBrowserNSBase");
    browser.waitLimit = std::chrono::milliseconds(500);
    browser.Navigate(server_.Url("/slow.html"));
    QCOMPARE(browser.DocumentOuterHtml(), std::string());
    QVERIFY(browser.ImageAddresses().empty());
    browser.stop();
  }
};

}  // namespace pellucor::app

PELLUCOR_WEBENGINE_TEST_MAIN(pellucor::app::BrowserTest)
#include "BrowserTest.moc"

// The net search tab in the window. The search hosts are reached through a request interceptor
// that sends every query to the loopback server instead, so nothing leaves the machine: a search
// builds its URL and shows the result page; paging; a result link hovered and clicked goes to
// the target browser and to the download tab; a link clicked in the target browser opens in the
// new-window browser; the probe fills its sub-tab.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <filesystem>
#include <mutex>

#include "WebEngineTestMain.h"
#include "app/MainWindow.h"
#include "app/PageWidgets.h"
#include "app/QtBrowser.h"
#include "download/DownloadTab.h"
#include "support/LoopbackServer.h"
#include "support/TempFolder.h"

namespace pellucor::app {

// Every request to a search host is recorded and answered by the loopback server's result page.
class SearchHostInterceptor : public QWebEngineUrlRequestInterceptor {
 public:
  explicit SearchHostInterceptor(QString resultPage) : resultPage_(std::move(resultPage)) {}
  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    const QUrl url = info.requestUrl();
    if (!url.host().contains("google") && !url.host().contains("yahoo")) return;
    {
      const std::lock_guard lock(mutex_);
      asked_ << url.toString(QUrl::FullyEncoded);
    }
    info.redirect(QUrl(resultPage_));
  }
  [[nodiscard]] QStringList Asked() {
    const std::lock_guard lock(mutex_);
    return asked_;
  }

 private:
  QString resultPage_;
  std::mutex mutex_;
  QStringList asked_;
};

class NetSearchTabTest : public QObject {
  Q_OBJECT

  pellucor::testing::LoopbackServer server_;

 private slots:
  void SearchPagingLinksAndProbe() {
    server_.Serve("/results.html", "<html><body><a id=\"r\" href=\"" + server_.Url("/target.html") +
                                       "\">result</a></body></html>");
    server_.Serve("/target.html", "<html><body><a id=\"n\" href=\"" + server_.Url("/next.html") +
                                      "\">next</a></body></html>");
    server_.Serve("/next.html", "<html><body><p>next</p></body></html>");
    SearchHostInterceptor interceptor(QString::fromStdString(server_.Url("/results.html")));
    QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(&interceptor);

    pellucor::testing::TempFolder folder;
    std::filesystem::create_directories(folder / "bin");
    MainWindow window(StartupPaths{folder / "bin/pellucor", folder / "cfg"});
    window.show();
    window.Start();
    const auto find = [&window](const char* name) { return window.findChild<QWidget*>(name); };
    QtBrowser* base = window.pages().Browser("WebBrowserNSBase");
    QtBrowser* target = window.pages().Browser("WebBrowserNSTarget");

    // Nothing is asked at start, nor while a keyword is typed.
    auto* keyword = static_cast<QComboBox*>(find("ComboBoxSearchKeyWord"));
    QTest::keyClicks(keyword->lineEdit(), "pellucor");
    QTest::qWait(200);
    QVERIFY(interceptor.Asked().isEmpty());

    static_cast<QToolButton*>(find("sbSearchGoogle"))->click();
    QTRY_COMPARE(interceptor.Asked().size(), 1);
    QVERIFY2(
        interceptor.Asked()[0].startsWith("http://www.google.co.jp/search?as_q=pellucor&num=100"),
        qPrintable(interceptor.Asked()[0]));
    QTRY_COMPARE(base->LocationUrl(), server_.Url("/results.html"));
    QCOMPARE(static_cast<QSpinBox*>(find("SpinEditNSSearch"))->value(), 1);
    static_cast<QPushButton*>(find("btnSearchNext"))->click();
    QTRY_COMPARE(interceptor.Asked().size(), 2);
    QVERIFY2(interceptor.Asked()[1].contains("&start="), qPrintable(interceptor.Asked()[1]));
    QCOMPARE(static_cast<QSpinBox*>(find("SpinEditNSSearch"))->value(), 101);
    QTRY_VERIFY(!base->Busy());

    // A result link under the pointer, then clicked: the target browser shows it and the
    // download tab takes it over.
    const QString link = QString::fromStdString(server_.Url("/target.html"));
    emit base->page()->linkHovered(link);
    base->page()->runJavaScript("document.getElementById('r').click()");
    QTRY_COMPARE(target->LocationUrl(), server_.Url("/target.html"));
    QTRY_COMPARE(window.download().ComboBoxWBUrl, server_.Url("/target.html"));
    QTRY_COMPARE(window.pages().Browser("WebBrowserDownload")->LocationUrl(),
                 server_.Url("/target.html"));
    QTRY_VERIFY(!target->Busy());

    // A link clicked in the target browser opens one level further, in the new-window browser.
    emit target->page()->linkHovered(QString::fromStdString(server_.Url("/next.html")));
    target->page()->runJavaScript("document.getElementById('n').click()");
    QTRY_COMPARE(window.pages().Browser("WebBrowserNSNewWindow")->LocationUrl(),
                 server_.Url("/next.html"));
    auto* left = static_cast<QTabWidget*>(find("PGTab01L"));
    QTRY_COMPARE(left->currentWidget()->objectName(), QString("PGTab01LTab03BrowserNewWindow"));

    // The probe of the target URL fills the " HTTPGet " sub-tab.
    static_cast<QComboBox*>(find("ComboBoxNSTargetUrl"))
        ->setEditText(QString::fromStdString(server_.Url("/next.html")));
    static_cast<QToolButton*>(find("sbNSGethhtp"))->click();
    QVERIFY(static_cast<QPlainTextEdit*>(find("MemoNSHTTPGet"))->toPlainText().contains("200"));
    QVERIFY(static_cast<QPlainTextEdit*>(find("MemoMemoNSHTTPGetFile"))
                ->toPlainText()
                .contains("next.html"));
    QCOMPARE(left->currentWidget()->objectName(), QString("PGTab01LTab02GetHTTP"));

    window.close();
    QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(nullptr);
  }
};

}  // namespace pellucor::app

PELLUCOR_WEBENGINE_TEST_MAIN(pellucor::app::NetSearchTabTest)
#include "NetSearchTabTest.moc"

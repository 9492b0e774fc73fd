// The download tab in the window, against the loopback server: a page navigated from the URL
// box fills the browser and the source views; a run from the download button fills the result
// panes, saves the page and shows it on the right; the stop button is served while a slow
// server keeps a file pending.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
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
#include "app/RadioGroup.h"
#include "app/TabStopDelegate.h"
#include "support/LoopbackServer.h"
#include "support/TempFolder.h"
#include "text/CodePage932.h"

namespace pellucor::app {

class DownloadTabTest : public QObject {
  Q_OBJECT

  pellucor::testing::LoopbackServer server_;

  // Answers every message box the window opens and keeps its text, as a user reading it would:
  // with the given button when the box has it, else by accepting it.
  struct MessageCloser {
    QStringList texts;
    QTimer timer;
    explicit MessageCloser(QMessageBox::StandardButton answer = QMessageBox::NoButton) {
      timer.setInterval(20);
      QObject::connect(&timer, &QTimer::timeout, [this, answer] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
          texts << box->text();
          if (QAbstractButton* button = box->button(answer)) {
            button->click();
          } else {
            box->accept();
          }
        }
      });
      timer.start();
    }
  };

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

  // Rows of the result panes open in the workbenches; the image workbench downloads below the
  // save folder and the text workbench saves the style sheet in UTF-8.
  void PaneRowsOpenInTheWorkbenches() {
    server_.Serve("/w/index.html",
                  "<html><head><link rel=\"stylesheet\" href=\"css/s.css\"></head>"
                  "<body><img src=\"img/a.gif\"><p>page</p></body></html>");
    server_.Serve("/w/css/s.css", "p { background: url(\"/w/img/a.gif\") }", "text/css");
    const std::string gif("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
    server_.Serve("/w/img/a.gif", gif, "image/gif");
    Window place;
    place.Request(server_.Url("/w/index.html"));
    place.Find<QPushButton>("btnDownloadAll")->click();
    auto* right = place.Find<QTabWidget>("PGTab02R");

    auto* sheets = place.Find<QListWidget>("ListBoxPGTab02LTab02PageWebCSS");
    QVERIFY(sheets->count() > 0);
    emit sheets->itemClicked(sheets->item(0));
    QCOMPARE(right->currentWidget()->objectName(), QString("PGTab02RTab07Individual"));
    const QString sheet = place.Find<QPlainTextEdit>("MemoPGTab02RTab07Individual")->toPlainText();
    QVERIFY2(sheet.contains("background"), qPrintable(sheet));

    // Saved elsewhere in the save folder, in UTF-8, with its root reference made relative.
    const std::string copy = place.folder / "saved/css/copy.css";
    place.Find<QLineEdit>("BtnEditPGTab02RTab07IndividualFilename")
        ->setText(QString::fromStdString(copy));
    place.Find<RadioGroup>("RadioGroupDLIndividualCodeSaveFile")->SetItemIndex(2);
    {
      MessageCloser closer;
      place.Find<QToolButton>("sbsbPGTab02RTab07IndividualSaveFile")->click();
      QCOMPARE(closer.texts.size(), 1);
    }
    QCOMPARE(pellucor::testing::ReadBytes(copy),
             std::string("p { background: url(\"../../w/img/a.gif\") }"));

    // The user looks elsewhere; a click on an image row shows the image workbench again.
    right->setCurrentIndex(0);
    auto* images = place.Find<QListWidget>("ListBoxPGTab02LTab03PageImage");
    QVERIFY(images->count() > 0);
    emit images->itemClicked(images->item(0));
    QCOMPARE(right->currentWidget()->objectName(), QString("PGTab02RTab08ImageIndividual"));
    QtBrowser* image = place.window->pages().Browser("WebBrowserIndividualImage");
    QTRY_COMPARE(image->LocationUrl(), server_.Url("/w/img/a.gif"));

    // The direct download writes the image where the saved site keeps it.
    const std::string stored = place.folder / "saved/w/img/a.gif";
    std::filesystem::remove(stored);
    {
      MessageCloser closer;
      place.Find<QToolButton>("sbPGTab02RTab08ImageIndividualDownload")->click();
      QCOMPARE(closer.texts.size(), 1);
      QVERIFY(closer.texts[0].contains(QString::fromStdString(stored)));
    }
    QCOMPARE(pellucor::testing::ReadBytes(stored), gif);
  }

  // "設定されたUrlのﾍﾟｰｼﾞをﾅﾋﾞｹﾞｰﾄ": the stored URL is navigated at start, and only then.
  void TheStoredUrlIsNavigatedAtStartWhenAsked() {
    server_.Serve("/start/page.html", "<html><body><p>start</p></body></html>");
    for (const int initialLoad : {1, 0}) {
      pellucor::testing::TempFolder folder;
      std::filesystem::create_directories(folder / "bin");
      std::filesystem::create_directories(folder / "cfg/pellucor");
      pellucor::testing::WriteBytes(folder / "cfg/pellucor/pellucor.inf",
                                    "[DL]\nUrl=" + server_.Url("/start/page.html") +
                                        "\nInitialLoad=" + std::to_string(initialLoad) + "\n");
      MainWindow window(StartupPaths{folder / "bin/pellucor", folder / "cfg"});
      window.show();
      window.Start();
      QtBrowser* browser = window.pages().Browser("WebBrowserDownload");
      if (initialLoad == 1) {
        QTRY_COMPARE(browser->LocationUrl(), server_.Url("/start/page.html"));
      } else {
        QTest::qWait(200);
        QCOMPARE(browser->LocationUrl(), std::string("about:blank"));
      }
      window.close();
    }
  }

  // A URL naming no page file asks; "No" runs the download of its "index.html".
  void AQuestionAnsweredNoDownloadsTheIndexPage() {
    server_.Serve("/q/index.html", "<html><body><p>index</p></body></html>");
    Window place;
    place.Request(server_.Url("/q"));
    MessageCloser closer(QMessageBox::No);
    place.Find<QPushButton>("btnDownloadAll")->click();
    QCOMPARE(closer.texts.size(), 1);
    QVERIFY(closer.texts[0].startsWith(QString::fromUtf8("HTMLﾌｧｲﾙの指定がありません")));
    QCOMPARE(place.Find<QComboBox>("ComboBoxWBUrl")->currentText(),
             QString::fromStdString(server_.Url("/q/index.html")));
    const std::string saved = place.window->downloadTab().engine().run.LocalPageFile;
    QVERIFY2(std::filesystem::exists(saved), saved.c_str());
    QVERIFY(pellucor::testing::ReadBytes(saved).find("index") != std::string::npos);
  }

  // The result panes set a row's reference, URL and path in columns and scroll to 630 pixels.
  void ResultPanesShowRowsInColumns() {
    Window place;
    auto* images = place.Find<QListWidget>("ListBoxPGTab02LTab03PageImage");
    auto* delegate = dynamic_cast<TabStopDelegate*>(images->itemDelegate());
    QVERIFY(delegate != nullptr);
    const QFontMetrics metrics = images->fontMetrics();
    const std::vector<int> shortRow =
        delegate->PartStarts(metrics, {"a.gif", "http://h/a.gif", "/p"});
    const std::vector<int> longRow =
        delegate->PartStarts(metrics, {"img/a-much-longer-name.gif", "http://h/x.gif", "/q"});
    QCOMPARE(shortRow[1], longRow[1]);
    QCOMPARE(shortRow[1], 250 * metrics.averageCharWidth() / 4);
    QCOMPARE(shortRow[2], 500 * metrics.averageCharWidth() / 4);
    images->addItem("a.gif\thttp://h/a.gif\t/p");
    QVERIFY(images->sizeHintForColumn(0) >= 630);
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

// The local page tab in the window over a small saved site: opening the page fills the browser
// and the source; a keyword search marks and lists its hits and a click on a hit moves there;
// the merged file's colour list is drawn on swatches; a single-file pane opens its file.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "WebEngineTestMain.h"
#include "app/ColorSwatchDelegate.h"
#include "app/MainWindow.h"
#include "app/MainWindowTabs.h"
#include "app/PageWidgets.h"
#include "app/QtBrowser.h"
#include "app/QtTextView.h"
#include "support/TempFolder.h"
#include "text/CodePage932.h"

namespace pellucor::app {

class LocalPageTabTest : public QObject {
  Q_OBJECT

  struct Window {
    pellucor::testing::TempFolder folder;
    std::string site;
    std::unique_ptr<MainWindow> window;
    Window() {
      std::filesystem::create_directories(folder / "bin");
      site = folder / "site/";
      std::filesystem::create_directories(site);
      pellucor::testing::WriteBytes(
          site + "page.html",
          "<html><head><style>body{color:#102030}</style></head>\r\n<body>\r\n"
          "<p>first body line</p>\r\n<p>body again</p>\r\n</body></html>\r\n");
      pellucor::testing::WriteBytes(site + "page_TotalCSSJS.txt",
                                    "h1{color:#ff0000;}\r\np{color:#00ff00;}\r\n");
      pellucor::testing::WriteBytes(site + "a.js", "var a = 1;\r\n");
      window = std::make_unique<MainWindow>(StartupPaths{folder / "bin/pellucor", folder / "cfg"});
      window->show();
      window->Start();
      window->findChild<QTabWidget*>("PGMain")->setCurrentWidget(
          Find<QWidget>("PGMainTab03BrowseLocalFile"));
    }
    template <typename Widget>
    Widget* Find(const char* name) const {
      return window->findChild<Widget*>(name);
    }
  };

 private slots:
  void OpeningSearchingAndJumping() {
    Window place;
    place.Find<QLineEdit>("BtnEditConfirmLocalHTMLFile")
        ->setText(QString::fromStdString(place.site + "page"));
    place.Find<QToolButton>("sbConfirmLocaHTMLGo")->click();
    QtBrowser* browser = place.window->pages().Browser("WebBrowserConfirmLocalFile");
    QTRY_VERIFY(browser->LocationUrl().ends_with("/site/page.html"));
    QtTextView* source = place.window->pages().View("RichEditExPGMainTab03LocalRightTab01HTMLSrc");
    QVERIFY(source->Text().find("first body line") != std::string::npos);
    QCOMPARE(place.Find<QLineEdit>("BtnEditLocalFileOrgHTML")->text(),
             QString::fromStdString(place.site + "ZZOrg_page.html"));

    // "body" occurs on lines 2, 3 and 4: listed in order; a click on the last moves there.
    place.Find<QComboBox>("ComboBoxDLHTMLSearch")->setEditText("body");
    place.Find<QToolButton>("sbLocaFileSearchKeyWodGo")->click();
    auto* hits = place.Find<QListWidget>("ListBoxPGMainTab03LocalLeftTab02THTMLSearchList");
    QVERIFY2(hits->count() >= 3, qPrintable(QString::number(hits->count())));
    QListWidgetItem* last = hits->item(hits->count() - 1);
    emit hits->itemClicked(last);
    QCOMPARE(place.Find<QLabel>("LabelLocalHTMLLineColumnNo")->text(), last->text());
    const std::size_t line = source->LineOfOffset(source->Selection().start);
    QCOMPARE(QString::number(line + 1), last->text().section('/', 0, 0).trimmed());
  }

  void TheMergedFilesColoursAreListedOnSwatches() {
    Window place;
    place.Find<QLineEdit>("BtnEditLocalFileTotalCSSJS")
        ->setText(QString::fromStdString(place.site + "page_TotalCSSJS.txt"));
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        box->button(QMessageBox::Yes)->click();
    });
    answer.start(20);
    place.Find<QToolButton>("sbLocalCSSJSGo")->click();
    auto* colors =
        place.Find<QListWidget>("ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorList");
    QCOMPARE(colors->count(), 2);
    QVERIFY(colors->item(0)->text().startsWith("#ff0000"));
    QVERIFY(dynamic_cast<ColorSwatchDelegate*>(colors->itemDelegate()) != nullptr);
    // The first colour drawn: its swatch is red (away from the text at its left).
    SelectSubTab(*place.window, "PGMainTab03LocalLeftTab02TotalCSSJS");
    QTRY_VERIFY(colors->isVisible() && colors->viewport()->width() > 20);
    const QImage image = colors->viewport()->grab().toImage();
    const QRect first = colors->visualItemRect(colors->item(0));
    const QColor swatch = image.pixelColor(first.right() - 2, first.center().y());
    QCOMPARE(swatch, QColor(255, 0, 0));

    // A click on a colour searches the merged file for its selector.
    emit colors->itemClicked(colors->item(1));
    QCOMPARE(place.Find<QLineEdit>("EditLocalTotalCSS")->text(), QString("#00ff00"));
    QCOMPARE(place.Find<QListWidget>("ListBoxPGMainTab03LocalLeftTab02TotalCSSSearchList")->count(),
             1);
  }

  void ASingleFilePaneOpensItsFile() {
    Window place;
    place.Find<QLineEdit>("BtnEditLocalFileIndivJS")
        ->setText(QString::fromStdString(place.site + "a.js"));
    place.Find<QToolButton>("sbLocalJSIndivOpenFileGo")->click();
    QCOMPARE(place.window->pages().View("RichEditExPGMainTab03LocalLeftTab08JS")->Text(),
             std::string("var a = 1;\r\n"));
  }
};

}  // namespace pellucor::app

PELLUCOR_WEBENGINE_TEST_MAIN(pellucor::app::LocalPageTabTest)
#include "LocalPageTabTest.moc"

// The main window as a user meets it: start-up and shut-down, the settings file, the collapse
// toggles and tab switching, and the controls by name.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>
#include <memory>

#include "ControlNames.h"
#include "WebEngineTestMain.h"
#include "app/Binder.h"
#include "app/ExplorerTabController.h"
#include "app/MainWindow.h"
#include "app/PageWidgets.h"
#include "app/QtBrowser.h"
#include "app/QtTextView.h"
#include "app/RadioGroup.h"
#include "app/SjisText.h"
#include "support/TempFolder.h"
#include "text/CodePage932.h"

namespace pellucor::app {
namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// A program folder and a configuration folder of their own for each window.
struct Place {
  pellucor::testing::TempFolder folder;
  [[nodiscard]] StartupPaths Paths() const {
    std::filesystem::create_directories(folder / "bin");
    return {folder / "bin/pellucor", folder / "config"};
  }
  [[nodiscard]] std::string Settings() const { return folder / "config/pellucor/pellucor.inf"; }
};

std::unique_ptr<MainWindow> Started(const Place& place) {
  auto window = std::make_unique<MainWindow>(place.Paths());
  window->show();
  window->Start();
  return window;
}

template <typename Widget>
Widget* Find(const QObject* window, const char* name) {
  auto* widget = window->findChild<Widget*>(name);
  if (widget == nullptr) qWarning("no control named %s", name);
  return widget;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void StartUpAndShutDown() {
    Place place;
    auto window = Started(place);
    QCOMPARE(window->windowTitle(), U("Pellucor(HARVEXA) - [ Ver. 12.04.16 ]"));
    auto* tabs = Find<QTabWidget>(window.get(), "PGMain");
    QVERIFY(tabs != nullptr);
    const char* captions[] = {"     ネット検索     ",
                              " Ｗｅｂﾍﾟｰｼﾞのﾀﾞｳﾝﾛｰﾄﾞ ",
                              " ﾛｰｶﾙ・ページの閲覧とHTML/CSS/JSﾌｧｲﾙの取得 ",
                              " ﾛｰｶﾙFlashPlayer ",
                              " ﾌｫﾙﾀﾞｰ/ﾌｧｲﾙのﾂﾘｰ表示とﾌｧｲﾙ検索  ",
                              " Webｺｰﾄﾞ変換 ",
                              " ﾌｧｲﾙ検索 "};
    QCOMPARE(tabs->count(), 7);
    for (int i = 0; i < 7; ++i)
      QCOMPARE(tabs->tabText(i), U(captions[i]));
    // The Flash and file search tabs exist but the tab row does not show them.
    QVERIFY(!tabs->isTabVisible(3));
    QVERIFY(!tabs->isTabVisible(6));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(Find<QTabWidget>(window.get(), "PGTab01L")->currentWidget()->objectName(),
             QString("PGTab01LTab01SearchMain"));
    QCOMPARE(Find<QTabWidget>(window.get(), "PGTab02L")->currentWidget()->objectName(),
             QString("PGTab02LTab01WB"));
    QCOMPARE(window->focusWidget(), Find<QWidget>(window.get(), "ComboBoxSearchKeyWord"));

    const std::pair<const char*, const char*> items[] = {
        {"MenuFileClose", "終了"},
        {"MenuViewMaximized", "最大表示"},
        {"MenuViewStdTopHeight",
         "ﾄｯﾌﾟ画面の高さを「ｷｰﾜｰﾄﾞ」と「検索結果の一括表示」のみの「 １行 」にする"},
        {"ManuSettingsSave", "設定を保存する"},
        {"MenuSettingsReInitialize", "初期状態に戻す"},
        {"MenuDLSettingsSave", "設定を保存する"},
        {"MenuDLSettingsAppend", "Url/保存ﾌｫﾙﾀﾞｰに登録・追加する"},
        {"MenuDLSettingsRemove", "設定を解除する"},
        {"MenuOtheVersion", "ﾊﾞｰｼﾞｮﾝ"},
    };
    for (const auto& [name, caption] : items)
      QCOMPARE(Find<QAction>(window.get(), name)->text(), U(caption));
    QStringList menus;
    for (QAction* menu : window->menuBar()->actions()) {
      if (menu->isVisible()) menus << menu->text();
    }
    QCOMPARE(menus, (QStringList{U("ﾌｧｲﾙ"), U("編集"), U("表示"), U("設定"), U("ﾀﾞｳﾝﾛｰﾄﾞ設定"),
                                 U("その他")}));

    // The version item sets the version title again; closing through the menu writes the file.
    window->setWindowTitle("x");
    Find<QAction>(window.get(), "MenuOtheVersion")->trigger();
    QCOMPARE(window->windowTitle(), U("Pellucor(HARVEXA) - [ Ver. 12.04.16 ]"));
    QVERIFY(!std::filesystem::exists(place.Settings()));
    Find<QAction>(window.get(), "MenuFileClose")->trigger();
    QVERIFY(!window->isVisible());
    QVERIFY(std::filesystem::exists(place.Settings()));
  }

  // What the settings file holds comes back into the controls, and what the user changes there
  // goes back into the file at close - Japanese included.
  void SettingsComeBack() {
    Place place;
    std::filesystem::create_directories(place.folder / "config/pellucor");
    pellucor::testing::WriteBytes(place.Settings(),
                                  "[NS]\nKeyword=表示\nPageTopHeight=200\n"
                                  "[DL]\nUrl=http://h/a.html\nSaveFolder=/保存/\nOpenIE=2\n"
                                  "DontRedraw=1\n[DLUrl]\n0=http://b/|/s/\n1=http://a/|/t/\n");
    {
      auto window = Started(place);
      QCOMPARE(Find<QComboBox>(window.get(), "ComboBoxSearchKeyWord")->currentText(), U("表示"));
      QCOMPARE(Find<QLineEdit>(window.get(), "BtnEditWBPageSaveFolder")->text(), U("/保存/"));
      QCOMPARE(Find<RadioGroup>(window.get(), "RadioGroupDLFilnalOpenIE")->ItemIndex(), 2);
      QVERIFY(Find<QCheckBox>(window.get(), "CheckBoxDLDontReDraw")->isChecked());
      QCOMPARE(Find<QWidget>(window.get(), "PanelPGSearchTabTop")->height(), 200);
      // The URL history is the URL parts of the registered pairs, in their order.
      auto* url = Find<QComboBox>(window.get(), "ComboBoxWBUrl");
      QCOMPARE(url->count(), 2);
      QCOMPARE(url->itemText(0), QString("http://a/"));
      QCOMPARE(url->currentText(), QString("http://h/a.html"));

      Find<QComboBox>(window.get(), "ComboBoxSearchKeyWord")->setEditText(U("ソフト 十二"));
      Find<QCheckBox>(window.get(), "CheckBoxDonttSaveImage")->setChecked(true);
      Find<RadioGroup>(window.get(), "RadioGroupRemoveBaseHref")->SetItemIndex(3);
      window->close();
    }
    auto again = Started(place);
    QCOMPARE(Find<QComboBox>(again.get(), "ComboBoxSearchKeyWord")->currentText(),
             U("ソフト 十二"));
    QVERIFY(Find<QCheckBox>(again.get(), "CheckBoxDonttSaveImage")->isChecked());
    QCOMPARE(Find<RadioGroup>(again.get(), "RadioGroupRemoveBaseHref")->ItemIndex(), 3);
    QCOMPARE(again->download().RadioGroupRemoveBaseHref, 3);
    again->close();
  }

  void TogglesAndTabSwitching() {
    Place place;
    auto window = Started(place);
    auto* top = Find<QWidget>(window.get(), "PanelDLPGMainTabTop");
    auto* collapse = Find<QToolButton>(window.get(), "sbDLCollapse");
    collapse->click();
    QCOMPARE(top->height(), 42);
    collapse->click();
    QCOMPARE(top->height(), 240);
    Find<QToolButton>(window.get(), "sbSNCollapse")->click();
    QCOMPARE(Find<QWidget>(window.get(), "PanelPGSearchTabTop")->height(), 62);
    QCOMPARE(Find<QWidget>(window.get(), "PanelPGSearchTabLeftTop")->height(), 10);

    // After "初期状態に戻す" the download tab opens with its top at 500; after a toggle at 240.
    auto* tabs = Find<QTabWidget>(window.get(), "PGMain");
    Find<QAction>(window.get(), "MenuSettingsReInitialize")->trigger();
    QVERIFY(Find<QAction>(window.get(), "MenuSettingsReInitialize")->isChecked());
    tabs->setCurrentIndex(1);
    QCOMPARE(top->height(), 500);
    QCOMPARE(window->focusWidget(), Find<QWidget>(window.get(), "ComboBoxWBUrl"));
    tabs->setCurrentIndex(0);
    collapse->click();
    QVERIFY(!Find<QAction>(window.get(), "MenuSettingsReInitialize")->isChecked());
    tabs->setCurrentIndex(1);
    QCOMPARE(top->height(), 240);

    // Asked to show the URL's page again but holding no URL, the tab only sets its height.
    tabs->setCurrentIndex(0);
    Find<QCheckBox>(window.get(), "CheckBoxDLDontReDraw")->setChecked(true);
    Find<QComboBox>(window.get(), "ComboBoxWBUrl")->setEditText("abc");
    top->setFixedHeight(77);
    window->download().LabelDownloadedFile = "kept";
    tabs->setCurrentIndex(1);
    QCOMPARE(top->height(), 240);
    QCOMPARE(window->download().LabelDownloadedFile, std::string("kept"));
    window->close();
  }

  // The binder moves only what changed, and a text nobody edited keeps its bytes, even bytes
  // that are no Shift_JIS character and would not survive a round trip through QString.
  void BinderKeepsBytesAndEdits() {
    QWidget form;
    auto* memo = new QLineEdit(&form);
    auto* typed = new QLineEdit(&form);
    auto* option = new QCheckBox(&form);
    std::string invalid = "a%82\x82\xff";
    std::string name = "x";
    bool flag = false;
    Binder binder;
    binder.Bind(memo, &invalid);
    binder.Bind(typed, &name);
    binder.Bind(option, &flag);
    binder.Pull();
    QCOMPARE(invalid, std::string("a%82\x82\xff"));

    // A run changes one value while the user types into another box and ticks the option.
    typed->setText("typed");
    option->setChecked(true);
    invalid = "changed";
    binder.Push();
    QCOMPARE(memo->text(), QString("changed"));
    QCOMPARE(typed->text(), QString("typed"));
    QVERIFY(option->isChecked());
    binder.Pull();
    QCOMPARE(name, std::string("typed"));
    QVERIFY(flag);
    QCOMPARE(invalid, std::string("changed"));

    // Lists and labels only go to the widgets, and only when the core changed them.
    auto* list = new QListWidget(&form);
    auto* label = new QLabel(&form);
    std::vector<std::string> lines = {"a"};
    std::string text = SjisFromUtf8Literal("ラベル");
    binder.Bind(list, &lines);
    binder.Bind(label, &text);
    QCOMPARE(list->count(), 1);
    QCOMPARE(label->text(), U("ラベル"));
    list->setCurrentRow(0);
    binder.Push();
    QCOMPARE(list->currentRow(), 0);  // not filled again: the selection stays
    lines.push_back("b");
    binder.Push();
    QCOMPARE(list->count(), 2);
  }

  // Every control the window has so far carries its name: the main window's own (menus,
  // secondary windows, dialogs), each tab's page, and the controls the settings read and write.
  void ControlsByName() {
    Place place;
    auto window = Started(place);
    const testing::ControlGroups groups =
        testing::ReadControlNames(PELLUCOR_FIXTURES "/gui-controls.py");
    QCOMPARE(groups.size(), std::size_t{8});
    QStringList missing;
    for (const auto& [group, kinds] : groups) {
      QStringList expected;
      // The tabs built so far: every control of theirs; of the others, their pages.
      if (group.startsWith("Main window") || group.startsWith("Download") ||
          group.startsWith("Local page") || group.startsWith("NetSearch") ||
          group.startsWith("Flash") || group.startsWith("WebCode") ||
          group.startsWith("Explorer") || group.startsWith("FileSearch")) {
        for (const auto& [kind, names] : kinds)
          expected << names;
      } else {
        expected << kinds.at("Page").front();
      }
      for (const QString& name : expected) {
        if (window->objectName() != name && window->findChild<QObject*>(name) == nullptr)
          missing << name;
      }
    }
    for (const char* name : {"ComboBoxSearchKeyWord",
                             "RadioGroupIMEMode",
                             "PanelPGSearchTabTop",
                             "PanelPGSearchTabLeftTop",
                             "PanelPGSearchTabRightTop",
                             "ComboBoxWBUrl",
                             "BtnEditWBPageSaveFolder",
                             "BtnEditWBLocalFilename",
                             "EditWBBasePageLocalFimename",
                             "EditTopPageHTMLFilename",
                             "EditDLTopDummyDirectory",
                             "EditDLSaveFilename",
                             "EditFrameLinkUrl",
                             "RadioGroupDLFilnalOpenIE",
                             "RadioGroupInitialLoad",
                             "RadioGroupDLBaseLevel",
                             "RadioGroupDLMaskUrlRoot",
                             "RadioGroupRemoveOtherDmain",
                             "RadioGroupRemoveBaseHref",
                             "CheckBoxDontEmptyFolder",
                             "CheckBoxDonttSaveImage",
                             "CheckBoxDLDontReDraw",
                             "CheckBoxDLRemoveDomain",
                             "CheckBoxDLDontMakeCSSlist",
                             "CheckBoxDLCSSOnly",
                             "PanelDLPGMainTabTop",
                             "PanelPGMainTab03Top",
                             "BtnEditConfirmLocalHTMLFile",
                             "BtnEditLocalFileOrgHTML",
                             "CheckBoxLocalDontLoad",
                             "PanelPGMainTab07FileSearchLeft",
                             "ComboBoxFSFile",
                             "sbSRClose",
                             "sbDLClose",
                             "sbTreeExpClose",
                             "sbFileSearchClose",
                             "sbSNCollapse",
                             "SpeedButton4",
                             "sbDLCollapse",
                             "sbDLLocalCollapse",
                             "edSearchAndHighlight",
                             "sbNSBaseSearch",
                             "sbNSBasePaste",
                             "edDLTargetSearchAndHighlight",
                             "sbNSTargetSearch",
                             "sbNSTargetSearchPaste",
                             "ComboBoxWBBrowserSearch",
                             "sbDLWebBrowserSearch",
                             "sbDLWebBrowserSearchPaste",
                             "ComboBoxWBBrowserLocalSearch",
                             "sbDLWebBrowserLocalSearch",
                             "sbDLWebBrowserLocalSearchPaste",
                             "ComboBoxLocalBrowserSearch",
                             "sbDLLocalBrowserSearch",
                             "sbDLLocalBrowserSearchPaste"}) {
      if (window->findChild<QObject*>(name) == nullptr) missing << name;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
    window->close();
  }

  // The browsers and source views of every tab exist by name as the window's own kinds, each
  // view in its panel; the browsers show "about:blank", the views have line numbers.
  void BrowsersAndViewsByName() {
    Place place;
    auto window = Started(place);
    const testing::ControlGroups groups =
        testing::ReadControlNames(PELLUCOR_FIXTURES "/gui-controls.py");
    QStringList wrong;
    int browsers = 0;
    int views = 0;
    for (const auto& [group, kinds] : groups) {
      for (const auto& [kind, names] : kinds) {
        for (const QString& name : names) {
          if (kind == "Browser") {
            ++browsers;
            auto* browser = window->findChild<QtBrowser*>(name);
            if (browser == nullptr || window->pages().Browser(name.toStdString()) != browser)
              wrong << name;
          } else if (kind == "View") {
            ++views;
            auto* view = window->findChild<QtTextView*>(name);
            if (view == nullptr || !view->parent()->objectName().startsWith("Panel")) wrong << name;
          }
        }
      }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(", ")));
    QCOMPARE(browsers, 11);
    QCOMPARE(views, 16);
    for (const auto& [name, browser] : window->pages().browsers())
      QTRY_COMPARE(browser->LocationUrl(), std::string("about:blank"));
    QtTextView* fileList = window->pages().View("RichEditPGMainTab03LocalLeftTab03FileList");
    QVERIFY(fileList != nullptr);
    QVERIFY(fileList->viewport()->x() >= 40);  // the list's margin
    window->close();
  }

  // A highlight box marks its words in its own browser on Enter and on its search button; the
  // net search boxes' paste buttons only paste, the download tab's paste and then search.
  // The web code converter's buttons move the memos' texts through the chosen conversions:
  // the left pane into the top right, the right pane back into the bottom left.
  void WebCodeTabConvertsThroughItsButtons() {
    Place place;
    auto window = Started(place);
    struct Case {
      int item;
      const char* encoded;
    };
    const Case cases[] = {{0, "%e6%97%a5%e6%9c%ac"}, {6, "k/qWew=="}};
    for (const Case& c : cases) {
      Find<QPlainTextEdit>(window.get(), "MemolPGMainTabab05WebDecodeLeftWebCodeOrgSrc")
          ->setPlainText(U("日本"));
      Find<RadioGroup>(window.get(), "RadioGroupWebLeftEncode")->SetItemIndex(c.item);
      Find<RadioGroup>(window.get(), "RadioGroupWebRightDecode")->SetItemIndex(c.item);
      Find<QPushButton>(window.get(), "btnWebCodeLeftEncode")->click();
      QCOMPARE(Find<QPlainTextEdit>(window.get(), "MemolPGMainTabab05WebDecodeRightWebCodeConvSrc")
                   ->toPlainText(),
               QString(c.encoded));
      QCOMPARE(
          Find<QPlainTextEdit>(window.get(), "MemolPGMainTabab05WebDecodeRightWebCodeConvResult")
              ->toPlainText(),
          QString(c.encoded).toLower());
      Find<QPushButton>(window.get(), "btnWebCodeRightDecode")->click();
      QCOMPARE(Find<QPlainTextEdit>(window.get(), "MemolPGMainTabab05WebDecodeLeftWebCodeOrgResult")
                   ->toPlainText(),
               U("日本"));
    }
    window->close();
  }

  // The Flash tab writes its page for the movie, lists the movie and says it cannot play it.
  void FlashTabWritesAndShowsItsPage() {
    Place place;
    auto window = Started(place);
    Find<QLineEdit>(window.get(), "BtnEditLocalFlashPlayer")->setText("/movies/a.swf");
    Find<QToolButton>(window.get(), "sbFlashPlayerOpenGo")->click();
    const std::string source = window->pages().View("RichEditPGMainTab04FlushPlayer")->Text();
    QVERIFY(source.find("value=\"/movies/a.swf\"") != std::string::npos);
    QCOMPARE(Find<QListWidget>(window.get(), "ListBoxPGMainTab04FlushPlayer")->count(), 1);
    QVERIFY(
        Find<QLabel>(window.get(), "LabelFlashPlayerStatus")->text().contains(U("再生できません")));
    QtBrowser* browser = window->pages().Browser("WebBrowserFlashPlayer");
    QTRY_VERIFY(browser->DocumentOuterHtml().find("a.swf") != std::string::npos);
    window->close();
  }

  // The explorer's tree lists a folder at every expansion; a text file chosen shows in the
  // view, an image in the browser.
  void ExplorerTreeListsAndShowsFiles() {
    Place place;
    auto window = Started(place);
    const std::string folder = place.folder / "tree";
    std::filesystem::create_directories(folder + "/sub");
    pellucor::testing::WriteBytes(folder + "/a.txt", "text of a");
    pellucor::testing::WriteBytes(folder + "/b.gif", "GIF89a");
    window->explorerTab().LoadPlaces("", folder);
    QTreeWidget& tree = window->explorerTab().tree();
    QTreeWidgetItem* home = tree.topLevelItem(0)->child(1);
    QCOMPARE(home->text(0), QString::fromStdString(folder));
    home->setExpanded(true);
    QCOMPARE(home->childCount(), 3);
    QCOMPARE(home->child(0)->text(0), QString("sub"));
    // Listed again at the next expansion.
    home->setExpanded(false);
    pellucor::testing::WriteBytes(folder + "/c.css", "p{}");
    home->setExpanded(true);
    QCOMPARE(home->childCount(), 4);

    emit tree.itemClicked(home->child(1), 0);
    QCOMPARE(window->pages().View("RichEditExPGMainRTabb05TreeExplorer")->Text(),
             std::string("text of a"));
    QCOMPARE(Find<QLabel>(window.get(), "LabelTreeExpFilename")->text(),
             QString::fromStdString(folder + "/a.txt"));
    emit tree.itemClicked(home->child(2), 0);
    QTRY_COMPARE(window->pages().Browser("WebBrowserTreeExplorerRight")->LocationUrl(),
                 "file://" + folder + "/b.gif");
    window->close();
  }

  // The explorer's search lists what it finds with the summary; a search of a large tree
  // stopped by its abort button keeps its rows and says it was stopped.
  void FileSearchListsAndStops() {
    Place place;
    auto window = Started(place);
    const std::string folder = place.folder / "found";
    std::filesystem::create_directories(folder + "/sub");
    pellucor::testing::WriteBytes(folder + "/a.txt", "a");
    pellucor::testing::WriteBytes(folder + "/sub/b.txt", std::string(2000, 'b'));
    pellucor::testing::WriteBytes(folder + "/c.css", "c");
    window->explorerTab().tab().TreeExpComboBoxFSDir = folder;
    Find<QComboBox>(window.get(), "TreeExpComboBoxFSFile")->setEditText("*.txt");
    Find<QToolButton>(window.get(), "sbTreeExpFileSearchGo")->click();
    auto* found = Find<QTreeWidget>(window.get(), "TreeExpFoundFiles");
    auto* summary = Find<QLabel>(window.get(), "StatusBarTreeExpSearchPanel1");
    QTRY_VERIFY(summary->text().contains(U("【 2 】個のファイルを検出しました")));
    QCOMPARE(found->topLevelItemCount(), 2);
    QStringList names;
    for (int i = 0; i < found->topLevelItemCount(); ++i)
      names << found->topLevelItem(i)->text(0) + " " + found->topLevelItem(i)->text(2);
    names.sort();
    QCOMPARE(names, (QStringList{"a.txt 1KB", "b.txt 2KB"}));

    const std::string large = place.folder / "large";
    for (int i = 0; i < 3000; ++i) {
      const std::string sub = large + "/d" + std::to_string(i);
      std::filesystem::create_directories(sub);
      pellucor::testing::WriteBytes(sub + "/p.html", "p");
    }
    Find<QComboBox>(window.get(), "ComboBoxFSDir")->setEditText(QString::fromStdString(large));
    Find<QComboBox>(window.get(), "ComboBoxFSFile")->setEditText("*.html");
    Find<QToolButton>(window.get(), "sbFileSearchGo")->click();
    QVERIFY(Find<QToolButton>(window.get(), "sbFileSearchAbort")->isEnabled());
    Find<QToolButton>(window.get(), "sbFileSearchAbort")->click();
    QTRY_COMPARE(Find<QLabel>(window.get(), "StatusBarFileSearchPanel1")->text(),
                 U("  実行は中止されました - "));
    QVERIFY(Find<QToolButton>(window.get(), "sbFileSearchGo")->isEnabled());
    window->close();
  }

  void HighlightBoxesMarkTheirBrowsersPage() {
    Place place;
    auto window = Started(place);
    const std::string tag =
        SjisFromUtf8Literal("<span style=\"background-color: red ; font-weight: bolder;\">");
    QtBrowser* download = window->pages().Browser("WebBrowserDownload");
    download->WriteDocument(SjisFromUtf8Literal("<html><body><p>日本語 words</p></body></html>"));
    auto* box = window->findChild<QComboBox*>("ComboBoxWBBrowserSearch");
    box->setCurrentText(U("日本語"));
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QVERIFY(download->DocumentOuterHtml().find(tag + SjisFromUtf8Literal("日本語</span>")) !=
            std::string::npos);

    QApplication::clipboard()->setText("words");
    QtBrowser* base = window->pages().Browser("WebBrowserNSBase");
    base->WriteDocument("<html><body><p>words</p></body></html>");
    window->findChild<QToolButton*>("sbNSBasePaste")->click();
    QCOMPARE(window->findChild<QLineEdit*>("edSearchAndHighlight")->text(), QString("words"));
    QVERIFY(base->DocumentOuterHtml().find(tag) == std::string::npos);  // pasted only
    window->findChild<QToolButton*>("sbNSBaseSearch")->click();
    QVERIFY(base->DocumentOuterHtml().find(tag + "words</span>") != std::string::npos);
    // The download page's paste button searches too: "words" now marked there as well.
    window->findChild<QToolButton*>("sbDLWebBrowserSearchPaste")->click();
    QVERIFY(download->DocumentOuterHtml().find(tag + "words</span>") != std::string::npos);
    window->close();
  }
};

}  // namespace pellucor::app

PELLUCOR_WEBENGINE_TEST_MAIN(pellucor::app::MainWindowTest)
#include "MainWindowTest.moc"

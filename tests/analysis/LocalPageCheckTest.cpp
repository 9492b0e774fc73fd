// The local page tab over a small saved site (a page, its "ZZOrg_" copy, the report files, a
// style sheet and a script as the download leaves them), with fake ports.
#include "analysis/LocalPageCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/SingleFilePanes.h"
#include "support/FakeBrowser.h"
#include "support/FakeClipboard.h"
#include "support/FakeDialogs.h"
#include "support/FakeEventPump.h"
#include "support/FakeLauncher.h"
#include "support/FakeTextView.h"
#include "support/Iconv.h"
#include "support/TempFolder.h"

namespace pellucor {
namespace {

using testing::FakeTextView;
using testing::ReadBytes;
using testing::Sjis;
using testing::WriteBytes;

class LocalPageCheckTest : public ::testing::Test {
 protected:
  LocalPageCheckTest() {
    site_ = temp_.path() + "/site/";
    std::filesystem::create_directories(site_ + "css");
    // The page is saved in EUC-JP here so that the load charset shows.
    WriteBytes(site_ + "page.html", Euc("<html><head><meta charset=\"euc-jp\"></head>"
                                        "<body><a href=\"sub.html\">日本</a></body></html>"));
    WriteBytes(site_ + "ZZOrg_page.html", "<html><body>original</body></html>");
    WriteBytes(site_ + "page_CSSJS.txt", "css/a.css\r\njs/a.js\r\n");
    WriteBytes(site_ + "page_TotalCSSJS.txt", "h1{color:#ff0000;}\r\n");
    WriteBytes(site_ + "page_Image.txt", "img/a.gif\r\n");
    WriteBytes(site_ + "css/a.css", "p{color:#00ff00;}\r\n");
    WriteBytes(site_ + "picture.htm", std::string("GIF89a\0\0", 8));
  }

  static std::string Euc(std::string_view utf8) { return *testing::Iconv("UTF-8", "EUC-JP", utf8); }

  LocalPageHost Host() {
    return {dialogs_,
            clipboard_,
            pump_,
            launcher_,
            browser_,
            {html_, merged_, listLeft_, listRight_, images_, outerLeft_, outerRight_, original_,
             css_, js_, reference_},
            {pageFile_, originalFile_, dontLoad_, cssJsList_, mergedFile_, imageList_},
            colorLists_,
            [](std::chrono::milliseconds) {}};
  }

  testing::TempFolder temp_;
  std::string site_;
  testing::FakeDialogs dialogs_;
  testing::FakeClipboard clipboard_;
  testing::FakeEventPump pump_;
  testing::FakeLauncher launcher_;
  testing::FakeBrowser browser_;
  FakeTextView html_, merged_, listLeft_, listRight_, images_, outerLeft_, outerRight_, original_,
      css_, js_, reference_;
  std::string pageFile_, originalFile_, cssJsList_, mergedFile_, imageList_;
  bool dontLoad_ = true;
  std::vector<std::string> keywords_;
  ColorLists colorLists_{ColorListHost{merged_, html_, css_, pump_, keywords_}};
  LocalPageTab tab_;
  LocalPageCheck check_{Host(), tab_};
  SingleFilePanes panes_{Host(), tab_};
};

TEST_F(LocalPageCheckTest, OpeningAPageFillsTheBrowserAndTheSource) {
  merged_.text = "kept";
  // A name without ".htm" whose ".html" file does not exist: nothing happens at all.
  pageFile_ = site_ + "other";
  check_.sbConfirmLocaHTMLGoClick();
  EXPECT_TRUE(browser_.navigations.empty());
  EXPECT_EQ(merged_.text, "kept");

  // "page" opens "page.html", read as EUC-JP.
  pageFile_ = site_ + "page";
  tab_.RadioGroupLocalFileLoadCharset = 1;
  tab_.LeftTabShown = tab_.RightTabShown = "elsewhere";
  check_.sbConfirmLocaHTMLGoClick();
  EXPECT_EQ(browser_.navigations, (std::vector<std::string>{"about:blank", site_ + "page.html"}));
  EXPECT_NE(html_.text.find(Sjis("日本")), std::string::npos);
  EXPECT_FALSE(html_.loadedRtf.empty());  // coloured
  EXPECT_TRUE(merged_.text.empty());      // the tab was cleared
  EXPECT_EQ(originalFile_, site_ + "ZZOrg_page.html");
  EXPECT_FALSE(dontLoad_);
  EXPECT_EQ(tab_.LeftTabShown, "PGMainTab03LocalLeftTab01Browser");
  EXPECT_EQ(tab_.RightTabShown, "PGMainTab03LocalRightTab01HTMLSrc");

  // Home reads the page again without conversion and keeps the other views.
  merged_.text = "kept";
  check_.sbConfirmLocaHTMLFileHomeClick();
  EXPECT_NE(html_.text.find(Euc("日本")), std::string::npos);
  EXPECT_EQ(merged_.text, "kept");

  // The original HTML, read in its own charset.
  check_.sbConfirmLocaHTMLOrgHTMLGoClick();
  EXPECT_NE(original_.text.find("original"), std::string::npos);
  EXPECT_EQ(tab_.LeftTabShown, "PGMainTab03LocalLeftTab06OrigHTML");
}

TEST_F(LocalPageCheckTest, AFileThatCannotBeShownLeavesItsViewEmptyAndSaysWhy) {
  struct Case {
    const char* name;
    std::string file;
    bool message;  // a message box besides the status label
  };
  const std::vector<Case> cases = {
      {"missing", site_ + "gone.html", false},
      {"not text", site_ + "picture.htm", true},
  };
  for (const Case& c : cases) {
    dialogs_.shown.clear();
    html_.text = "old";
    check_.ConfirmLocaHTMLGo(c.file);
    EXPECT_TRUE(html_.text.empty()) << c.name;
    EXPECT_EQ(browser_.location, "about:blank") << c.name;
    EXPECT_TRUE(tab_.LabelLocalBrowserStatusBar.starts_with(c.file)) << c.name;
    EXPECT_EQ(dialogs_.shown.size(), c.message ? 1u : 0u) << c.name;
  }
}

TEST_F(LocalPageCheckTest, TheReportFilesGoToTheirViews) {
  cssJsList_ = site_ + "page_CSSJS.txt";
  check_.sbConfirmLocaCSSJSListOpenFileGoClick();
  EXPECT_EQ(listLeft_.text, "css/a.css\r\njs/a.js\r\n");
  EXPECT_EQ(listRight_.text, listLeft_.text);

  imageList_ = site_ + "page_Image.txt";
  check_.sbConfirmLocalFileImageListOpenFileGoClick();
  EXPECT_EQ(images_.text, "img/a.gif\r\n");

  // The merged file asks first: No, or Yes and a cancelled dialog, change nothing.
  check_.sbLocalCSSJSTotalFileClick();
  dialogs_.answers.push_back(Answer::Yes);
  check_.sbLocalCSSJSTotalFileClick();
  EXPECT_TRUE(merged_.text.empty());
  EXPECT_TRUE(mergedFile_.empty());
  // Yes with the field set: read, and its colour list built.
  mergedFile_ = site_ + "page_TotalCSSJS.txt";
  dialogs_.answers.push_back(Answer::Yes);
  check_.sbLocalCSSJSGoClick();
  EXPECT_EQ(merged_.text, "h1{color:#ff0000;}\r\n");
  ASSERT_EQ(colorLists_.tab.ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorList.size(), 1u);
  EXPECT_TRUE(
      colorLists_.tab.ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorList[0].starts_with(
          "#ff0000"));
}

TEST_F(LocalPageCheckTest, SavingWritesTheChosenEncoding) {
  html_.text = Sjis("<html><head><meta charset=\"Shift_JIS\"></head><body>日本</body></html>");
  tab_.RadioGroupLocalFileSaveCharset = 1;  // EUC-JP
  const std::string saved = temp_.path() + "/saved.html";
  dialogs_.choices.push_back(saved);
  check_.sbSaveLocaHTMLFileClick();
  EXPECT_EQ(pageFile_, saved);
  const std::string bytes = ReadBytes(saved);
  EXPECT_NE(bytes.find(Euc("日本")), std::string::npos);
  EXPECT_EQ(bytes.find("Shift_JIS"), std::string::npos);  // the declaration renamed

  // A write that fails is told.
  std::filesystem::create_directories(temp_.path() + "/folder.html");
  dialogs_.choices.push_back(temp_.path() + "/folder.html");
  check_.sbSaveLocaHTMLFileClick();
  ASSERT_FALSE(dialogs_.shown.empty());
  EXPECT_TRUE(dialogs_.shown.back().text.starts_with(Sjis("ファイルを保存できませんでした")));
}

TEST_F(LocalPageCheckTest, LinksAreFollowedOnlyWithTheOption) {
  const std::string link = "file://" + site_ + "sub.html";
  check_.LocalStatusText(link);
  EXPECT_EQ(tab_.LabelLocalBrowserStatusBar, site_ + "sub.html");
  EXPECT_EQ(tab_.LastHoveredLink, link);
  EXPECT_FALSE(check_.LocalDocOnClick());
  EXPECT_TRUE(browser_.navigations.empty());

  tab_.CheckBoxLocalChageUrl = true;
  EXPECT_FALSE(check_.LocalDocOnClick());
  EXPECT_EQ(browser_.navigations, std::vector<std::string>{link});
  EXPECT_EQ(pageFile_, site_ + "sub.html");

  // Status texts that are no link, or a mail or document link, are not remembered.
  const std::vector<std::string> others = {"mailto:a@example.com", "http://h/a.pdf",
                                           Sjis("ページが表示されました")};
  for (const std::string& text : others)
    check_.LocalStatusText(text);
  EXPECT_EQ(tab_.LastHoveredLink, link);
}

TEST_F(LocalPageCheckTest, EnteringTheTabShowsTheLastDownloadOnce) {
  dontLoad_ = false;
  check_.EnterTab(site_ + "page.html");
  EXPECT_EQ(pageFile_, site_ + "page.html");
  EXPECT_EQ(browser_.location, site_ + "page.html");
  EXPECT_NE(html_.text.find(Euc("日本")), std::string::npos);  // unconverted
  EXPECT_TRUE(dontLoad_);
  browser_.navigations.clear();
  check_.EnterTab(site_ + "page.html");
  EXPECT_TRUE(browser_.navigations.empty());
}

TEST_F(LocalPageCheckTest, PasteTakesOnlyAWebAddress) {
  clipboard_.SetText(site_ + "page.html");
  check_.sbConfirmLocaHTMLFilePasteClick();
  EXPECT_TRUE(pageFile_.empty());
  clipboard_.SetText(" http://h/p.html ");
  check_.sbConfirmLocaHTMLFilePasteClick();
  EXPECT_EQ(pageFile_, "http://h/p.html");
}

TEST_F(LocalPageCheckTest, SingleFilePanesOpenAndSave) {
  // Go with an empty field and a cancelled dialog does nothing.
  panes_.OpenFileGo(SingleFilePane::StyleSheet);
  EXPECT_EQ(dialogs_.shown.size(), 1u);
  EXPECT_TRUE(css_.log.empty());

  tab_.BtnEditLocalFileIndivCSS = site_ + "css/a.css";
  panes_.OpenFileGo(SingleFilePane::StyleSheet);
  EXPECT_EQ(css_.text, "p{color:#00ff00;}\r\n");
  EXPECT_EQ(colorLists_.tab.ListBoxListBoxPGMainTab03LocalLeftTab02IndivCSSSColorList.size(), 1u);
  // A path that does not exist empties the view and the colour list.
  tab_.BtnEditLocalFileIndivCSS = site_ + "css/gone.css";
  panes_.OpenFileGo(SingleFilePane::StyleSheet);
  EXPECT_TRUE(css_.text.empty());
  EXPECT_TRUE(colorLists_.tab.ListBoxListBoxPGMainTab03LocalLeftTab02IndivCSSSColorList.empty());

  // The script pane saved in EUC-JP, with the saved message.
  js_.text = Sjis("var s = \"日本\";");
  tab_.RadioGroupLocalFileSaveCharset = 1;
  const std::string saved = temp_.path() + "/a.js";
  dialogs_.choices.push_back(saved);
  panes_.Save(SingleFilePane::Script);
  EXPECT_EQ(ReadBytes(saved), Euc("var s = \"日本\";"));
  EXPECT_EQ(tab_.BtnEditLocalFileIndivJS, saved);
  EXPECT_EQ(dialogs_.shown.back().text, Sjis("ファイル【 ") + saved + Sjis(" 】が保存されました"));
}

}  // namespace
}  // namespace pellucor

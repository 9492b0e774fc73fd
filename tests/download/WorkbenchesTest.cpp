// The download tab's single-file workbenches, with fake ports and a loopback server.
#include "download/Workbenches.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/FakeBrowser.h"
#include "support/FakeClipboard.h"
#include "support/FakeDialogs.h"
#include "support/FakeEventPump.h"
#include "support/Iconv.h"
#include "support/LoopbackServer.h"
#include "support/TempFolder.h"

namespace pellucor {
namespace {

using testing::ReadBytes;
using testing::Sjis;
using testing::WriteBytes;

TEST(WorkbenchRows, SplitIntoUrlAndPath) {
  struct Case {
    const char* name;
    std::string row;
    std::string url;
    std::string path;
  };
  const std::vector<Case> cases = {
      {"reference row", "css/a.css\thttp://h/css/a.css\t/save/css/a.css", "http://h/css/a.css",
       "/save/css/a.css"},
      {"no TAB: both are the row", "http://h/a.css", "http://h/a.css", "http://h/a.css"},
      {"one TAB: URL after it, the whole row as path", "a.css\thttp://h/a.css", "http://h/a.css",
       "a.css\thttp://h/a.css"},
  };
  for (const Case& c : cases) {
    const WorkbenchRow split = SplitWorkbenchRow(c.row);
    EXPECT_EQ(split.url, c.url) << c.name;
    EXPECT_EQ(split.path, c.path) << c.name;
  }
}

TEST(WorkbenchRows, RootReferencesBecomeRelative) {
  struct Case {
    const char* name;
    const char* url;
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"quoted and unquoted url()", "http://h/css/a.css",
       "a{background:url(\"/img/x.gif\")} b{background:url(/img/y.gif)} c{x:url('/z.png')}",
       "a{background:url(\"../img/x.gif\")} b{background:url(../img/y.gif)} "
       "c{x:url('../z.png')}"},
      {"two levels deep", "http://h/a/b/s.js", "src='/lib.js'", "src='../../lib.js'"},
      {"a file in the root: the root is its own folder", "http://h/a.css", "url(/x.gif)",
       "url(x.gif)"},
      {"another host after //", "http://h/css/a.css", "url(//cdn.example/f.woff) url(\"/f\")",
       "url(//cdn.example/f.woff) url(\"../f\")"},
      {"nothing to change", "http://h/css/a.css", "a{color:red}", "a{color:red}"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MakeRootReferencesRelative(c.text, c.url), c.expected) << c.name;
}

class WorkbenchesTest : public ::testing::Test {
 protected:
  WorkbenchesTest()
      : workbenches_({dialogs_, clipboard_, pump_, textBrowser_, imageBrowser_, http_}, tab_) {
    folder_ = temp_.path() + "/save/";
    std::filesystem::create_directories(folder_);
    tab_.BtnEditWBPageSaveFolder = folder_;
  }

  [[nodiscard]] std::string LastMessage() const {
    return dialogs_.shown.empty() ? std::string() : dialogs_.shown.back().text;
  }

  testing::LoopbackServer server_;
  testing::TempFolder temp_;
  std::string folder_;
  testing::FakeDialogs dialogs_;
  testing::FakeClipboard clipboard_;
  testing::FakeEventPump pump_;
  testing::FakeBrowser textBrowser_;
  testing::FakeBrowser imageBrowser_;
  HttpClient http_;
  DownloadTab tab_;
  Workbenches workbenches_;
};

TEST_F(WorkbenchesTest, NavigateShowsTheFileByTheDisplayChoice) {
  server_.Serve("/css/a.css", "a{color:red}\r\n\r\n\r\n\r\nb{}", "text/css");
  server_.Serve("/css/empty.css", "", "text/css");
  server_.Serve("/img/a.gif", "GIF89a", "image/gif");
  server_.Serve("/page.html", "<p>page</p>");

  // Automatic: a style sheet is read and its blank lines collapsed; backslashes go.
  tab_.EditPGTab02RTab07IndividualUrl = " " + server_.Url("/css/\\a.css") + " ";
  workbenches_.sbPGTab02RTab07IndividualUrlClick();
  EXPECT_EQ(tab_.EditPGTab02RTab07IndividualUrl, server_.Url("/css/a.css"));
  EXPECT_EQ(tab_.MemoPGTab02RTab07Individual, "a{color:red}\r\nb{}");
  EXPECT_EQ(tab_.BtnEditPGTab02RTab07IndividualFilename, folder_ + "css/a.css");
  EXPECT_EQ(textBrowser_.location, "about:blank");

  // An image goes to the browser; a page is not shown, yet its place is proposed.
  tab_.EditPGTab02RTab07IndividualUrl = server_.Url("/img/a.gif");
  workbenches_.sbPGTab02RTab07IndividualUrlClick();
  EXPECT_EQ(textBrowser_.location, server_.Url("/img/a.gif"));
  tab_.EditPGTab02RTab07IndividualUrl = server_.Url("/page.html");
  workbenches_.sbPGTab02RTab07IndividualUrlClick();
  EXPECT_EQ(textBrowser_.location, "about:blank");
  EXPECT_TRUE(tab_.MemoPGTab02RTab07Individual.empty());
  EXPECT_EQ(tab_.BtnEditPGTab02RTab07IndividualFilename, folder_ + "page.html");

  // An empty answer: automatic shows the no-data text and keeps the path box; text display
  // shows nothing and proposes the place.
  tab_.BtnEditPGTab02RTab07IndividualFilename = "kept";
  tab_.EditPGTab02RTab07IndividualUrl = server_.Url("/css/empty.css");
  workbenches_.sbPGTab02RTab07IndividualUrlClick();
  EXPECT_EQ(tab_.MemoPGTab02RTab07Individual, Sjis("\r\n\r\nUrl ==>>") +
                                                  server_.Url("/css/empty.css") +
                                                  Sjis("<==\r\n\r\n●　「データがありません　」●"));
  EXPECT_EQ(tab_.BtnEditPGTab02RTab07IndividualFilename, "kept");
  tab_.RadioGroupDLIndividualScreen = 1;
  workbenches_.sbPGTab02RTab07IndividualUrlClick();
  EXPECT_TRUE(tab_.MemoPGTab02RTab07Individual.empty());
  EXPECT_EQ(tab_.BtnEditPGTab02RTab07IndividualFilename, folder_ + "css/empty.css");

  // No URL: the file of the path box, unconverted; then the save folder's "index.html".
  const std::string local = temp_.path() + "/local.css";
  WriteBytes(local, "x{}");
  tab_.EditPGTab02RTab07IndividualUrl.clear();
  tab_.BtnEditPGTab02RTab07IndividualFilename = local;
  workbenches_.sbPGTab02RTab07IndividualUrlClick();
  EXPECT_EQ(tab_.MemoPGTab02RTab07Individual, "x{}");
  EXPECT_EQ(tab_.BtnEditPGTab02RTab07IndividualFilename, folder_ + "index.html");
}

TEST_F(WorkbenchesTest, ATextReadInItsCharsetIsShownInShiftJis) {
  const std::string text = "p{content:\"日本語\"}";
  server_.Serve("/euc.css", *testing::Iconv("UTF-8", "EUC-JP", text), "text/css");
  tab_.EditPGTab02RTab07IndividualUrl = server_.Url("/euc.css");
  tab_.RadioGroupDLIndividualCode = 1;  // EUC-JP
  workbenches_.sbPGTab02RTab07IndividualUrlClick();
  EXPECT_EQ(tab_.MemoPGTab02RTab07Individual, Sjis(text));
}

TEST_F(WorkbenchesTest, DirectDownloadWritesTheFileAndItsCopyAsFetched) {
  server_.Serve("/js/a.js", "var a = 1;", "text/javascript");
  server_.Serve("/", "<html>top</html>");
  tab_.EditPGTab02RTab07IndividualUrl = server_.Url("/js/a.js");
  workbenches_.sbPGTab02RTab07IndividualDownloadClick();
  EXPECT_EQ(ReadBytes(folder_ + "js/a.js"), "var a = 1;");
  EXPECT_EQ(ReadBytes(folder_ + "js/ZZOrg_a.js"), "var a = 1;");
  EXPECT_EQ(LastMessage(), Sjis("Webﾌｧｲﾙ【 ") + server_.Url("/js/a.js") +
                               Sjis(" 】が\r\n\r\nWindowsﾌｧｲﾙ【 ") + folder_ + "js/a.js" +
                               Sjis(" 】として保存されました"));
  EXPECT_EQ(tab_.BtnEditPGTab02RTab07IndividualFilename, folder_ + "js/a.js");
  EXPECT_EQ(tab_.MemoPGTab02RTab07Individual, "var a = 1;");  // opened after the download

  tab_.EditPGTab02RTab07IndividualUrl = server_.Url("/");
  workbenches_.sbPGTab02RTab07IndividualDownloadClick();
  EXPECT_EQ(ReadBytes(folder_ + "index.html"), "<html>top</html>");
  EXPECT_TRUE(std::filesystem::exists(folder_ + "ZZOrg_index.html"));
  EXPECT_EQ(textBrowser_.location, folder_ + "index.html");
}

TEST_F(WorkbenchesTest, AFailedDirectDownloadSavesNothingAndSaysSo) {
  server_.NotFound("/js/gone.js", "<html>not found</html>");
  // A link inside the save folder leads out of it: nothing is written through it.
  const std::string outside = temp_.path() + "/outside";
  std::filesystem::create_directories(outside);
  std::filesystem::create_directory_symlink(outside, folder_ + "lib");
  server_.Serve("/lib/b.js", "b", "text/javascript");
  const std::string failed = Sjis("ファイルとしての保存に失敗しました");
  for (const char* path : {"/js/gone.js", "/lib/b.js"}) {
    dialogs_.shown.clear();
    tab_.EditPGTab02RTab07IndividualUrl = server_.Url(path);
    workbenches_.sbPGTab02RTab07IndividualDownloadClick();
    EXPECT_EQ(LastMessage(), failed) << path;
  }
  EXPECT_FALSE(std::filesystem::exists(folder_ + "js/gone.js"));
  EXPECT_TRUE(std::filesystem::is_empty(outside));

  // Without a save folder nothing happens at all.
  dialogs_.shown.clear();
  tab_.BtnEditWBPageSaveFolder.clear();
  workbenches_.sbPGTab02RTab07IndividualDownloadClick();
  EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(WorkbenchesTest, SaveConvertsAndMakesRootReferencesRelativeThenReadsBack) {
  const std::string sheet = Sjis("/* 日本語 */\r\na{background:url(\"/img/x.gif\")}");
  tab_.EditPGTab02RTab07IndividualUrl = "http://host/css/a.css";
  tab_.MemoPGTab02RTab07Individual = sheet;
  tab_.BtnEditPGTab02RTab07IndividualFilename = folder_ + "css/a.css";
  tab_.RadioGroupDLIndividualCodeSaveFile = 2;  // UTF-8
  workbenches_.sbsbPGTab02RTab07IndividualSaveFileClick();
  EXPECT_EQ(ReadBytes(folder_ + "css/a.css"),
            "/* 日本語 */\r\na{background:url(\"../img/x.gif\")}");
  EXPECT_EQ(LastMessage(),
            Sjis("ファイル【 ") + folder_ + "css/a.css" + Sjis(" 】が保存されました"));

  // Read back as UTF-8 and saved in Shift_JIS again: the original bytes, references relative.
  tab_.MemoPGTab02RTab07Individual.clear();
  tab_.RadioGroupDLIndividualCode = 2;
  workbenches_.sbsbPGTab02RTab07IndividualOpenFileGoClick();
  EXPECT_EQ(tab_.MemoPGTab02RTab07Individual,
            Sjis("/* 日本語 */\r\na{background:url(\"../img/x.gif\")}"));
  tab_.RadioGroupDLIndividualCodeSaveFile = 3;  // Shift_JIS
  workbenches_.sbsbPGTab02RTab07IndividualSaveFileClick();
  EXPECT_EQ(ReadBytes(folder_ + "css/a.css"),
            Sjis("/* 日本語 */\r\na{background:url(\"../img/x.gif\")}"));
}

TEST_F(WorkbenchesTest, SaveElsewhereGoesThroughTheSaveDialog) {
  tab_.EditPGTab02RTab07IndividualUrl = "http://host/css/a.css";
  tab_.MemoPGTab02RTab07Individual = "a{}";
  // An empty path box asks, proposing the URL's file name; cancelling writes nothing.
  workbenches_.sbsbPGTab02RTab07IndividualSaveFileClick();
  ASSERT_EQ(dialogs_.shown.size(), 1u);
  EXPECT_EQ(dialogs_.shown[0].kind, "save");
  EXPECT_EQ(dialogs_.shown[0].proposedName, "a.css");
  EXPECT_TRUE(tab_.BtnEditPGTab02RTab07IndividualFilename.empty());

  // A typed path outside the save folder is written only where the dialog confirms it.
  const std::string typed = temp_.path() + "/typed.css";
  const std::string confirmed = temp_.path() + "/confirmed.css";
  tab_.BtnEditPGTab02RTab07IndividualFilename = typed;
  dialogs_.choices.push_back(confirmed);
  workbenches_.sbsbPGTab02RTab07IndividualSaveFileClick();
  EXPECT_EQ(dialogs_.shown[1].kind, "save");
  EXPECT_EQ(dialogs_.shown[1].proposedName, "typed.css");
  EXPECT_FALSE(std::filesystem::exists(typed));
  EXPECT_EQ(ReadBytes(confirmed), "a{}");
  EXPECT_EQ(tab_.BtnEditPGTab02RTab07IndividualFilename, confirmed);

  // A write that fails is told, never reported as saved.
  std::filesystem::create_directories(folder_ + "dir.css");
  tab_.BtnEditPGTab02RTab07IndividualFilename = folder_ + "dir.css";
  workbenches_.sbsbPGTab02RTab07IndividualSaveFileClick();
  EXPECT_TRUE(LastMessage().starts_with(Sjis("ファイルを保存できませんでした： ")))
      << LastMessage();
}

TEST_F(WorkbenchesTest, ImageDownloadStoresOnlyAnImage) {
  const std::string gif("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
  server_.Serve("/img/a.gif", gif, "image/gif");
  server_.Serve("/img/page.gif", "<html>not an image</html>");
  tab_.EditPGTab02RTab08ImageIndividualUrl = server_.Url("/img/a.gif");
  workbenches_.sbPGTab02RTab08ImageIndividualDownloadClick();
  EXPECT_EQ(ReadBytes(folder_ + "img/a.gif"), gif);
  EXPECT_EQ(tab_.BtnEditPGTab02RTab08ImageIndividualFilename, folder_ + "img/a.gif");
  EXPECT_EQ(imageBrowser_.location, folder_ + "img/a.gif");

  tab_.EditPGTab02RTab08ImageIndividualUrl = server_.Url("/img/page.gif");
  workbenches_.sbPGTab02RTab08ImageIndividualDownloadClick();
  EXPECT_FALSE(std::filesystem::exists(folder_ + "img/page.gif"));
  EXPECT_TRUE(tab_.BtnEditPGTab02RTab08ImageIndividualFilename.empty());
  EXPECT_EQ(LastMessage(), Sjis("ファイルとしての保存に失敗しました"));
}

TEST_F(WorkbenchesTest, PaneClicksHandRowsAndFilesToTheWorkbenches) {
  server_.Serve("/css/a.css", "a{}", "text/css");
  server_.Serve("/img/a.gif", "GIF89a", "image/gif");
  // A reference row of the style sheet pane: read into the text workbench.
  workbenches_.ListBoxPGTab02LTab02PageWebCSSClick("css/a.css\t" + server_.Url("/css/a.css") +
                                                   "\t" + folder_ + "css/a.css");
  EXPECT_EQ(tab_.MemoPGTab02RTab07Individual, "a{}");
  EXPECT_EQ(tab_.EditPGTab02RTab08ImageIndividualUrl, server_.Url("/css/a.css"));
  EXPECT_EQ(tab_.RightTabShown, "PGTab02RTab07Individual");

  // A reference row of the image pane: shown in the image workbench.
  workbenches_.ListBoxPGTab02LTab03PageImageClick("img/a.gif\t" + server_.Url("/img/a.gif") + "\t" +
                                                  folder_ + "img/a.gif");
  EXPECT_EQ(imageBrowser_.location, server_.Url("/img/a.gif"));
  EXPECT_EQ(tab_.BtnEditPGTab02RTab08ImageIndividualFilename, folder_ + "img/a.gif");
  EXPECT_EQ(tab_.RightTabShown, "PGTab02RTab08ImageIndividual");

  // Marked lines of fetched files: an existing file is opened, a missing one is told.
  const std::string sheet = folder_ + "b.css";
  WriteBytes(sheet, *testing::Iconv("UTF-8", "EUC-JP", "b{content:\"あ\"}"));
  tab_.RadioGroupDLCSSJSCode = 1;
  workbenches_.ListBoxPGTab02LTab02PageFileDownloaedCSSJSClick(Sjis("◎") + sheet);
  EXPECT_EQ(tab_.MemoPGTab02RTab07Individual, Sjis("b{content:\"あ\"}"));
  EXPECT_EQ(tab_.BtnEditPGTab02RTab07IndividualFilename, sheet);
  EXPECT_TRUE(dialogs_.shown.empty());
  tab_.MemoPGTab02RTab06CSSJS = "old";
  workbenches_.ListBoxPGTab02LTab02PageFileDownloaedCSSJSClick(Sjis("●") + folder_ + "gone.css");
  EXPECT_EQ(LastMessage(), Sjis("【 ファイル 】が見つかりません"));
  EXPECT_EQ(tab_.LabelDLCSSJSWinFilename, folder_ + "gone.css");
  EXPECT_TRUE(tab_.MemoPGTab02RTab06CSSJS.empty());
  EXPECT_EQ(tab_.MemoPGTab02RTab07Individual, Sjis("b{content:\"あ\"}"));  // kept
  workbenches_.ListBoxPGTab02LTab03PageImageDownloaedImageClick("");
  EXPECT_EQ(dialogs_.shown.size(), 2u);
}

}  // namespace
}  // namespace pellucor

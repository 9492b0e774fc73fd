// Whole runs of the download engine against the loopback server, with fake ports.
#include "download/DownloadEngine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "SiteRun.h"
#include "download/ResourceStages.h"
#include "support/Golden.h"
#include "text/TextTrim.h"

namespace pellucor {
namespace {

namespace fs = std::filesystem;
using testing::Iconv;
using testing::ReadBytes;
using testing::Sjis;
using testing::WriteBytes;

std::string Page(std::string_view charset, std::string_view head, std::string_view body) {
  return "<html>\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=" +
         std::string(charset) + "\">\n" + std::string(head) + "</head>\n<body>\n" +
         std::string(body) + "\n</body>\n</html>\n";
}

// The engine's own steps: the page is saved and rewritten alone, its resources left to the
// stages' tests.
class DownloadRun : public testing::SiteRunWith<NoResourceStages> {
 protected:
  DownloadRun() : SiteRunWith(Options(), "site/") {
    // The tab's own base tag mode, which asks: the question is under test here.
    engine_.tab.RadioGroupRemoveBaseHref = DownloadTab{}.RadioGroupRemoveBaseHref;
  }

  static HttpClientOptions Options() {
    HttpClientOptions options;
    options.limits.stallTimeout = std::chrono::milliseconds(500);
    return options;
  }
};

TEST_F(DownloadRun, PagesInEveryEncodingAreSavedAsShiftJis) {
  struct Case {
    const char* name;
    const char* charset;
    const char* iconvName;
  } cases[] = {
      {"Shift_JIS", "Shift_JIS", "CP932"},
      {"EUC-JP", "EUC-JP", "EUC-JP"},
      {"UTF-8", "UTF-8", "UTF-8"},
      {"ISO-2022-JP", "ISO-2022-JP", "ISO-2022-JP"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string fetched = *Iconv(
        "UTF-8", c.iconvName, Page(c.charset, "<title>見本</title>\n", "<p>日本語の本文</p>"));
    const std::string path = std::string("/") + c.name + "/page.html";
    server_.Serve(path, fetched);
    ASSERT_EQ(DownloadUrl(server_.Url(path)), 0);
    const std::string saved = Saved(std::string(c.name) + "/page.html");
    EXPECT_NE(saved.find("charset=Shift_JIS"), std::string::npos) << saved;
    EXPECT_NE(saved.find(Sjis("<p>日本語の本文</p>")), std::string::npos) << saved;
    // The copy as read: the bytes from the server, only its line ends made CR LF by the read.
    EXPECT_EQ(Saved(std::string(c.name) + "/ZZOrg_page.html"), UnifyLineEnds(fetched));
    EXPECT_EQ(engine_.tab.LabelDownloadedFile, Sjis("【 ダウンロード完了 】"));
  }
}

// The server's error page is saved as it came, and the label tells the status and the address
// instead of a finished download.
TEST_F(DownloadRun, APageThatAnswersAnErrorStatusIsSavedAndTheLabelSaysSo) {
  server_.NotFound("/gone.html", Page("Shift_JIS", "", "<p>not here</p>"));
  ASSERT_EQ(DownloadUrl(server_.Url("/gone.html")), 0);
  EXPECT_NE(Saved("gone.html").find("<p>not here</p>"), std::string::npos);
  EXPECT_EQ(engine_.tab.LabelDownloadedFile,
            Sjis("●【 ページはエラーを返しました 】 HTTP 404  ") + server_.Url("/gone.html"));
}

TEST_F(DownloadRun, SavedPageCommentStandsOnTheLineBeforeHead) {
  server_.Serve("/p.html",
                "<!DOCTYPE html>\n<HTML>\n<HEAD><TITLE>t</TITLE></HEAD><BODY>x</BODY></HTML>");
  ASSERT_EQ(DownloadUrl(server_.Url("/p.html")), 0);
  const std::string saved = Saved("p.html");
  const std::string comment =
      "<!-- saved from \"" + server_.Url("/p.html") + "\" by ZOLK-HARVEXA -->\r\n<head>";
  EXPECT_NE(saved.find(comment), std::string::npos) << saved;
  EXPECT_EQ(saved.find("ZOLK-HARVEXA"), saved.rfind("ZOLK-HARVEXA"));
}

TEST_F(DownloadRun, SameHostAndRootRelativeReferencesBecomeRelative) {
  server_.Serve(
      "/d/p.html",
      Page("Shift_JIS", "<link rel=\"stylesheet\" href=\"" + server_.Url("/css/a.css") + "\">\n",
           "<img src=\"/img/x.gif\"><a href=\"/\">top</a>"));
  ASSERT_EQ(DownloadUrl(server_.Url("/d/p.html")), 0);
  const std::string saved = Saved("d/p.html");
  EXPECT_NE(saved.find("href=\"../css/a.css\""), std::string::npos) << saved;
  EXPECT_NE(saved.find("src=\"../img/x.gif\""), std::string::npos) << saved;
  EXPECT_NE(saved.find("href=\"../index.html\""), std::string::npos) << saved;
  EXPECT_EQ(saved.find("127.0.0.1"), saved.rfind("127.0.0.1"))
      << "only the saved-page comment names the host";
}

TEST_F(DownloadRun, BaseTagByMode) {
  const std::string page =
      Page("Shift_JIS", "<base href=\"http://example.com/a/b/\">\n", "<p>x</p>");
  server_.Serve("/base.html", page);
  struct Case {
    int mode;
    std::string expected;
  } cases[] = {
      {1, "<base href=\"file://" + folder_ + "a/b/index.html\">"},
      {2, Sjis("<!-- ●● <base href=\"http://example.com/a/b/index.html\"> ●●-->")},
      {3, Sjis("<!-- ●● <base href=\"http://example.com/a/b/index.html\"> ●●-->")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    engine_.tab.RadioGroupRemoveBaseHref = c.mode;
    ASSERT_EQ(DownloadUrl(server_.Url("/base.html")), 0);
    const std::string saved = Saved("base.html");
    EXPECT_NE(saved.find(c.expected), std::string::npos) << saved << "\nwanted: " << c.expected;
  }
}

TEST_F(DownloadRun, BaseTagQuestionAnsweredNoEndsTheRun) {
  server_.Serve("/base.html", Page("Shift_JIS", "<base href=\"http://example.com/\">\n", "x"));
  dialogs_.answers = {Answer::No};
  EXPECT_EQ(DownloadUrl(server_.Url("/base.html")), -1);
  ASSERT_EQ(dialogs_.shown.size(), 1u);
  EXPECT_EQ(dialogs_.shown[0].kind, "yes-no");
  EXPECT_FALSE(Exists("base.html"));
}

TEST_F(DownloadRun, DummyTopFolderAndChosenName) {
  server_.Serve("/index.html", Page("Shift_JIS", "", "<a href=\"/\">top</a>"));
  engine_.tab.CheckBoxTopDirectoryForUnkwon = true;
  engine_.tab.EditDLTopDummyDirectory = "main/top";
  ASSERT_EQ(DownloadUrl(server_.Url("/index.html")), 0);
  EXPECT_TRUE(Exists("main/top/index.html"));
  EXPECT_NE(Saved("main/top/index.html").find("href=\"../../index.html\""), std::string::npos);

  engine_.tab.CheckBoxTopDirectoryForUnkwon = false;
  engine_.tab.CheckBoxDontEmptyFolder = false;
  engine_.tab.CheckBoxDLsaveThisname = true;
  engine_.tab.EditDLSaveFilename = "chosen";
  ASSERT_EQ(DownloadUrl(server_.Url("/index.html")), 0);
  EXPECT_TRUE(Exists("chosen.html"));
  EXPECT_TRUE(Exists("ZXOrg_chosen.html"));
  EXPECT_FALSE(Exists("main/top/index.html")) << "the folder was emptied first";
  EXPECT_FALSE(engine_.tab.CheckBoxDLsaveThisname) << "unchecked at the end of the run";
}

TEST_F(DownloadRun, RedirectQuestion) {
  server_.Serve("/old.html", "<html><head><meta http-equiv=\"refresh\" content=\"0;url=" +
                                 server_.Url("/new.html") + "\"></head><body>moved</body></html>");
  dialogs_.answers = {Answer::No};
  EXPECT_EQ(DownloadUrl(server_.Url("/old.html")), -1);
  EXPECT_EQ(dialogs_.shown.at(0).kind, "information");
  EXPECT_EQ(dialogs_.shown.at(0).text,
            Sjis("【 http-equiv=\"refresh\" 】で、リダイレクトされています"));
  EXPECT_EQ(engine_.tab.ComboBoxWBUrl, server_.Url("/new.html"));
  EXPECT_FALSE(Exists("old.html"));

  dialogs_.answers = {Answer::Yes};
  EXPECT_EQ(DownloadUrl(server_.Url("/old.html")), 0);
  EXPECT_TRUE(Exists("old.html")) << "yes goes on with the URL the run started with";
}

TEST_F(DownloadRun, FramesetBranchAsksForTheFileAndEndsTheRun) {
  server_.Serve(
      "/frames.html",
      "<html><head></head><frameset cols=\"1,*\"><frame src=\"a.html\"></frameset></html>");
  dialogs_.choices = {folder_ + "frames/index.html"};
  EXPECT_EQ(DownloadUrl(server_.Url("/frames.html")), -1);
  EXPECT_TRUE(engine_.run.FramesetSaved);
  EXPECT_EQ(engine_.tab.BtnEditWBPageSaveFolder, folder_ + "frames/");
  EXPECT_EQ(dialogs_.shown.at(0).kind, "information");
  EXPECT_EQ(dialogs_.shown.at(1).kind, "save");
  EXPECT_EQ(engine_.tab.RightTabShown, "PGTab02RTab04PDownload");
  EXPECT_NE(engine_.tab.LabelDownloadedFile, Sjis("【 ダウンロード完了 】"));
}

TEST_F(DownloadRun, RequestChecks) {
  // A fragment is cut, also in the box; a URL without a file part asks, and No adds
  // "/index.html".
  server_.Serve("/dir/index.html", Page("Shift_JIS", "", "x"));
  dialogs_.answers = {Answer::No};
  EXPECT_EQ(DownloadUrl(server_.Url("/dir#part")), 0);
  EXPECT_EQ(engine_.tab.ComboBoxWBUrl, server_.Url("/dir/index.html"));
  EXPECT_TRUE(Exists("dir/index.html"));

  dialogs_.answers = {Answer::Cancel};
  engine_.lastRunResult = 99;
  engine_.tab.ComboBoxWBUrl = server_.Url("/dir");
  engine_.btnDownloadAllClick();
  EXPECT_EQ(engine_.lastRunResult, 99) << "cancel starts no run";

  // The inner-HTML option before any navigation.
  DownloadEngine fresh(Host(), stages_);
  fresh.tab.CheckBoxDLDownloadinnerHTML = true;
  fresh.tab.ComboBoxWBUrl = server_.Url("/dir/index.html");
  fresh.btnDownloadAllClick();
  EXPECT_EQ(dialogs_.shown.back().text,
            Sjis("まだナビゲートされていません\r\n\r\n１度ナビゲートしてください"));
}

TEST_F(DownloadRun, MissingSaveFolderEndsTheRun) {
  server_.Serve("/p.html", Page("Shift_JIS", "", "x"));
  engine_.tab.BtnEditWBPageSaveFolder = folder_ + "missing/";
  EXPECT_EQ(DownloadUrl(server_.Url("/p.html")), -1);
  EXPECT_EQ(dialogs_.shown.back().text, Sjis("【 フォルダー 】が見つかりません"));
}

TEST_F(DownloadRun, SecondRunKeepsTheFolder) {
  server_.Serve("/p.html", Page("Shift_JIS", "", "x"));
  ASSERT_EQ(DownloadUrl(server_.Url("/p.html")), 0);
  WriteBytes(folder_ + "mine.txt", "keep");
  ASSERT_EQ(DownloadUrl(server_.Url("/p.html")), 0);
  EXPECT_EQ(Saved("mine.txt"), "keep");
  EXPECT_TRUE(engine_.tab.CheckBoxDLDontMakeCSSlist);
}

TEST_F(DownloadRun, HandOverFromTheNetSearch) {
  server_.Serve("/found.html", Page("Shift_JIS", "", "<p>found</p>"));
  engine_.tab.CheckBoxDontEmptyFolder = true;
  engine_.tab.CheckBoxDLCSSOnly = true;
  engine_.tab.LabelDownloadedFile = "old";
  engine_.tab.ListBoxPGTab02LTab03PageImage = {"old row"};
  engine_.TakeOverUrl(server_.Url("/found.html"));
  EXPECT_EQ(engine_.tab.ComboBoxWBUrl, server_.Url("/found.html"));
  EXPECT_EQ(engine_.tab.HomeUrl, server_.Url("/found.html"));
  EXPECT_EQ(engine_.tab.BtnEditWBPageSaveFolder, "");
  EXPECT_FALSE(engine_.tab.CheckBoxDontEmptyFolder);
  EXPECT_FALSE(engine_.tab.CheckBoxDLCSSOnly);
  EXPECT_TRUE(engine_.tab.ListBoxPGTab02LTab03PageImage.empty());
  EXPECT_EQ(browser_.navigations, std::vector<std::string>{server_.Url("/found.html")});
  EXPECT_NE(engine_.tab.RichEditExPGTab02RTab02HTMLSrc.find("<p>found</p>"), std::string::npos);
}

// One full run compared with a checked-in saved page (the server's port written as PORT).
TEST_F(DownloadRun, GoldenSavedPage) {
  const fs::path fixtures = fs::path(PELLUCOR_FIXTURES) / "download";
  server_.Serve("/shop/list.php", ReadBytes((fixtures / "shop-list.php").string()));
  ASSERT_EQ(DownloadUrl(server_.Url("/shop/list.php")), 0);
  const std::string saved =
      std::regex_replace(Saved("shop/list.php.html"), std::regex("127\\.0\\.0\\.1:[0-9]+"), "PORT");
  testing::ExpectMatchesGolden(saved, fixtures / "shop-list.expected.html");
}

}  // namespace
}  // namespace pellucor

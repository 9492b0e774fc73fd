// Whole runs with the resource stages against small fixture sites on the loopback server.
#include "download/PageResourceStages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "SiteRun.h"

namespace pellucor {
namespace {

namespace fs = std::filesystem;
using testing::kGif;
using testing::ReadBytes;
using testing::Sjis;

class ResourceRun : public testing::SiteRun {
 protected:
  ResourceRun() : SiteRunWith(HttpClientOptions{}, "site/") {}

  int Download(const std::string& path) { return DownloadUrl(server_.Url(path)); }
};

TEST_F(ResourceRun, StyleSheetsScriptsAndImagesAreSavedAndMarked) {
  server_.Serve("/index.html",
                "<html><head><link rel=\"stylesheet\" href=\"css/a.css\">"
                "<script src=\"js/s.js\"></script></head>"
                "<body><img src=\"img/i.gif\"><img src=\"/img/root.gif\"></body></html>");
  server_.Serve("/css/a.css",
                "@import \"b.css\";\nbody { background: url(../img/bg.gif); }\n"
                "h1 { background: url(/img/rootbg.gif); }\n",
                "text/css");
  server_.Serve("/css/b.css", "@import url(\"c.css\");\np { color: red; }\n", "text/css");
  server_.Serve("/css/c.css", "em { color: blue; }\n", "text/css");
  server_.Serve("/js/s.js", "var s = 1; /* comment */\n", "application/javascript");
  for (const char* image : {"/img/i.gif", "/img/root.gif", "/img/bg.gif", "/img/rootbg.gif"})
    server_.Serve(image, kGif, "image/gif");

  ASSERT_EQ(Download("/index.html"), 0);
  for (const char* file :
       {"index.html", "css/a.css", "css/ZYOrg_a.css", "css/b.css", "css/c.css", "js/s.js",
        "js/ZYOrg_s.js", "img/i.gif", "img/root.gif", "img/bg.gif", "img/rootbg.gif"})
    EXPECT_TRUE(Exists(file)) << file;
  const DownloadTab& tab = engine_.tab;
  EXPECT_TRUE(Holds(tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS, Mark("◎", "css/a.css")));
  EXPECT_TRUE(Holds(tab.ListBoxPGTab02LTab03PageImageDownloaedImage, Mark("◎", "img/i.gif")));
  // The root-relative image of the style sheet now leads up from the sheet's folder.
  EXPECT_NE(ReadBytes(folder_ + "css/a.css").find("url(../img/rootbg.gif)"), std::string::npos);
  // A script is saved with its comments.
  EXPECT_NE(ReadBytes(folder_ + "js/s.js").find("/* comment */"), std::string::npos);
  // The reports list them.
  EXPECT_FALSE(tab.BtnEditLocalFileCSSJSList.empty());
  EXPECT_FALSE(tab.BtnEditLocalFileImageList.empty());
}

TEST_F(ResourceRun, ErrorAnswersAreMarkedAndNotSaved) {
  server_.Serve("/index.html",
                "<html><head>"
                "<link rel=\"stylesheet\" href=\"css/gone.css\">"
                "<link rel=\"stylesheet\" href=\"css/missing.css\">"
                "<link rel=\"stylesheet\" href=\"css/page.css\">"
                "<link rel=\"stylesheet\" href=\"css/picture.css\">"
                "</head><body><img src=\"img/soft404.gif\"></body></html>");
  server_.NotFound("/css/gone.css", "<html><body><h1>404 Not Found</h1></body></html>");
  server_.Serve("/css/missing.css", Sjis("<p>ページが見つかりません</p>"));
  server_.Serve("/css/page.css", "<html><body>a page</body></html>");
  server_.Serve("/css/picture.css", kGif, "image/gif");
  server_.Serve("/img/soft404.gif", "<html><body>moved</body></html>");

  ASSERT_EQ(Download("/index.html"), 0);
  const DownloadTab& tab = engine_.tab;
  EXPECT_TRUE(Holds(tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS, Mark("■", "css/gone.css")));
  EXPECT_TRUE(Holds(tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS, Mark("◆", "css/missing.css")));
  EXPECT_TRUE(Holds(tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS, Mark("▼", "css/page.css")));
  EXPECT_TRUE(Holds(tab.ListBoxPGTab02LTab08UnkownImage, server_.Url("/css/picture.css")));
  for (const char* file : {"css/gone.css", "css/missing.css", "css/page.css", "img/soft404.gif"})
    EXPECT_FALSE(Exists(file)) << file;
  EXPECT_TRUE(Holds(tab.ListBoxPGTab02LTab03PageImageDownloaedImage, Mark("●", "img/soft404.gif")));
  ASSERT_EQ(tab.ListBoxPGTab02LTab06DLImageNotFound.size(), 1u);
}

TEST_F(ResourceRun, ASecondRunKeepsWhatIsThere) {
  server_.Serve("/index.html",
                "<html><head><link rel=\"stylesheet\" href=\"a.css\"></head>"
                "<body><img src=\"i.gif\"></body></html>");
  server_.Serve("/a.css", "p { color: red; }", "text/css");
  server_.Serve("/i.gif", kGif, "image/gif");
  ASSERT_EQ(Download("/index.html"), 0);
  const std::size_t requests = server_.RequestCount();
  ASSERT_EQ(Download("/index.html"), 0);
  const DownloadTab& tab = engine_.tab;
  EXPECT_TRUE(Holds(tab.ListBoxPGTab02LTab03PageImageDownloaedImage, Mark("○", "i.gif")));
  EXPECT_TRUE(Holds(tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS, Mark("□", "a.css")));
  const std::vector<std::string> asked = server_.RequestedPaths();
  EXPECT_EQ(
      std::count(asked.begin() + static_cast<std::ptrdiff_t>(requests), asked.end(), "/i.gif"), 0)
      << "an image on disk is not fetched again";
}

TEST_F(ResourceRun, BaseHrefGivesFailedImagesASecondTry) {
  server_.Serve("/page/index.html", "<html><head><base href=\"" + server_.Url("/mirror/") +
                                        "\"></head>"
                                        "<body><img src=\"/only-on-mirror.gif\"></body></html>");
  server_.Serve("/mirror/only-on-mirror.gif", kGif, "image/gif");
  ASSERT_EQ(Download("/page/index.html"), 0);
  const DownloadTab& tab = engine_.tab;
  ASSERT_EQ(tab.ListBoxPGTab02LTab06DLImageNotFound.size(), 2u);
  EXPECT_EQ(tab.ListBoxPGTab02LTab03PageImageDownloaedImage.at(0), Mark("◎", "only-on-mirror.gif"));
  EXPECT_EQ(tab.ListBoxPGTab02LTab03PageImageDownloaedImage.at(1), Mark("●", "only-on-mirror.gif"));
  EXPECT_TRUE(Exists("only-on-mirror.gif"));
}

TEST_F(ResourceRun, StopLeavesTheRestUntouched) {
  std::string body;
  for (int i = 0; i < 5; ++i) {
    const std::string name = "/img/" + std::to_string(i) + ".gif";
    server_.Serve(name, kGif, "image/gif");
    body += "<img src=\"" + name.substr(1) + "\">";
  }
  server_.Serve("/index.html", "<html><head></head><body>" + body + "</body></html>");
  // The user presses stop while the second image is being shown.
  pump_.onPump = [this] {
    if (engine_.tab.LabelDownloadedFileCount.find("2  /") != std::string::npos &&
        !engine_.StopRequested())
      engine_.btnDownloadStopClick();
  };
  ASSERT_EQ(Download("/index.html"), 0);
  EXPECT_EQ(engine_.tab.ListBoxPGTab02LTab03PageImageDownloaedImage.size(), 2u);
  EXPECT_TRUE(Exists("img/0.gif"));
  EXPECT_FALSE(Exists("img/4.gif"));
}

TEST_F(ResourceRun, QueryStringAndProtocolRelativeImages) {
  const std::string host = server_.Url("").substr(std::string("http:").size());  // "//127.0.0.1:N"
  server_.Serve("/index.html",
                "<html><head></head><body><img src=\"pic.gif?v=2\">"
                "<img src=\"" +
                    host + "/img/far.gif\"></body></html>");
  server_.Serve("/pic.gif", kGif, "image/gif");
  server_.Serve("/img/far.gif", kGif, "image/gif");
  ASSERT_EQ(Download("/index.html"), 0);
  EXPECT_TRUE(Exists("pic.gif@v=2"));
  EXPECT_TRUE(Exists("img/far.gif"));
  const std::string saved = ReadBytes(folder_ + "index.html");
  EXPECT_NE(saved.find("src=\"pic.gif@v=2\""), std::string::npos) << saved;
  // The page's own host written without its scheme is the page's own host.
  EXPECT_NE(saved.find("src=\"img/far.gif\""), std::string::npos) << saved;
}

TEST_F(ResourceRun, FramesetPageIsSavedAndItsFramesListed) {
  server_.Serve("/frames.html",
                "<html><head></head><frameset cols=\"1,*\"><frame SRC=\"menu.html\">"
                "<frame src=\"main.php\"><frame Src=\"mixed.html\"></frameset></html>");
  dialogs_.choices = {folder_ + "index.html"};
  // The frameset page is all its run saves: written, the run is done.
  EXPECT_EQ(Download("/frames.html"), 0);
  // Attribute names are read without regard to case, "Src" as well.
  EXPECT_EQ(engine_.tab.ListBoxWBInFrameFileList,
            (std::vector<std::string>{"main.php", "menu.html", "mixed.html"}));
  ASSERT_TRUE(Exists("frames.html"));
  const std::string saved = ReadBytes(folder_ + "frames.html");
  EXPECT_NE(saved.find("src=\"main.php.html\""), std::string::npos) << saved;
  EXPECT_TRUE(engine_.run.FramesetSaved);
}

TEST_F(ResourceRun, InlineFramesAreListedAndNamedByTheirLocalPages) {
  server_.Serve("/index.html",
                "<html><head></head><body><iframe src=\"news\" width=\"1\"></iframe>"
                "<iframe src='ads.html'></iframe><img src=\"i.gif\"></body></html>");
  server_.Serve("/i.gif", kGif, "image/gif");
  engine_.tab.CheckBoxDontEmptyFolder = false;
  engine_.tab.CheckBoxDLDontMakeCSSlist = false;
  ASSERT_EQ(Download("/index.html"), 0);
  EXPECT_EQ(engine_.tab.ListBoxWBInFrameFileList, (std::vector<std::string>{"ads.html", "news"}));
  EXPECT_NE(ReadBytes(folder_ + "index.html").find("<iframe src=\"news.html\""), std::string::npos);
  EXPECT_TRUE(engine_.tab.CheckBoxDontEmptyFolder);
  EXPECT_TRUE(engine_.tab.CheckBoxDLDontMakeCSSlist);
  // The page's own run still writes its reports.
  EXPECT_FALSE(engine_.tab.BtnEditLocalFileImageList.empty());
}

TEST_F(ResourceRun, FrameClickByAction) {
  server_.Serve("/index.html",
                "<html><head></head><body><iframe src=\"inner.html\"></iframe></body></html>");
  server_.Serve("/inner.html", "<html><head></head><body>inner</body></html>");
  ASSERT_EQ(Download("/index.html"), 0);
  engine_.tab.ComboBoxWBUrl = server_.Url("/index.html");

  engine_.tab.RadioGroupDLFrameDownload = 1;
  engine_.ListBoxWBInFrameFileListClick(" inner.html ");
  EXPECT_EQ(launcher_.opened, std::vector<std::string>{"viewer " + server_.Url("/inner.html")});
  engine_.tab.RadioGroupDLFrameDownload = 2;
  engine_.sbDLFrameGoClick();
  EXPECT_EQ(result_.location, server_.Url("/inner.html"));
  EXPECT_FALSE(Exists("inner.html")) << "opening or showing writes nothing";

  engine_.tab.RadioGroupDLFrameDownload = 0;
  engine_.sbDLFrameGoClick();
  EXPECT_EQ(engine_.lastRunResult, 0);
  EXPECT_TRUE(Exists("inner.html"));
  EXPECT_TRUE(Exists("index.html")) << "the folder is not emptied for a frame";
}

// After a run over a site with references of every kind the stages handle, every reference
// that the saved page and style sheets make to a local file leads to a file that exists.
TEST_F(ResourceRun, EveryRewrittenReferenceLeadsToAFile) {
  server_.Serve("/shop/index.html",
                "<html><head><link rel=\"stylesheet\" href=\"" + server_.Url("/css/site.css") +
                    "\"><link rel=\"stylesheet\" href=\"/css/print.css\">"
                    "<script type=\"text/javascript\" src=\"js/app.js\"></script></head>"
                    "<body background=\"/img/back.gif\"><img src=\"img/a.gif\">"
                    "<img src='/img/b.gif'><img src=\"" +
                    server_.Url("/img/c.gif") +
                    "\">"
                    "<a href=\"/\">top</a></body></html>");
  server_.Serve("/css/site.css",
                "@import url(\"parts/box.css\");\ndiv { background: url(\"../img/d.gif\"); }\n",
                "text/css");
  server_.Serve("/css/parts/box.css", "p { background: url(/img/e.gif); }\n", "text/css");
  server_.Serve("/css/print.css", "body { color: black; }\n", "text/css");
  server_.Serve("/shop/js/app.js", "var app;\n", "application/javascript");
  for (const char* image :
       {"/img/back.gif", "/shop/img/a.gif", "/img/b.gif", "/img/c.gif", "/img/d.gif", "/img/e.gif"})
    server_.Serve(image, kGif, "image/gif");
  ASSERT_EQ(Download("/shop/index.html"), 0);

  const std::regex reference(
      R"re((?:src|href|background)=["']([^"'#?:]+)["']|url\(["']?([^"')?:]+)["']?\))re");
  int checked = 0;
  for (const char* saved : {"shop/index.html", "css/site.css", "css/parts/box.css"}) {
    SCOPED_TRACE(saved);
    const std::string text = ReadBytes(folder_ + saved);
    ASSERT_FALSE(text.empty());
    const fs::path from = fs::path(folder_ + saved).parent_path();
    for (std::sregex_iterator it(text.begin(), text.end(), reference), end; it != end; ++it) {
      const std::string target = (*it)[1].matched ? (*it)[1].str() : (*it)[2].str();
      // Links to pages are no resources of this page; the site's top page was not fetched.
      if (target.empty() || target.ends_with(".html")) continue;
      EXPECT_TRUE(fs::exists((from / target).lexically_normal())) << target;
      ++checked;
    }
  }
  EXPECT_GE(checked, 10);
}

TEST(ReferenceRow, JoinAndSplitRoundTrip) {
  const ReferenceRow row =
      SplitReferenceRow(JoinReferenceRow("css/a.css", "http://h/css/a.css", "/save/css/a.css"));
  EXPECT_EQ(row.reference, "css/a.css");
  EXPECT_EQ(row.url, "http://h/css/a.css");
  EXPECT_EQ(row.localPath, "/save/css/a.css");
  EXPECT_EQ(SplitReferenceRow("no tabs").localPath, "no tabs");
}

}  // namespace
}  // namespace pellucor

// Whole runs against servers and pages that misbehave. Whatever they do, the run ends, writes
// nothing outside the save folder, keeps what it saved before, and the panes (or a message) say
// what failed. A hang would show as the test's time-out.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "SiteRun.h"
#include "support/ResetServer.h"

namespace pellucor {
namespace {

namespace fs = std::filesystem;
using testing::kGif;
using testing::ReadBytes;
using testing::Sjis;

bool HasLineWith(const std::vector<std::string>& pane, const std::string& start) {
  return std::any_of(pane.begin(), pane.end(),
                     [&](const std::string& line) { return line.starts_with(start); });
}

// `size` zero bytes, gzip-compressed: a small body that inflates without measure.
std::string GzipBomb(std::size_t size) {
  z_stream stream{};
  deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY);
  const std::string zeros(1 << 20, '\0');
  std::string out;
  char buffer[1 << 16];
  for (std::size_t done = 0; done < size; done += zeros.size()) {
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zeros.data()));
    stream.avail_in = static_cast<uInt>(zeros.size());
    const int flush = done + zeros.size() >= size ? Z_FINISH : Z_NO_FLUSH;
    do {
      stream.next_out = reinterpret_cast<Bytef*>(buffer);
      stream.avail_out = sizeof buffer;
      deflate(&stream, flush);
      out.append(buffer, sizeof buffer - stream.avail_out);
    } while (stream.avail_out == 0);
  }
  deflateEnd(&stream);
  return out;
}

class HostileRun : public testing::SiteRun {
 protected:
  // A few levels below the temporary folder, so that a path climbing out still lands in it.
  explicit HostileRun(const HttpClientOptions& options = Options())
      : SiteRunWith(options, "a/b/c/site/") {
    engine_.tab.CheckBoxDontEmptyFolder = true;
    // A file of an earlier run, which a failed fetch of the same address must leave alone.
    fs::create_directories(folder_ + "img");
    testing::WriteBytes(folder_ + "img/old.gif", kGif + "earlier run");
    server_.Serve("/img/good.gif", kGif, "image/gif");
    server_.Serve("/css/good.css", "p { color: red; }\n", "text/css");
  }

  static HttpClientOptions Options() {
    HttpClientOptions options;
    options.limits.stallTimeout = std::chrono::milliseconds(500);
    options.limits.slowWindow = std::chrono::milliseconds(400);
    options.limits.slowBytes = 100;
    options.limits.connectTimeout = std::chrono::milliseconds(2000);
    return options;
  }

  // A page with a good style sheet and image before the hostile references.
  static std::string Page(const std::string& head, const std::string& body) {
    return "<html><head><link rel=\"stylesheet\" href=\"css/good.css\">" + head +
           "</head><body><img src=\"img/good.gif\">" + body + "</body></html>";
  }

  int Download(const std::string& url) { return DownloadUrl(url); }

  // Every file under the temporary folder lies inside the save folder.
  void ExpectNothingOutside() const {
    for (const auto& entry : fs::recursive_directory_iterator(temp_.path())) {
      const std::string path = entry.path().string();
      if (path.starts_with(folder_)) continue;
      EXPECT_TRUE(entry.is_directory() && folder_.starts_with(path + "/")) << path;
    }
  }

  // What the good references and the earlier run left is there and whole.
  void ExpectGoodFilesIntact() const {
    EXPECT_EQ(ReadBytes(folder_ + "img/good.gif"), kGif);
    EXPECT_EQ(ReadBytes(folder_ + "css/good.css").find("p { color: red; }"), 0u);
    EXPECT_EQ(ReadBytes(folder_ + "img/old.gif"), kGif + "earlier run");
  }

  const std::vector<std::string>& Images() const {
    return engine_.tab.ListBoxPGTab02LTab03PageImageDownloaedImage;
  }
  const std::vector<std::string>& Sheets() const {
    return engine_.tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS;
  }
  bool MessageShown() const {
    return std::any_of(dialogs_.shown.begin(), dialogs_.shown.end(),
                       [](const auto& shown) { return shown.kind == "message"; });
  }
};

// Resources that fail in the ways a network fails: each is marked failed and leaves no file, the
// run goes on, and what it and an earlier run saved is kept.
TEST_F(HostileRun, FailingResourcesAreMarkedAndTheRunGoesOn) {
  struct Case {
    const char* name;
    std::function<void(testing::LoopbackServer&)> serve;
    std::string reason;  // how the line in the pane begins to say why
  };
  const std::vector<Case> cases = {
      {"stops half way and hangs",
       [](auto& server) { server.Hang("/img/bad.gif", "GIF89a", 100000); },
       "no data arrived within the time limit"},
      {"closes the connection half way",
       [](auto& server) { server.CutOff("/img/bad.gif", "GIF89a", 100000); }, ""},
      {"sends a byte now and then",
       [](auto& server) { server.Drip("/img/bad.gif", 100000, std::chrono::milliseconds(50)); },
       "the data arrived too slowly"},
      {"sends a body without end", [](auto& server) { server.Endless("/img/bad.gif"); },
       "the response passed its size limit"},
      {"redirects in a loop", [](auto& server) { server.Redirect("/img/bad.gif", "/img/bad.gif"); },
       "Number of redirects"},
  };
  for (const Case& hostile : cases) {
    SCOPED_TRACE(hostile.name);
    hostile.serve(server_);
    server_.Serve("/index.html", Page("", "<img src=\"img/bad.gif\"><img src=\"img/old.gif\">"));
    ASSERT_EQ(Download(server_.Url("/index.html")), 0);
    EXPECT_TRUE(Holds(Images(), Mark("●", "img/bad.gif")));
    EXPECT_TRUE(HasLineWith(Images(), Sjis("●【 取得できませんでした 】 ") +
                                          server_.Url("/img/bad.gif") + "  (" + hostile.reason));
    EXPECT_FALSE(fs::exists(folder_ + "img/bad.gif"));
    ExpectGoodFilesIntact();
    ExpectNothingOutside();
  }
}

TEST_F(HostileRun, FailingStyleSheetsAreMarkedAndTheRunGoesOn) {
  server_.Hang("/css/hang.css", "p {", 100000);
  server_.CutOff("/css/cut.css", "p {", 100000);
  server_.Endless("/css/endless.css");
  server_.Redirect("/css/loop.css", "/css/loop.css");
  server_.Serve("/index.html", Page("<link rel=\"stylesheet\" href=\"css/hang.css\">"
                                    "<link rel=\"stylesheet\" href=\"css/cut.css\">"
                                    "<link rel=\"stylesheet\" href=\"css/endless.css\">"
                                    "<link rel=\"stylesheet\" href=\"css/loop.css\">",
                                    ""));
  ASSERT_EQ(Download(server_.Url("/index.html")), 0);
  for (const char* sheet : {"css/hang.css", "css/cut.css", "css/endless.css", "css/loop.css"}) {
    EXPECT_TRUE(Holds(Sheets(), Mark("●", sheet))) << sheet;
    EXPECT_TRUE(HasLineWith(Sheets(), Sjis("●【 取得できませんでした 】 ") +
                                          server_.Url(std::string("/") + sheet) + "  ("))
        << sheet;
    EXPECT_FALSE(fs::exists(folder_ + sheet)) << sheet;
  }
  ExpectGoodFilesIntact();
  ExpectNothingOutside();
}

// A page that cannot be fetched ends the run with a message naming it; nothing is saved.
TEST_F(HostileRun, PageThatCannotBeFetchedEndsTheRunWithAMessage) {
  testing::ResetServer reset("<html><head>", 100000);
  server_.Redirect("/loop.html", "/loop.html");
  server_.Hang("/hang.html", "<html><head>", 100000);
  server_.Endless("/endless.html");
  for (const std::string& url : {reset.Url("/index.html"), server_.Url("/loop.html"),
                                 server_.Url("/hang.html"), server_.Url("/endless.html")}) {
    SCOPED_TRACE(url);
    dialogs_.shown.clear();
    EXPECT_EQ(Download(url), -1);
    ASSERT_TRUE(MessageShown());
    EXPECT_NE(dialogs_.shown.back().text.find(url), std::string::npos);
    EXPECT_TRUE(engine_.tab.btnDownloadAllEnabled);
  }
  EXPECT_GE(reset.Connections(), 1);
  for (const auto& entry : fs::recursive_directory_iterator(folder_))
    EXPECT_TRUE(entry.is_directory() || entry.path() == folder_ + "img/old.gif") << entry.path();
  ExpectNothingOutside();
}

// Each style sheet imports a new address made up when it is asked for: the levels end by
// themselves, since each queues only the sheets it saved.
TEST_F(HostileRun, EndlessImportChainEnds) {
  server_.Generate(
      "/gen/",
      [](const std::string& path) {
        const int level = std::stoi(path.substr(path.rfind('/') + 2));
        return "@import url(\"n" + std::to_string(level + 1) + ".css\");\np { color: red; }\n";
      },
      "text/css");
  server_.Serve("/index.html", Page("<link rel=\"stylesheet\" href=\"gen/n0.css\">", ""));
  ASSERT_EQ(Download(server_.Url("/index.html")), 0);
  EXPECT_LT(server_.RequestCount(), 20u);
  EXPECT_TRUE(fs::exists(folder_ + "gen/n1.css"));
  ExpectGoodFilesIntact();
  ExpectNothingOutside();
}

TEST_F(HostileRun, LevelLimitLeavesALine) {
  engine_.styleSheetLevels = 1;
  server_.Serve("/css/a.css", "@import \"b.css\";\n", "text/css");
  server_.Serve("/css/b.css", "@import \"c.css\";\n", "text/css");
  server_.Serve("/css/c.css", "p { color: blue; }\n", "text/css");
  server_.Serve("/index.html", Page("<link rel=\"stylesheet\" href=\"css/a.css\">", ""));
  ASSERT_EQ(Download(server_.Url("/index.html")), 0);
  ASSERT_FALSE(Sheets().empty());
  EXPECT_TRUE(Sheets().back().starts_with(Sjis("●【 上限 】スタイルシート")));
  EXPECT_NE(Sheets().back().find(server_.Url("/css/")), std::string::npos);
  ExpectNothingOutside();
}

TEST_F(HostileRun, FileLimitEndsTheFetchesWithALine) {
  engine_.fetchSettings.filesPerRun = 12;
  std::string body;
  for (int i = 0; i < 100; ++i) {
    const std::string name = "/many/" + std::to_string(i) + ".gif";
    server_.Serve(name, kGif, "image/gif");
    body += "<img src=\"" + name.substr(1) + "\">";
  }
  server_.Serve("/index.html", Page("", body));
  ASSERT_EQ(Download(server_.Url("/index.html")), 0);
  EXPECT_LE(server_.RequestCount(), 12u);
  ASSERT_FALSE(Images().empty());
  EXPECT_TRUE(Images().front().starts_with(Sjis("●【 上限 】１回のダウンロード")));
  EXPECT_TRUE(fs::exists(folder_ + "many/0.gif"));
  EXPECT_FALSE(fs::exists(folder_ + "many/99.gif"));
  // The reports list files only, not the line about the limit.
  EXPECT_EQ(ReadBytes(engine_.tab.BtnEditLocalFileImageList).find(Sjis("上限")), std::string::npos);
  ExpectNothingOutside();
}

// References that climb out of the save folder, plainly and encoded, in every way the URLs are
// decoded into file names.
TEST_F(HostileRun, ClimbingReferencesStayInsideTheSaveFolder) {
  const std::vector<std::string> climbs = {"../../../../../up1.gif",
                                           "/../../../../up2.gif",
                                           "%2e%2e/%2e%2e/%2e%2e/%2e%2e/up3.gif",
                                           "..%2f..%2f..%2f..%2f..%2fup4.gif",
                                           "%252e%252e%252f%252e%252e%252fup5.gif",
                                           "..\\..\\..\\..\\up6.gif",
                                           "img/..%5c..%5c..%5c..%5cup7.gif",
                                           "%2E%2E%2F%2E%2E%2F%2E%2E%2F%2E%2E%2Fup8.gif"};
  std::string body;
  for (const std::string& climb : climbs)
    body += "<img src=\"" + climb + "\">";
  server_.Generate(
      "/", [](const std::string&) { return kGif; }, "image/gif");
  server_.Serve("/css/climb.css",
                "@import \"../../../../../up.css\";\n"
                "@import \"%2e%2e/%2e%2e/%2e%2e/%2e%2e/up2.css\";\n"
                "body { background: url(../../../../../../bg.gif); }\n",
                "text/css");
  server_.Serve("/index.html", Page("<link rel=\"stylesheet\" href=\"css/climb.css\">"
                                    "<script src=\"../../../../../up.js\"></script>",
                                    body));
  for (int mode = 0; mode <= 5; ++mode) {
    SCOPED_TRACE(mode);
    engine_.tab.RadioGroupDLUrlWebDecode = mode;
    engine_.tab.CheckBoxDontEmptyFolder = true;
    engine_.tab.CheckBoxDLDontMakeCSSlist = false;
    // Decoded as Base64, "index.html" gives bytes no file name can hold: the page is not saved,
    // and the run says so instead of reporting it done.
    ASSERT_EQ(Download(server_.Url("/index.html")), mode == 5 ? -1 : 0);
    ExpectNothingOutside();
  }
  ExpectGoodFilesIntact();
}

// A page that names files in hidden folders: with the home folder as the save folder,
// ".config/autostart/x.js.desktop" would run at the next login. The files land in visible
// folders, and the saved page refers to them there.
TEST_F(HostileRun, NoHiddenFolderIsMadeAndThePageFindsTheFiles) {
  server_.Serve("/.config/autostart/x.js", "var x = 1;\n", "application/javascript");
  server_.Serve("/.hidden/pic.gif", kGif, "image/gif");
  server_.Serve("/index.html", Page("<script src=\"/.config/autostart/x.js\"></script>",
                                    "<img src=\".hidden/pic.gif\">"));
  engine_.tab.CheckBoxDontEmptyFolder = true;
  ASSERT_EQ(Download(server_.Url("/index.html")), 0);
  for (const auto& entry : fs::recursive_directory_iterator(folder_))
    EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path();
  EXPECT_TRUE(fs::is_regular_file(folder_ + "_config/autostart/x.js"));
  EXPECT_TRUE(fs::is_regular_file(folder_ + "_hidden/pic.gif"));
  const std::string page = ReadBytes(folder_ + "index.html");
  EXPECT_NE(page.find("_hidden/pic.gif"), std::string::npos) << page;
  EXPECT_NE(page.find("_config/autostart/x.js"), std::string::npos) << page;
  EXPECT_EQ(page.find("\".hidden/"), std::string::npos) << page;
  ExpectNothingOutside();
}

// The save folder holds the user's own files under names a hostile page asks for: none of them
// is replaced, and the pane says they were there already.
TEST_F(HostileRun, FilesAlreadyInTheSaveFolderAreKept) {
  const std::vector<std::string> names = {"notes.txt", "app.js", "data.xml", "feed.rdf"};
  std::string head;
  for (const std::string& name : names) {
    testing::WriteBytes(folder_ + name, "the user's own " + name);
    server_.Serve("/" + name, "replaced by the page", "text/plain");
    head += "<script src=\"" + name + "\"></script>";
  }
  server_.Serve("/index.html", Page(head, ""));
  engine_.tab.CheckBoxDontEmptyFolder = true;
  ASSERT_EQ(Download(server_.Url("/index.html")), 0);
  for (const std::string& name : names) {
    EXPECT_EQ(ReadBytes(folder_ + name), "the user's own " + name) << name;
    EXPECT_TRUE(Holds(engine_.tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS, Mark("□", name)))
        << name;
  }
  ExpectNothingOutside();
}

// A big page tests size, not time. Its run has the client's ordinary time limits: under the
// short ones of the slow servers above, a server that is itself slowed down by a busy machine
// could take longer than their window to send the first bytes of a page this big, and the run
// failed as too slow. Bigger pages are the business of bench/run_big_page.sh.
class LargePageRun : public HostileRun {
 protected:
  LargePageRun() : HostileRun(HttpClientOptions()) {}
};

TEST_F(LargePageRun, EightMebibytePageOnOneLine) {
  std::string page = Page("", "");
  std::string filler;
  filler.reserve(8u << 20);
  while (filler.size() < (8u << 20))
    filler += "<span class=\"x\">text &amp; more</span><img src=\"img/good.gif\"> ";
  page.insert(page.find("</body>"), filler);
  server_.Serve("/index.html", std::move(page));
  ASSERT_EQ(Download(server_.Url("/index.html")), 0);
  EXPECT_TRUE(Holds(Images(), Mark("◎", "img/good.gif")));
  EXPECT_GT(fs::file_size(folder_ + "index.html"), 8u << 20);
  ExpectGoodFilesIntact();
  ExpectNothingOutside();
}

// Bytes that are invalid in the encoding the page is read in, for every encoding setting: the
// run ends with the page saved or with a message saying why not.
TEST_F(HostileRun, InvalidBytesInEveryEncoding) {
  using namespace std::string_literals;
  const std::string invalid =
      "\xff\xfe\x80\x81\xa0\xfd\x1b$B\x7f\x7f\x1b(J\xc3\x28\xe2\x82\xf0\x9f\x8d\x8e\x8e\xff"
      "\x82\x00\x81\x1b$B\x24"s;
  server_.Serve("/css/bad.css", "p { content: \"" + invalid + "\"; }\n", "text/css");
  server_.Serve("/index.html",
                Page("<link rel=\"stylesheet\" href=\"css/bad.css\">", "<p>" + invalid + "</p>"));
  for (int charset = 0; charset <= 5; ++charset) {
    SCOPED_TRACE(charset);
    engine_.tab.RadioGroupDLMainHTMLCharSet = charset;
    engine_.tab.RadioGroupDLCSSJSCharSet = charset;
    fs::remove(folder_ + "index.html");
    fs::remove(folder_ + "css/bad.css");
    dialogs_.shown.clear();
    const int result = Download(server_.Url("/index.html"));
    if (result == 0) {
      EXPECT_TRUE(fs::exists(folder_ + "index.html"));
      EXPECT_TRUE(fs::exists(folder_ + "css/bad.css"));
    } else {
      EXPECT_TRUE(MessageShown());
    }
    EXPECT_TRUE(engine_.tab.btnDownloadAllEnabled);
    ExpectNothingOutside();
  }
  ExpectGoodFilesIntact();
}

// The client asks for no compression, so a compressed bomb stays the small body it is.
TEST_F(HostileRun, GzipBombIsNeverInflated) {
  const std::string bomb = GzipBomb(256u << 20);
  ASSERT_LT(bomb.size(), 1u << 20);
  server_.Serve("/img/bomb.gif", bomb, "image/gif", {{"Content-Encoding", "gzip"}});
  server_.Serve("/css/bomb.css", bomb, "text/css", {{"Content-Encoding", "gzip"}});
  server_.Serve("/index.html", Page("<link rel=\"stylesheet\" href=\"css/bomb.css\">",
                                    "<img src=\"img/bomb.gif\">"));
  ASSERT_EQ(Download(server_.Url("/index.html")), 0);
  EXPECT_LE(fs::file_size(folder_ + "img/bomb.gif"), bomb.size());
  for (const auto& entry : fs::recursive_directory_iterator(folder_))
    EXPECT_LE(entry.is_regular_file() ? entry.file_size() : 0u, 2 * bomb.size()) << entry.path();
  ExpectGoodFilesIntact();
  ExpectNothingOutside();
}

}  // namespace
}  // namespace pellucor

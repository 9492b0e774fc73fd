// Fetching ahead in parallel changes where the bytes come from, never what a run produces.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "download/DownloadEngine.h"
#include "download/PageResourceStages.h"
#include "support/FakeBrowser.h"
#include "support/FakeClipboard.h"
#include "support/FakeDialogs.h"
#include "support/FakeEventPump.h"
#include "support/FakeLauncher.h"
#include "support/LoopbackServer.h"
#include "support/TempFolder.h"

namespace pellucor {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;

const std::string kGif("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);

// A site with references of every kind, some of whose files fail in different ways.
void ServeSite(testing::LoopbackServer& server) {
  std::string body;
  for (int i = 0; i < 12; ++i) {
    server.Serve("/img/" + std::to_string(i) + ".gif", kGif + std::to_string(i), "image/gif");
    body += "<img src=\"img/" + std::to_string(i) + ".gif\">";
  }
  server.NotFound("/img/gone.gif", "<html><body>404 Not Found</body></html>");
  server.Hang("/img/slow.gif", "GIF89a", 1000);
  server.Serve("/img/page.gif", "<html><body>not an image</body></html>");
  body += "<img src=\"img/gone.gif\"><img src=\"img/slow.gif\"><img src=\"img/page.gif\">";
  server.Serve("/index.html",
               "<html><head><link rel=\"stylesheet\" href=\"css/a.css\">"
               "<link rel=\"stylesheet\" href=\"css/missing.css\">"
               "<script src=\"js/s.js\"></script></head><body background=\"/img/back.gif\">" +
                   body + "<iframe src=\"inner.html\"></iframe></body></html>");
  server.Serve("/img/back.gif", kGif + "back", "image/gif");
  server.Serve("/css/a.css", "@import url(\"b.css\");\ndiv { background: url(../img/d.gif); }\n",
               "text/css");
  server.Serve("/css/b.css", "@import \"c.css\";\np { background: url(/img/e.gif); }\n",
               "text/css");
  server.Serve("/css/c.css", "em { color: blue; }\n", "text/css");
  server.NotFound("/css/missing.css", "<html><body>404 not found</body></html>");
  server.Serve("/js/s.js", "var s = 1; /* kept */\n", "application/javascript");
  server.Serve("/img/d.gif", kGif + "d", "image/gif");
  server.Serve("/img/e.gif", kGif + "e", "image/gif");
}

struct RunResult {
  std::map<std::string, std::string> files;  // relative path -> bytes, folder written as FOLDER
  std::vector<std::vector<std::string>> panes;
  std::vector<std::string> requested;
};

std::string WithoutFolder(std::string text, const std::string& folder) {
  for (std::size_t at = text.find(folder); at != std::string::npos; at = text.find(folder, at))
    text.replace(at, folder.size(), "FOLDER/");
  return text;
}

RunResult RunSite(testing::LoopbackServer& server, const std::string& folder, FetchMode mode,
                  const std::function<void(DownloadEngine&)>& atPump = {}) {
  testing::FakeDialogs dialogs;
  testing::FakeClipboard clipboard;
  testing::FakeEventPump pump;
  testing::FakeLauncher launcher;
  testing::FakeBrowser browser;
  testing::FakeBrowser result;
  HttpClientOptions options;
  options.limits.stallTimeout = std::chrono::milliseconds(300);
  HttpClient http(options);
  PageResourceStages stages;
  DownloadEngine engine({dialogs, clipboard, pump, launcher, browser, result, http}, stages);
  if (atPump) pump.onPump = [&] { atPump(engine); };
  engine.fetchSettings.mode = mode;
  fs::create_directories(folder);
  engine.tab.BtnEditWBPageSaveFolder = folder;
  engine.tab.ComboBoxWBUrl = server.Url("/index.html");
  const std::size_t before = server.RequestCount();
  engine.btnDownloadAllClick();
  EXPECT_EQ(engine.lastRunResult, 0);

  RunResult outcome;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    outcome.files[fs::relative(entry.path(), folder).string()] =
        WithoutFolder(ReadBytes(entry.path().string()), folder);
  }
  const DownloadTab& tab = engine.tab;
  for (const std::vector<std::string>* pane :
       {&tab.ListBoxPGTab02LTab02PageWebCSS, &tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS,
        &tab.ListBoxPGTab02LTab03PageImage, &tab.ListBoxPGTab02LTab03PageImageDownloaedImage,
        &tab.ListBoxPGTab02LTab06DLImageNotFound,
        &tab.ListBoxPGTab02LTab07AllImportCSSFileDownloaedCSSJS,
        &tab.ListBoxPGTab02LTab08UnkownImage, &tab.ListBoxWBInFrameFileList}) {
    std::vector<std::string> lines;
    for (const std::string& line : *pane)
      lines.push_back(WithoutFolder(line, folder));
    outcome.panes.push_back(lines);
  }
  const std::vector<std::string> all = server.RequestedPaths();
  outcome.requested.assign(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
  return outcome;
}

TEST(Prefetch, RunsAreIdenticalToSequentialOnes) {
  testing::LoopbackServer server;
  ServeSite(server);
  testing::TempFolder temp;
  const RunResult sequential = RunSite(server, temp.path() + "/sequential/", FetchMode::Sequential);
  const RunResult ahead = RunSite(server, temp.path() + "/ahead/", FetchMode::Prefetch);
  EXPECT_EQ(ahead.panes, sequential.panes);
  ASSERT_EQ(ahead.files.size(), sequential.files.size());
  for (const auto& [path, bytes] : sequential.files) {
    SCOPED_TRACE(path);
    ASSERT_TRUE(ahead.files.contains(path));
    EXPECT_EQ(ahead.files.at(path), bytes);
  }
  EXPECT_TRUE(ahead.files.contains("img/11.gif"));
  EXPECT_FALSE(ahead.files.contains("img/gone.gif"));
  EXPECT_FALSE(ahead.files.contains("img/page.gif"));
}

TEST(Prefetch, EveryUrlIsRequestedOncePerRun) {
  testing::LoopbackServer server;
  ServeSite(server);
  testing::TempFolder temp;
  for (const FetchMode mode : {FetchMode::Sequential, FetchMode::Prefetch}) {
    const RunResult outcome =
        RunSite(server, temp.path() + "/" + std::to_string(static_cast<int>(mode)) + "/", mode);
    std::map<std::string, int> counts;
    for (const std::string& path : outcome.requested)
      ++counts[path];
    for (const auto& [path, count] : counts)
      EXPECT_EQ(count, 1) << path;
    EXPECT_EQ(counts["/index.html"], 1);
    EXPECT_EQ(counts["/css/a.css"], 1) << "the text and the raw copy share one response";
  }
}

TEST(Prefetch, StopDuringTheImageStageWritesNoFileOfARowNotReached) {
  testing::LoopbackServer server;
  ServeSite(server);
  testing::TempFolder temp;
  const std::string folder = temp.path() + "/stopped/";
  const RunResult outcome =
      RunSite(server, folder, FetchMode::Prefetch, [](DownloadEngine& engine) {
        if (engine.tab.LabelDownloadedFileCount.find("3  /") != std::string::npos &&
            !engine.StopRequested() && engine.tab.LeftTabShown == "PGTab02LTab03LPageImage")
          engine.btnDownloadStopClick();
      });
  std::size_t images = 0;
  for (const auto& [path, bytes] : outcome.files) {
    if (path.starts_with("img/")) ++images;
  }
  EXPECT_EQ(images, outcome.panes[3].size()) << "one file for every row processed, no more";
  EXPECT_LT(images, 14u);
}

}  // namespace
}  // namespace pellucor

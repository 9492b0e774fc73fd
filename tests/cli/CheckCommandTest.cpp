#include "cli/CheckCommand.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CommandRun.h"
#include "cli/DemoServer.h"
#include "cli/DownloadCommand.h"
#include "support/TempFolder.h"

namespace pellucor::cli {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

CommandRun Check(const std::vector<std::string>& arguments) {
  return Capture(
      [&](std::ostream& out, std::ostream& error) { return RunCheck(arguments, out, error); });
}

TEST(CheckCommand, PrintsEachFindingAndTheSummary) {
  TempFolder folder;
  WriteBytes(folder / "site/index.html",
             "<img src='gone.gif'><img src='http://example.com/a.gif'>"
             "<img src='/nowhere-pellucor/x.gif'><iframe src='inner/page.html'></iframe>");
  // A control byte in a name must not reach the terminal as it is. (The HTML parser turns
  // control characters into U+FFFD; a style sheet's string keeps them.)
  WriteBytes(folder / "site/inner/page.html", "<link rel=stylesheet href=s.css>");
  WriteBytes(folder / "site/inner/s.css", "a{background:url(\"../x\x1B]0;t\x07.gif\")}");
  const CommandRun outcome = Check({folder / "site/index.html"});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out,
            "missing  index.html: gone.gif\n"
            "leak  index.html: http://example.com/a.gif\n"
            "missing  index.html: /nowhere-pellucor/x.gif\n"
            "missing  inner/s.css: ../x\\x1B]0;t\\x07.gif -> x\\x1B]0;t\\x07.gif\n"
            "offline check: 6 references, 3 missing, 1 leaks\n");
  EXPECT_EQ(outcome.error, "");
}

TEST(CheckCommand, ExitStatuses) {
  TempFolder folder;
  WriteBytes(folder / "saved.html", "<img src='a.gif'>");
  WriteBytes(folder / "a.gif", "GIF89a");
  WriteBytes(folder / "missing.html", "<img src='b.gif'>");
  WriteBytes(folder / "leak.html", "<script src='//cdn.example/x.js'></script>");
  std::filesystem::create_directories(folder / "folder");
  ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
  struct Case {
    const char* name;
    std::vector<std::string> arguments;
    int status;
    std::string out;
  } cases[] = {
      {"help", {"--help"}, 0, kCheckUsage},
      {"no page", {}, 64, ""},
      {"two pages", {folder / "saved.html", folder / "leak.html"}, 64, ""},
      {"unknown option", {"--fix", folder / "saved.html"}, 64, ""},
      {"all saved", {folder / "saved.html"}, 0, "offline check: 1 references, all saved\n"},
      {"missing",
       {folder / "missing.html"},
       1,
       "missing  missing.html: b.gif\noffline check: 1 references, 1 missing, 0 leaks\n"},
      {"leak",
       {folder / "leak.html"},
       1,
       "leak  leak.html: //cdn.example/x.js\noffline check: 1 references, 0 missing, 1 leaks\n"},
      {"no such page", {folder / "none.html"}, 2, ""},
      {"a folder", {folder / "folder"}, 2, ""},
      {"a named pipe", {folder / "pipe"}, 2, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CommandRun outcome = Check(c.arguments);
    EXPECT_EQ(outcome.status, c.status) << outcome.error;
    EXPECT_EQ(outcome.out, c.out);
    EXPECT_EQ(outcome.error.empty(), c.status < 2) << outcome.error;
    if (c.status == 2) {
      EXPECT_EQ(outcome.error.find("cannot read " + c.arguments[0]), 0u) << outcome.error;
    }
  }
}

CommandRun Download(const std::vector<std::string>& arguments) {
  return Capture([&](std::ostream& out, std::ostream& error) {
    return RunDownload(arguments, out, error, false);
  });
}

// The bundled sample site downloaded as `download --demo` does, then checked. The run saves
// no inline frame by itself: the check names the iframe's page missing, and the download's
// exit status stays 0. Fetched with --frame, or with --frames all, the frame's page is saved
// too and the site opens from the disk whole.
TEST(CheckCommand, TheDownloadedSampleSite) {
  DemoServer server(PELLUCOR_DEMO_SITE);
  ASSERT_TRUE(server.ok());
  struct Case {
    const char* name;
    std::vector<std::string> options;
    std::string downloadLines;  // the check's lines the download prints
    int checkStatus;
    std::string checkOutput;  // of `check` on the saved index.html afterwards
  } cases[] = {
      {"the page alone",
       {},
       "missing  index.html: inner/news.html\n"
       "offline check: 7 references, 1 missing, 0 leaks\n",
       1,
       "missing  index.html: inner/news.html\n"
       "offline check: 7 references, 1 missing, 0 leaks\n"},
      {"with its inline frame",
       {"--frame", "inner/news.html"},
       "saved page: {folder}/inner/news.html\n",
       0,
       "offline check: 7 references, all saved\n"},
      {"with every frame",
       {"--frames", "all"},
       "offline check: 7 references, all saved\n",
       0,
       "offline check: 7 references, all saved\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    std::vector<std::string> arguments = c.options;
    arguments.push_back(server.Url("/index.html"));
    arguments.push_back(folder / "demo");
    const CommandRun download = Download(arguments);
    ASSERT_EQ(download.status, 0) << download.error;
    std::string lines = c.downloadLines;
    if (const std::size_t at = lines.find("{folder}"); at != std::string::npos)
      lines.replace(at, 8, folder / "demo");
    EXPECT_NE(download.out.find(lines), std::string::npos) << download.out;
    // Asked not to, the download leaves the check out.
    const CommandRun unchecked = Download([&] {
      std::vector<std::string> again = arguments;
      again.insert(again.begin(), "--no-check");
      return again;
    }());
    EXPECT_EQ(unchecked.status, 0) << unchecked.error;
    EXPECT_EQ(unchecked.out.find("offline check"), std::string::npos) << unchecked.out;
    const CommandRun check = Check({folder / "demo/index.html"});
    EXPECT_EQ(check.status, c.checkStatus);
    EXPECT_EQ(check.out, c.checkOutput);
  }
}

}  // namespace
}  // namespace pellucor::cli

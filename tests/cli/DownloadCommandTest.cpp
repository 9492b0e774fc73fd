#include "cli/DownloadCommand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "CommandRun.h"
#include "support/Iconv.h"
#include "support/LoopbackServer.h"
#include "support/TempFolder.h"

namespace pellucor::cli {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

CommandRun Download(const std::vector<std::string>& arguments) {
  return Capture([&](std::ostream& out, std::ostream& error) {
    return RunDownload(arguments, out, error, false);
  });
}

TEST(DownloadCommand, SavesThePageAndSaysWhere) {
  testing::LoopbackServer server;
  server.Serve("/a/page.html", *testing::Iconv("UTF-8", "CP932",
                                               "<html><head><meta charset=\"Shift_JIS\"></head>"
                                               "<body>日本語</body></html>"));
  TempFolder folder;
  const CommandRun outcome = Download({server.Url("/a/page.html"), folder / "new/save"});
  ASSERT_EQ(outcome.status, 0) << outcome.error;
  EXPECT_TRUE(std::filesystem::exists(folder / "new/save/a/page.html"));
  EXPECT_TRUE(std::filesystem::exists(folder / "new/save/a/ZZOrg_page.html"));
  EXPECT_NE(outcome.out.find("saved page: " + (folder / "new/save/a/page.html")), std::string::npos)
      << outcome.out;
}

// The server's error page is saved as it came, as any page is, but the run says what it was and
// does not end as done.
TEST(DownloadCommand, APageThatAnswersAnErrorStatusIsSavedButNotDone) {
  testing::LoopbackServer server;
  server.NotFound("/gone.html", "<html><head></head><body>Not Found</body></html>");
  TempFolder folder;
  const CommandRun outcome = Download({server.Url("/gone.html"), folder / "save"});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_TRUE(std::filesystem::exists(folder / "save/gone.html"));
  EXPECT_NE(outcome.out.find("page answered: HTTP 404  " + server.Url("/gone.html")),
            std::string::npos)
      << outcome.out;
  EXPECT_NE(outcome.error.find("the page answered HTTP 404: " + server.Url("/gone.html")),
            std::string::npos)
      << outcome.error;
}

TEST(DownloadCommand, APageThatCannotBeWrittenIsNotReportedSaved) {
  testing::LoopbackServer server;
  server.Serve("/index.html", "<html><head></head><body>page</body></html>");
  TempFolder folder;
  std::filesystem::create_directories(folder / "save/index.html");
  const CommandRun outcome = Download({server.Url("/index.html"), folder / "save"});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out.find("saved page"), std::string::npos) << outcome.out;
  EXPECT_NE(outcome.out.find("ページを保存できませんでした"), std::string::npos) << outcome.out;
  EXPECT_FALSE(outcome.error.empty());
}

// A save folder whose name the file names cannot keep sent the run's files to sibling folders
// (or up two levels, for "x\..\..\target"); it is refused before anything is created.
TEST(DownloadCommand, ASaveFolderNameTheFileNamesCannotKeepIsRefused) {
  testing::LoopbackServer server;
  server.Serve("/index.html", "<html><head></head><body>page</body></html>");
  TempFolder folder;
  for (const std::string name : {"sub/x\\..\\..\\target", "a:b", "a?b", "a*b", "a|b", "a\"b", "a<b",
                                 "a>b", "a+b", "a%20b", "a%2Fb", "a&amp;b"}) {
    SCOPED_TRACE(name);
    const CommandRun outcome = Download({server.Url("/index.html"), folder / ("save/" + name)});
    EXPECT_EQ(outcome.status, 2) << outcome.error;
    EXPECT_NE(outcome.error.find("cannot use the save folder"), std::string::npos);
  }
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
  EXPECT_EQ(server.RequestCount(), 0u);
}

TEST(DownloadCommand, QuestionsAreAnsweredAndPrinted) {
  testing::LoopbackServer server;
  server.Serve("/b.html", "<html><head><base href=\"http://example.com/\"></head></html>");
  TempFolder folder;
  const CommandRun no = Download({"--answer", "no", server.Url("/b.html"), folder.path()});
  EXPECT_EQ(no.status, 1);
  EXPECT_NE(no.out.find("question: <base href="), std::string::npos) << no.out;
  EXPECT_NE(no.out.find("answer: no"), std::string::npos);
  EXPECT_EQ(Download({server.Url("/b.html"), folder.path()}).status, 0);
}

TEST(DownloadCommand, LimitReachedIsPrintedWithTheImages) {
  testing::LoopbackServer server;
  std::string body;
  for (int i = 0; i < 5; ++i) {
    const std::string name = "i" + std::to_string(i) + ".gif";
    server.Serve("/" + name, "GIF89a", "image/gif");
    body += "<img src=\"" + name + "\">";
  }
  server.Serve("/page.html", "<html><head></head><body>" + body + "</body></html>");
  TempFolder folder;
  const CommandRun outcome =
      Download({"--max-files", "3", server.Url("/page.html"), folder.path()});
  ASSERT_EQ(outcome.status, 0) << outcome.error;
  // Printed in the order of the run: the line about the limit after the images fetched.
  const std::size_t images = outcome.out.find("images:\n");
  const std::size_t limit = outcome.out.find("  ●【 上限 】");
  EXPECT_LT(images, limit) << outcome.out;
  EXPECT_NE(limit, std::string::npos) << outcome.out;
  // The run's three: the browser reads the page the run fetched.
  EXPECT_EQ(server.RequestCount(), 3u);
}

// The browser's image list brings the images the scan of the page's text cannot see: an
// unquoted attribute value before an <img> hides it from the scan.
TEST(DownloadCommand, ImagesTheBrowserListsAreSaved) {
  testing::LoopbackServer server;
  server.Serve("/img/hidden.gif", "GIF89a", "image/gif");
  server.Serve("/page.html",
               "<html><head></head><body><table width=16><tr><td><img src=\"img/hidden.gif\">"
               "</td></tr></table></body></html>");
  TempFolder folder;
  const CommandRun outcome = Download({server.Url("/page.html"), folder.path()});
  ASSERT_EQ(outcome.status, 0) << outcome.error;
  EXPECT_TRUE(std::filesystem::exists(folder / "img/hidden.gif")) << outcome.out;
  // The browser reads the page the run fetched instead of fetching it again.
  const std::vector<std::string> paths = server.RequestedPaths();
  EXPECT_EQ(std::count(paths.begin(), paths.end(), "/page.html"), 1);
}

TEST(DownloadCommand, ExitStatuses) {
  TempFolder folder;
  WriteBytes(folder / "file", "x");
  const ExitStatusCase cases[] = {
      {"help", {"--help"}, 0},
      {"no arguments", {}, 64},
      {"one argument", {"http://127.0.0.1:1/"}, 64},
      {"inner HTML needs a browser", {"--inner-html", "http://127.0.0.1:1/", folder.path()}, 64},
      {"unknown charset", {"--charset", "latin1", "http://127.0.0.1:1/", folder.path()}, 64},
      {"decode mode out of range", {"--url-decode", "9", "http://127.0.0.1:1/", folder.path()}, 64},
      {"unknown answer", {"--answer", "maybe", "http://127.0.0.1:1/", folder.path()}, 64},
      {"unknown frame action", {"--frames", "every", "http://127.0.0.1:1/", folder.path()}, 64},
      {"no files allowed", {"--max-files", "0", "http://127.0.0.1:1/", folder.path()}, 64},
      {"levels not a number",
       {"--max-sheet-levels", "5x", "http://127.0.0.1:1/", folder.path()},
       64},
      {"a page that cannot be fetched", {"http://127.0.0.1:1/", folder.path()}, 1},
      {"not a web URL", {"ftp://127.0.0.1/", folder.path()}, 2},
      {"a file is no folder", {"http://127.0.0.1:1/", folder / "file"}, 2},
  };
  // A page that cannot be fetched still prints the run's log: the failure is on the error stream.
  ExpectExitStatuses("download", Download, cases, [](const CommandRun& run) {
    EXPECT_EQ(std::count(run.error.begin(), run.error.end(), '\n'), 1) << run.error;
  });
}

}  // namespace
}  // namespace pellucor::cli

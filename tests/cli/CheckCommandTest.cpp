#include "cli/CheckCommand.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CommandRun.h"
#include "cli/DownloadCommand.h"
#include "demo/DemoServer.h"
#include "support/TempFolder.h"

namespace pellucor::cli {
namespace {

using testing::ReadBytes;
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
       "missing  index.html: frames.html\n"
       "offline check: 12 references, 2 missing, 0 leaks\n",
       1,
       "missing  index.html: inner/news.html\n"
       "missing  index.html: frames.html\n"
       "offline check: 12 references, 2 missing, 0 leaks\n"},
      {"with one inline frame",
       {"--frame", "inner/news.html"},
       "saved page: {folder}/inner/news.html\n",
       1,
       "missing  index.html: frames.html\n"
       "offline check: 12 references, 1 missing, 0 leaks\n"},
      {"with every frame",
       {"--frames", "all"},
       "offline check: 14 references, all saved\n",
       0,
       "offline check: 14 references, all saved\n"},
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

// What a picture file says of itself: its kind, its size in pixels, and whether its data runs
// to the end its format marks (a JPEG's EOI marker, a PNG's IEND chunk, a GIF's trailer). Read
// here from the formats' headers, enough to tell a whole picture from a stub or a page.
struct Picture {
  std::string kind;  // "jpeg", "png", "gif", or empty when the bytes are none of them
  unsigned width = 0;
  unsigned height = 0;
  bool complete = false;
};

Picture PictureOf(const std::string& bytes) {
  const auto byte = [&](std::size_t at) -> unsigned {
    return at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : 0u;
  };
  Picture picture;
  if (bytes.starts_with("\x89PNG\r\n\x1a\n") && bytes.substr(12, 4) == "IHDR") {
    picture.kind = "png";
    picture.width = byte(16) << 24 | byte(17) << 16 | byte(18) << 8 | byte(19);
    picture.height = byte(20) << 24 | byte(21) << 16 | byte(22) << 8 | byte(23);
    picture.complete = bytes.size() >= 12 && bytes.substr(bytes.size() - 8, 4) == "IEND";
  } else if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a")) {
    picture.kind = "gif";
    picture.width = byte(6) | byte(7) << 8;
    picture.height = byte(8) | byte(9) << 8;
    picture.complete = bytes.ends_with(';');
  } else if (bytes.starts_with("\xff\xd8")) {
    picture.kind = "jpeg";
    // The segments up to the first start-of-frame, which holds the size.
    for (std::size_t at = 2; at + 9 < bytes.size() && byte(at) == 0xff;
         at += 2 + (byte(at + 2) << 8 | byte(at + 3))) {
      const unsigned marker = byte(at + 1);
      if (marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc) {
        picture.height = byte(at + 5) << 8 | byte(at + 6);
        picture.width = byte(at + 7) << 8 | byte(at + 8);
        break;
      }
    }
    picture.complete = bytes.ends_with("\xff\xd9");
  }
  return picture;
}

// The sample site's pictures come through the demo download whole, at their sizes.
TEST(CheckCommand, TheSampleSitesPicturesAreSavedWhole) {
  DemoServer server(PELLUCOR_DEMO_SITE);
  ASSERT_TRUE(server.ok());
  TempFolder folder;
  const CommandRun download =
      Download({"--frames", "all", server.Url("/index.html"), folder / "demo"});
  ASSERT_EQ(download.status, 0) << download.error;
  EXPECT_NE(download.out.find("offline check: 14 references, all saved\n"), std::string::npos)
      << download.out;
  struct Expected {
    const char* file;
    const char* kind;
    unsigned width;
    unsigned height;
  } pictures[] = {
      {"img/photo.jpg", "jpeg", 160, 120},
      {"img/photo-2x.jpg", "jpeg", 320, 240},
      {"img/logo.png", "png", 120, 40},
      {"img/bg.gif", "gif", 16, 16},
  };
  for (const Expected& expected : pictures) {
    SCOPED_TRACE(expected.file);
    const std::string saved = ReadBytes(folder / (std::string("demo/") + expected.file));
    EXPECT_EQ(saved, ReadBytes(std::string(PELLUCOR_DEMO_SITE) + "/" + expected.file));
    const Picture picture = PictureOf(saved);
    EXPECT_EQ(picture.kind, expected.kind);
    EXPECT_EQ(picture.width, expected.width);
    EXPECT_EQ(picture.height, expected.height);
    EXPECT_TRUE(picture.complete);
  }
}

}  // namespace
}  // namespace pellucor::cli

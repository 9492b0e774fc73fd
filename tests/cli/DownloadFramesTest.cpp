// Runs of `download` on pages with frames: the frame list and its hint, --frame given again,
// and --frames all fetching the frames of frames.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "CommandRun.h"
#include "cli/DownloadCommand.h"
#include "support/LoopbackServer.h"
#include "support/TempFolder.h"

namespace pellucor::cli {
namespace {

using testing::TempFolder;

CommandRun Download(const std::vector<std::string>& arguments) {
  return Capture([&](std::ostream& out, std::ostream& error) {
    return RunDownload(arguments, out, error, false);
  });
}

const std::string kFrameset =
    "<html><head><title>frames</title></head><frameset cols=\"1,*,*\">"
    "<frame src=\"left.html\"><frame src='right.html'><frame src=right2.html></frameset></html>";

std::string PageWith(const std::string& inlineFrames) {
  return "<html><head></head><body><p>text</p>" + inlineFrames + "</body></html>";
}

bool Holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// A frameset page is all its run saves; the run is done, and it says how to fetch the frames.
TEST(DownloadFrames, AFramesetRunIsDoneAndListsItsFrames) {
  testing::LoopbackServer server;
  server.Serve("/", kFrameset);
  TempFolder folder;
  const CommandRun outcome = Download({server.Url("/"), folder / "save"});
  EXPECT_EQ(outcome.status, 0) << outcome.error;
  EXPECT_EQ(outcome.error, "");
  EXPECT_TRUE(Holds(outcome.out, "frames:\n  left.html\n  right.html\n  right2.html\n"))
      << outcome.out;
  EXPECT_TRUE(Holds(outcome.out, "use --frame ADDRESS or --frames all to download them\n"))
      << outcome.out;
  EXPECT_TRUE(std::filesystem::exists(folder / "save/index.html"));
  EXPECT_TRUE(Holds(outcome.out, "saved page: " + (folder / "save/index.html") + "\n"));
  // The check of the saved page finds the three frames it leads to, none of them there yet.
  EXPECT_TRUE(Holds(outcome.out, "offline check: 3 references, 3 missing, 0 leaks\n"))
      << outcome.out;
}

TEST(DownloadFrames, EachFrameOptionIsActedOnInOrder) {
  testing::LoopbackServer server;
  server.Serve("/", kFrameset);
  for (const char* frame : {"/left.html", "/right.html", "/right2.html"})
    server.Serve(frame, PageWith(""));
  TempFolder folder;
  const CommandRun outcome =
      Download({"--frame", "right.html", "--frame", "left.html", server.Url("/"), folder / "save"});
  EXPECT_EQ(outcome.status, 0) << outcome.error;
  EXPECT_TRUE(std::filesystem::exists(folder / "save/right.html"));
  EXPECT_TRUE(std::filesystem::exists(folder / "save/left.html"));
  EXPECT_FALSE(std::filesystem::exists(folder / "save/right2.html"));
  const std::vector<std::string> asked = server.RequestedPaths();
  const auto right = std::find(asked.begin(), asked.end(), "/right.html");
  const auto left = std::find(asked.begin(), asked.end(), "/left.html");
  ASSERT_NE(left, asked.end());
  EXPECT_LT(right, left);
  EXPECT_FALSE(Holds(outcome.out, "--frames all to download them")) << "frames were asked for";
}

// --frames all: every frame and inline frame, then theirs, each page once and no deeper than
// five levels below the page. The lines of the check the download prints are the oracle for a
// page whole on the disk; the files and the requests the browser-free one.
TEST(DownloadFrames, AllFramesFetchesFramesOfFramesOnce) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::string>> site;
    std::string start;
    std::vector<std::string> saved;
    std::vector<std::string> notFetched;
    int status;
    std::string checkEnd;  // how the check's summary line ends
    // printed besides, on either stream, {url} standing for the server's address
    std::vector<std::string> lines;
  } cases[] = {
      {"frames of frames",
       {{"/", kFrameset},
        {"/left.html", PageWith("<iframe src='sub/deep.html'></iframe>")},
        {"/right.html", PageWith("")},
        {"/right2.html", PageWith("<IFRAME SRC=\"right.html\"></IFRAME>")},
        {"/sub/deep.html", PageWith("<iframe src=../leaf.html></iframe>")},
        {"/leaf.html", PageWith("")}},
       "/",
       {"index.html", "left.html", "right.html", "right2.html", "sub/deep.html", "leaf.html"},
       {},
       0,
       ", all saved\n",
       {"frame saved: {url}/left.html\n", "frame saved: {url}/sub/deep.html\n",
        "frame saved: {url}/leaf.html\n"}},
      {"the depth limit",
       {{"/c0.html", PageWith("<iframe src='c1.html'></iframe>")},
        {"/c1.html", PageWith("<iframe src='c2.html'></iframe>")},
        {"/c2.html", PageWith("<iframe src='c3.html'></iframe>")},
        {"/c3.html", PageWith("<iframe src='c4.html'></iframe>")},
        {"/c4.html", PageWith("<iframe src='c5.html'></iframe>")},
        {"/c5.html", PageWith("<iframe src='c6.html'></iframe>")},
        {"/c6.html", PageWith("<iframe src='c7.html'></iframe>")},
        {"/c7.html", PageWith("")}},
       "/c0.html",
       {"c0.html", "c1.html", "c2.html", "c3.html", "c4.html", "c5.html"},
       {"c6.html", "c7.html"},
       0,
       ", 1 missing, 0 leaks\n",
       {"frame saved: {url}/c5.html\n", "frame left, deeper than 5 levels: {url}/c6.html\n"}},
      {"a frame that embeds its parent, itself and a sibling",
       {{"/index.html", PageWith("<iframe src='a.html'></iframe>")},
        {"/a.html", PageWith("<iframe src='index.html'></iframe><iframe src='a.html'></iframe>"
                             "<iframe src='b.html'></iframe>")},
        {"/b.html", PageWith("<iframe src='a.html'></iframe><iframe src='/index.html'></iframe>")}},
       "/index.html",
       {"index.html", "a.html", "b.html"},
       {},
       0,
       ", all saved\n",
       {"frame saved: {url}/a.html\nframe saved: {url}/b.html\nsaved page: "}},
      {"a frame that cannot be fetched",
       {{"/index.html", PageWith("<iframe src='http://127.0.0.1:1/x.html'></iframe>"
                                 "<iframe src='ok.html'></iframe>")},
        {"/ok.html", PageWith("")}},
       "/index.html",
       {"index.html", "ok.html"},
       {},
       1,
       ", 1 missing, 0 leaks\n",
       {"frame saved: {url}/ok.html\n", "frame not saved: http://127.0.0.1:1/x.html\n",
        "the download ended early: frames not saved: 1\n"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::LoopbackServer server;
    for (const auto& [path, body] : c.site)
      server.Serve(path, body);
    TempFolder folder;
    const CommandRun outcome = Download({"--frames", "all", server.Url(c.start), folder / "save"});
    EXPECT_EQ(outcome.status, c.status) << outcome.error;
    for (const std::string& file : c.saved)
      EXPECT_TRUE(std::filesystem::exists(folder / ("save/" + file))) << file;
    const std::vector<std::string> asked = server.RequestedPaths();
    for (const std::string& file : c.notFetched) {
      EXPECT_FALSE(std::filesystem::exists(folder / ("save/" + file))) << file;
      EXPECT_EQ(std::count(asked.begin(), asked.end(), "/" + file), 0) << file;
    }
    // Each page is downloaded once: the run's request and the browser's own reading of it.
    for (const auto& [path, body] : c.site)
      EXPECT_LE(std::count(asked.begin(), asked.end(), path), 2) << path;
    // The summary and the check speak of the page the command was given.
    EXPECT_TRUE(Holds(outcome.out, "saved page: " + (folder / "save/") +
                                       (c.start == "/" ? "index.html" : c.start.substr(1)) + "\n"))
        << outcome.out;
    const std::size_t check = outcome.out.find("offline check: ");
    ASSERT_NE(check, std::string::npos) << outcome.out;
    EXPECT_TRUE(outcome.out.substr(check).ends_with(c.checkEnd)) << outcome.out;
    std::string url = server.Url("/");
    url.pop_back();
    for (std::string line : c.lines) {
      for (std::size_t at; (at = line.find("{url}")) != std::string::npos;)
        line.replace(at, 5, url);
      EXPECT_TRUE(Holds(outcome.out + outcome.error, line)) << line << "\n" << outcome.out;
    }
  }
}

}  // namespace
}  // namespace pellucor::cli

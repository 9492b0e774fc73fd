// Whole runs of pages with frames and inline frames: how the frames are listed and how the page
// that holds them is saved.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "SiteRun.h"
#include "check/OfflineCheck.h"
#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Iconv;
using testing::ReadBytes;
using testing::Sjis;

constexpr std::string_view kUtf8Head =
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
    "<title>フレームの見本</title></head>";

class FrameRun : public testing::SiteRun {
 protected:
  FrameRun() : SiteRunWith(HttpClientOptions{}, "site/") {}
};

// The addresses of a frame are listed whatever its quotes, and the page that holds them is
// saved as any page: converted to Shift_JIS, under the name of its address ("index.html" for a
// folder). The check of the saved page, run without the frames fetched, names them missing:
// the page leads to the files the frames' own runs will write.
TEST_F(FrameRun, FramesInEveryQuoteStyleAndThePageHoldingThem) {
  struct Case {
    const char* name;
    std::string folderPath;  // a folder's address, where the page is served
    std::string body;
    std::vector<std::string> frames;  // the frame list after the run
  } cases[] = {
      {"a frameset",
       "/frames/",
       "<frameset cols=\"1,*,*\"><frame src=\"left.html\"><frame src='right.html'>"
       "<frame src=right2.html></frameset></html>",
       {"left.html", "right.html", "right2.html"}},
      {"inline frames of an ordinary page",
       "/page/",
       "<body><p>本文</p><iframe src='inner.html'></iframe><iframe src=\"d.html\"></iframe>"
       "<iframe src=u.html width=1></iframe></body></html>",
       {"d.html", "inner.html", "u.html"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    server_.Serve(c.folderPath, std::string(kUtf8Head) + c.body);
    // The frameset run asks where to save; the answer names the save folder only.
    dialogs_.choices = {folder_ + "index.html"};
    engine_.tab.ListBoxWBInFrameFileList.clear();
    ASSERT_EQ(DownloadUrl(server_.Url(c.folderPath)), 0);
    EXPECT_EQ(engine_.tab.ListBoxWBInFrameFileList, c.frames);

    const std::string page = c.folderPath.substr(1) + "index.html";
    ASSERT_TRUE(Exists(page));
    EXPECT_FALSE(Exists(c.folderPath.substr(1) + ".html"));
    const std::string saved = Saved(page);
    EXPECT_NE(saved.find(Sjis("<title>フレームの見本</title>")), std::string::npos) << saved;
    const std::optional<std::string> readBack = Iconv("CP932", "UTF-8", saved);
    ASSERT_TRUE(readBack);
    EXPECT_NE(readBack->find("<title>フレームの見本</title>"), std::string::npos);
    EXPECT_NE(readBack->find("charset=Shift_JIS"), std::string::npos) << *readBack;

    const OfflineCheckResult check = CheckSavedPage(folder_ + page);
    ASSERT_TRUE(check.ok()) << check.failure;
    std::vector<std::string> missing;
    for (const OfflineFinding& finding : check.findings) {
      EXPECT_EQ(finding.kind, FindingKind::Missing) << finding.reference;
      missing.push_back(finding.reference);
    }
    std::sort(missing.begin(), missing.end());
    EXPECT_EQ(missing, c.frames);
  }
}

}  // namespace
}  // namespace pellucor

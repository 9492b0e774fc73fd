// Runs whose files cannot be written: each failure is told where the user looks, a page that is
// not on the disk is never reported saved, and what an earlier run saved stays whole.
#include <gtest/gtest.h>

#include <filesystem>

#include "SiteRun.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

namespace pellucor {
namespace {

namespace fs = std::filesystem;
using testing::kGif;
using testing::ReadBytes;
using testing::Sjis;

class WriteFailureRun : public testing::SiteRun {
 protected:
  WriteFailureRun() : SiteRunWith(HttpClientOptions{}, "site/") {
    server_.Serve("/index.html",
                  "<html><head><link rel=\"stylesheet\" href=\"css/a.css\">"
                  "<script src=\"js/s.js\"></script></head>"
                  "<body><img src=\"img/i.gif\"></body></html>");
    server_.Serve("/css/a.css", "p { color: red; }\n", "text/css");
    server_.Serve("/js/s.js", "var s = 1;\n", "application/javascript");
    server_.Serve("/img/i.gif", kGif, "image/gif");
  }

  int Download() { return DownloadUrl(server_.Url("/index.html")); }

  // A folder where the run wants to write a file: as good an obstacle as a full disk, and one
  // that fails in the same place every time.
  void Block(const std::string& relative) { fs::create_directories(folder_ + relative); }

  std::string NotSaved(const std::string& relative) const {
    return Sjis("●【 保存できませんでした 】 ") + folder_ + relative + "  (";
  }
  static bool HasLineStarting(const std::vector<std::string>& pane, const std::string& start) {
    return std::any_of(pane.begin(), pane.end(),
                       [&](const std::string& line) { return line.starts_with(start); });
  }
  const std::vector<std::string>& StyleSheetPane() const {
    return engine_.tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS;
  }
  const std::vector<std::string>& ImagePane() const {
    return engine_.tab.ListBoxPGTab02LTab03PageImageDownloaedImage;
  }
};

TEST_F(WriteFailureRun, EveryFileThatCannotBeWrittenLeavesALineInItsPane) {
  for (const char* blocked :
       {"css/a.css", "css/ZYOrg_a.css", "js/s.js", "img/i.gif", "ZZOrg_index.html"})
    Block(blocked);
  ASSERT_EQ(Download(), 0);
  EXPECT_TRUE(Holds(StyleSheetPane(), Mark("●", "css/a.css")));
  for (const char* blocked : {"css/a.css", "css/ZYOrg_a.css", "js/s.js", "ZZOrg_index.html"}) {
    SCOPED_TRACE(blocked);
    EXPECT_TRUE(HasLineStarting(StyleSheetPane(), NotSaved(blocked)));
  }
  EXPECT_TRUE(Holds(ImagePane(), Mark("●", "img/i.gif")));
  EXPECT_TRUE(HasLineStarting(ImagePane(), NotSaved("img/i.gif")));
  // The page itself was written: the run is done.
  EXPECT_TRUE(fs::is_regular_file(folder_ + "index.html"));
}

TEST_F(WriteFailureRun, APageThatCannotBeWrittenEndsTheRunAsNotDone) {
  Block("index.html");
  EXPECT_EQ(Download(), -1);
  ASSERT_FALSE(dialogs_.shown.empty());
  EXPECT_TRUE(dialogs_.shown.back().text.starts_with(Sjis("●【 ページを保存できませんでした 】 ") +
                                                     folder_ + "index.html"));
  EXPECT_NE(engine_.tab.LabelDownloadedFile, Sjis("【 ダウンロード完了 】"));
  // The rest of the run was still saved.
  EXPECT_TRUE(fs::is_regular_file(folder_ + "css/a.css"));
}

TEST_F(WriteFailureRun, AFullDiskKeepsWhatTheEarlierRunSaved) {
  ASSERT_EQ(Download(), 0);
  const std::string page = ReadBytes(folder_ + "index.html");
  const std::string asFetched = ReadBytes(folder_ + "ZZOrg_index.html");
  server_.Serve("/index.html",
                "<html><head></head><body>" + std::string(4096, 'x') + "</body></html>");
  int result = 0;
  {
    testing::FileSizeLimit full(64);
    result = Download();
  }
  EXPECT_EQ(result, -1);
  EXPECT_EQ(ReadBytes(folder_ + "index.html"), page);
  EXPECT_EQ(ReadBytes(folder_ + "ZZOrg_index.html"), asFetched);
  EXPECT_TRUE(HasLineStarting(StyleSheetPane(), NotSaved("ZZOrg_index.html")));
}

// Links a user (or an earlier hostile run) left inside the save folder never carry a write out
// of it: the files that would have gone through them are reported as not saved.
TEST_F(WriteFailureRun, LinksInsideTheSaveFolderAreNotWrittenThrough) {
  testing::TempFolder elsewhere;
  fs::create_directory_symlink(elsewhere.path(), folder_ + "css");
  fs::create_directory_symlink(elsewhere.path(), folder_ + "img");
  engine_.tab.CheckBoxDontEmptyFolder = true;  // emptying would delete the links first
  ASSERT_EQ(Download(), 0);
  EXPECT_TRUE(fs::is_empty(elsewhere.path()));
  EXPECT_TRUE(HasLineStarting(StyleSheetPane(), NotSaved("css/a.css")));
  EXPECT_TRUE(HasLineStarting(StyleSheetPane(), NotSaved("css/ZYOrg_a.css")));
  EXPECT_TRUE(HasLineStarting(ImagePane(), NotSaved("img/i.gif")));
  EXPECT_TRUE(fs::is_regular_file(folder_ + "js/s.js"));
}

}  // namespace
}  // namespace pellucor

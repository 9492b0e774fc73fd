// The response store of a run: responses past the memory budget go to temporary files, and
// neither a folder that cannot take them nor a file lost meanwhile may turn a body into a
// shorter one that still counts as fetched.
#include "download/RunFetcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/LoopbackServer.h"
#include "support/TempFolder.h"

namespace pellucor {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

const std::string kBody = std::string(5000, 'a') + "end";

class SpilledRun : public ::testing::Test {
 protected:
  SpilledRun() {
    server_.Serve("/big.txt", kBody, "text/plain");
    settings_.memoryBudget = 0;  // every body past the first byte goes to a file
    settings_.mode = FetchMode::Sequential;
  }
  std::vector<fs::path> SpillFiles() const {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(spill_.path()))
      if (entry.is_regular_file()) files.push_back(entry.path());
    return files;
  }

  testing::LoopbackServer server_;
  TempFolder spill_;
  HttpClient http_;
  FetchSettings settings_;
};

TEST_F(SpilledRun, ASpilledBodyComesBackWhole) {
  settings_.spillParent = spill_.path();
  RunFetcher fetcher(http_, settings_);
  EXPECT_TRUE(fetcher.ReadUrlText(server_.Url("/big.txt")) == kBody);
  EXPECT_EQ(SpillFiles().size(), 1u);
  EXPECT_TRUE(fetcher.ReadUrlText(server_.Url("/big.txt")) == kBody);
  fetcher.Clear();
  EXPECT_TRUE(SpillFiles().empty());
}

TEST_F(SpilledRun, AFolderThatCannotTakeTheBodyKeepsItInMemory) {
  settings_.spillParent = spill_ / "missing/folder";
  RunFetcher fetcher(http_, settings_);
  EXPECT_TRUE(fetcher.ReadUrlText(server_.Url("/big.txt")) == kBody);
  EXPECT_TRUE(fetcher.ReadUrlText(server_.Url("/big.txt")) == kBody);
  EXPECT_TRUE(fetcher.FailureOf(server_.Url("/big.txt")).empty());
  EXPECT_EQ(server_.RequestCount(), 1u);
}

TEST_F(SpilledRun, ASpillFileCutMeanwhileFailsTheResponse) {
  server_.Serve("/other.txt", kBody, "text/plain");
  settings_.spillParent = spill_.path();
  RunFetcher fetcher(http_, settings_);
  ASSERT_TRUE(fetcher.ReadUrlText(server_.Url("/big.txt")) == kBody);
  // Another large response read in between, so the first is read from its file again.
  ASSERT_TRUE(fetcher.ReadUrlText(server_.Url("/other.txt")) == kBody);
  const std::vector<fs::path> files = SpillFiles();
  ASSERT_EQ(files.size(), 2u);
  const auto first = std::find_if(files.begin(), files.end(),
                                  [](const fs::path& file) { return file.filename() == "0"; });
  ASSERT_NE(first, files.end());
  fs::resize_file(*first, 100);
  EXPECT_EQ(fetcher.ReadUrlText(server_.Url("/big.txt")), "");
  EXPECT_FALSE(fetcher.FailureOf(server_.Url("/big.txt")).empty());
}

TEST_F(SpilledRun, WithoutASettingTheSpillGoesBelowTheSaveFolder) {
  RunFetcher fetcher(http_, settings_);
  fetcher.SetSaveFolder(spill_.path() + "/");
  EXPECT_TRUE(fetcher.ReadUrlText(server_.Url("/big.txt")) == kBody);
  ASSERT_EQ(SpillFiles().size(), 1u);
  EXPECT_TRUE(SpillFiles().front().parent_path().filename().string().starts_with(".pellucor-run-"));
  fetcher.Clear();
  EXPECT_TRUE(fs::is_empty(spill_.path()));
}

// The run's limits: requests, each redirect counted, and the bytes it keeps.
TEST(RunLimits, RedirectsCountAsRequestsAndBytesAreBudgeted) {
  testing::LoopbackServer server;
  server.Redirect("/moved", "/a");
  for (const char* path : {"/a", "/b", "/c"})
    server.Serve(path, std::string(1000, 'x'), "text/plain");
  HttpClient http;
  FetchSettings settings;
  settings.mode = FetchMode::Sequential;
  settings.filesPerRun = 3;
  RunFetcher files(http, settings);
  EXPECT_FALSE(files.ReadUrlText(server.Url("/moved")).empty());
  EXPECT_EQ(files.requests(), 2u);
  EXPECT_FALSE(files.ReadUrlText(server.Url("/b")).empty());
  EXPECT_TRUE(files.ReadUrlText(server.Url("/c")).empty());
  EXPECT_EQ(files.LimitHit(), RunFetcher::Limit::Files);
  EXPECT_EQ(files.FirstRefusedUrl(), server.Url("/c"));

  settings.filesPerRun = 100;
  settings.bytesPerRun = 1500;
  RunFetcher bytes(http, settings);
  EXPECT_FALSE(bytes.ReadUrlText(server.Url("/a")).empty());
  EXPECT_FALSE(bytes.ReadUrlText(server.Url("/b")).empty());  // 1000 kept: under the budget
  EXPECT_TRUE(bytes.ReadUrlText(server.Url("/c")).empty());   // 2000 kept: past it
  EXPECT_EQ(bytes.LimitHit(), RunFetcher::Limit::Bytes);
  EXPECT_EQ(bytes.FailureOf(server.Url("/c")), "the run's limit of bytes was reached");
}

}  // namespace
}  // namespace pellucor

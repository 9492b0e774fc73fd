// The response store of a run: responses past the memory budget go to temporary files, and
// neither a folder that cannot take them nor a file lost meanwhile may turn a body into a
// shorter one that still counts as fetched.
#include "download/RunFetcher.h"

#include <gtest/gtest.h>

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
  settings_.spillParent = spill_.path();
  RunFetcher fetcher(http_, settings_);
  ASSERT_TRUE(fetcher.ReadUrlText(server_.Url("/big.txt")) == kBody);
  const std::vector<fs::path> files = SpillFiles();
  ASSERT_EQ(files.size(), 1u);
  fs::resize_file(files.front(), 100);
  EXPECT_EQ(fetcher.ReadUrlText(server_.Url("/big.txt")), "");
  EXPECT_FALSE(fetcher.FailureOf(server_.Url("/big.txt")).empty());
}

}  // namespace
}  // namespace pellucor

#include "text/FileReplace.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

namespace pellucor {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::size_t EntriesIn(const std::string& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(ReplaceFileContents, WritesAndReplacesLeavingNothingBeside) {
  TempFolder folder;
  ASSERT_TRUE(ReplaceFileContents(folder / "a.txt", "first"));
  ASSERT_TRUE(ReplaceFileContents(folder / "a.txt", "second, longer"));
  EXPECT_EQ(ReadBytes(folder / "a.txt"), "second, longer");
  EXPECT_EQ(EntriesIn(folder.path()), 1u);
}

// What stands at the name is kept as it is: nothing is written through a link, into a folder's
// place or into a pipe (which would block the writer for ever).
TEST(ReplaceFileContents, RefusesWhatIsNoRegularFile) {
  TempFolder outside;
  WriteBytes(outside / "target.txt", "keep");
  struct Case {
    const char* name;
    std::function<void(const std::string& path)> make;
  } cases[] = {
      {"folder", [](const std::string& path) { fs::create_directory(path); }},
      {"symbolic link",
       [&](const std::string& path) { fs::create_symlink(outside / "target.txt", path); }},
      {"named pipe", [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string path = folder / "page.html";
    c.make(path);
    const FileReplaceResult result = ReplaceFileContents(path, "new");
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_FALSE(fs::is_regular_file(fs::symlink_status(path)));
    EXPECT_EQ(EntriesIn(folder.path()), 1u);
  }
  EXPECT_EQ(ReadBytes(outside / "target.txt"), "keep");
}

TEST(ReplaceFileContents, AFullDiskKeepsTheOldFileWhole) {
  TempFolder folder;
  WriteBytes(folder / "page.html", "the page saved before");
  FileReplaceResult result;
  {
    testing::FileSizeLimit full(8);
    result = ReplaceFileContents(folder / "page.html", std::string(4096, 'x'));
  }
  EXPECT_FALSE(result);
  EXPECT_NE(result.reason.find("written"), std::string::npos) << result.reason;
  EXPECT_EQ(ReadBytes(folder / "page.html"), "the page saved before");
  EXPECT_EQ(EntriesIn(folder.path()), 1u);
}

}  // namespace
}  // namespace pellucor

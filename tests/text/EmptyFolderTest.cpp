#include "text/EmptyFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdio.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

#include "support/TempFolder.h"

namespace pellucor {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(EmptyFolder, DeletesFilesAndKeepsFoldersEmptied) {
  TempFolder folder;
  const std::string site = folder / "site";
  WriteBytes(site + "/index.html", "x");
  WriteBytes(site + "/css/a.css", "x");
  WriteBytes(site + "/img/deep/b.png", "x");
  WriteBytes(site + "/readonly.txt", "x");
  fs::permissions(site + "/readonly.txt", fs::perms::owner_read);

  EXPECT_TRUE(EmptyFolder(site + "/"));
  EXPECT_TRUE(fs::is_directory(site + "/img/deep"));
  EXPECT_TRUE(fs::is_directory(site + "/css"));
  EXPECT_FALSE(fs::exists(site + "/index.html"));
  EXPECT_FALSE(fs::exists(site + "/readonly.txt"));
  EXPECT_FALSE(fs::exists(site + "/img/deep/b.png"));
  EXPECT_TRUE(EmptyFolder(site));  // already empty, without the trailing "/"
}

TEST(EmptyFolder, DeletesLinksWithoutFollowingThem) {
  TempFolder folder;
  TempFolder outside;
  WriteBytes(outside / "keep/file.txt", "keep");
  const std::string site = folder / "site";
  fs::create_directories(site);
  fs::create_directory_symlink(outside / "keep", site + "/linked-folder");
  fs::create_symlink(outside / "keep/file.txt", site + "/linked-file");

  EXPECT_TRUE(EmptyFolder(site));
  EXPECT_FALSE(fs::exists(fs::symlink_status(site + "/linked-folder")));
  EXPECT_FALSE(fs::exists(fs::symlink_status(site + "/linked-file")));
  EXPECT_EQ(ReadBytes(outside / "keep/file.txt"), "keep");

  // A folder that is itself a link is refused.
  fs::create_directory_symlink(outside / "keep", folder / "alias");
  EXPECT_FALSE(EmptyFolder(folder / "alias"));
  EXPECT_EQ(ReadBytes(outside / "keep/file.txt"), "keep");
}

TEST(EmptyFolder, RefusesDangerousFolders) {
  TempFolder folder;
  WriteBytes(folder / "home/user/file.txt", "keep");
  const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
  ::setenv("HOME", (folder / "home/user").c_str(), 1);
  const std::string refused[] = {
      "",
      "/",
      "/tmp",
      "/usr",
      "/usr/share/doc",
      "/etc/",
      folder / "home/user",
      folder / "home/user/",
      folder / "home",
      folder / "home/user/x/..",
      folder / "missing",
  };
  for (const std::string& path : refused) {
    const EmptyFolderResult result = EmptyFolder(path);
    EXPECT_FALSE(result) << path;
    EXPECT_FALSE(result.reason.empty()) << path;
  }
  ::setenv("HOME", oldHome.c_str(), 1);
  EXPECT_EQ(ReadBytes(folder / "home/user/file.txt"), "keep");
}

// Another process keeps swapping a subfolder with a link to a folder outside (atomically, so the
// name is never missing) while the folder is emptied: whatever the timing, nothing outside is
// deleted.
TEST(EmptyFolder, ASubfolderSwappedWithALinkMeanwhileIsNotFollowed) {
  TempFolder folder;
  TempFolder outside;
  for (int i = 0; i < 20; ++i)
    WriteBytes(outside / ("keep" + std::to_string(i) + ".txt"), "keep");
  const std::string site = folder / "site";
  for (int attempt = 0; attempt < 20; ++attempt) {
    for (int i = 0; i < 20; ++i)
      WriteBytes(site + "/sub/f" + std::to_string(i) + ".txt", "x");
    fs::create_directory_symlink(outside.path(), folder / "link");
    std::atomic<bool> done{false};
    std::thread swapper([&] {
      const std::string link = folder / "link";
      const std::string sub = site + "/sub";
      while (!done.load())
        ::renameat2(AT_FDCWD, link.c_str(), AT_FDCWD, sub.c_str(), RENAME_EXCHANGE);
    });
    (void)EmptyFolder(site);
    done.store(true);
    swapper.join();
    std::error_code error;
    fs::remove_all(site, error);
    fs::remove(folder / "link", error);
    fs::remove_all(folder / "link", error);
  }
  for (int i = 0; i < 20; ++i)
    EXPECT_EQ(ReadBytes(outside / ("keep" + std::to_string(i) + ".txt")), "keep") << i;
}

}  // namespace
}  // namespace pellucor

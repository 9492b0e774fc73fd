#include "text/EmptyFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

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
  for (const std::string& path : refused)
    EXPECT_FALSE(EmptyFolder(path)) << path;
  ::setenv("HOME", oldHome.c_str(), 1);
  EXPECT_EQ(ReadBytes(folder / "home/user/file.txt"), "keep");
}

}  // namespace
}  // namespace pellucor

// The explorer's tree over a temporary folder and a mount table of each kind of place.
#include "explorer/ExplorerTree.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/TempFolder.h"

namespace pellucor {
namespace {

using testing::WriteBytes;

TEST(ExplorerTree, TheDriveLevelHoldsThePlacesAUserCaresAbout) {
  const std::string mounts =
      "proc /proc proc rw 0 0\n"
      "/dev/sda1 / ext4 rw 0 0\n"
      "tmpfs /run tmpfs rw 0 0\n"
      "/dev/sdb1 /media/user/USB\\040STICK vfat rw 0 0\n"
      "server:/share /net/share nfs4 rw 0 0\n"
      "/dev/sr0 /media/user/CDROM iso9660 ro 0 0\n"
      "overlay /var/lib/docker/x overlay rw 0 0\n";
  const std::vector<TreeNode> places = DriveLevel(mounts, "/home/user");
  struct Expected {
    const char* path;
    int picture;
  };
  const Expected expected[] = {{"/", 5},
                               {"/home/user", 5},
                               {"/media/user/USB STICK", 8},
                               {"/net/share", 9},
                               {"/media/user/CDROM", 6}};
  ASSERT_EQ(places.size(), std::size(expected));
  for (std::size_t i = 0; i < places.size(); ++i) {
    EXPECT_EQ(places[i].path, expected[i].path);
    EXPECT_EQ(places[i].picture, expected[i].picture) << places[i].path;
    EXPECT_EQ(places[i].kind, NodeKind::Drive);
    EXPECT_TRUE(places[i].expandable);
  }
}

TEST(ExplorerTree, AFolderListsItsFoldersAndWritableFilesByName) {
  testing::TempFolder temp;
  const std::string root = temp.path();
  std::filesystem::create_directories(root + "/Beta");
  std::filesystem::create_directories(root + "/.hidden");
  WriteBytes(root + "/alpha.txt", "a");
  WriteBytes(root + "/Zeta.css", "z");
  WriteBytes(root + "/.dot", "d");
  WriteBytes(root + "/locked.txt", "l");
  chmod((root + "/locked.txt").c_str(), 0444);
  // A name that is no Shift_JIS text stays in the tree under its own name.
  WriteBytes(root + "/caf\xC3\xA9\xF0\x9F\x98\x80.txt", "e");
  std::filesystem::create_directory_symlink(root, root + "/loop");

  const FolderListing listing = ListFolder(root);
  ASSERT_TRUE(listing.listed);
  std::vector<std::string> texts;
  for (const TreeNode& node : listing.children)
    texts.push_back(node.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"Beta", "loop", "alpha.txt",
                                             "caf\xC3\xA9\xF0\x9F\x98\x80.txt", "Zeta.css"}));
  EXPECT_EQ(listing.children[0].kind, NodeKind::Folder);
  EXPECT_TRUE(listing.children[0].expandable);
  EXPECT_FALSE(listing.children[1].expandable);  // a link to a folder is not walked into
  EXPECT_EQ(listing.children[2].kind, NodeKind::File);
  EXPECT_EQ(listing.children[2].picture, 10);
  EXPECT_EQ(listing.children[2].path, root + "/alpha.txt");

  // A folder of read-only files lists nothing; one that cannot be read is not listed.
  std::filesystem::create_directories(root + "/ro");
  WriteBytes(root + "/ro/a.txt", "a");
  chmod((root + "/ro/a.txt").c_str(), 0444);
  EXPECT_TRUE(ListFolder(root + "/ro").children.empty());
  EXPECT_FALSE(ListFolder(root + "/missing").listed);
}

}  // namespace
}  // namespace pellucor

#include <gtest/gtest.h>

#include "ports/BrowseForFolder.h"
#include "support/FakeDialogs.h"

namespace pellucor {
namespace {

TEST(BrowseForFolder, AsksTheFolderDialogAndGivesEmptyWhenCancelled) {
  testing::FakeDialogs dialogs;
  dialogs.choices = {std::string("/home/u/site"), std::nullopt};
  EXPECT_EQ(BrowseForFolder(dialogs, "title", "/home/u/"), "/home/u/site");
  EXPECT_EQ(BrowseForFolder(dialogs, "title", ""), "");
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].kind, "folder");
  EXPECT_EQ(dialogs.shown[0].initialFolder, "/home/u/");
}

}  // namespace
}  // namespace pellucor

#include <gtest/gtest.h>

#include "ports/BrowseForFolder.h"
#include "ports/SystemLauncher.h"
#include "support/FakeDialogs.h"
#include "support/FakeLauncher.h"

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

TEST(OpenInHtmlViewer, OpensTheTargetButNotAnEmptyText) {
  testing::FakeLauncher launcher;
  OpenInHtmlViewer(launcher, "/s/index.html");
  OpenInHtmlViewer(launcher, "");
  EXPECT_EQ(launcher.opened, std::vector<std::string>{"viewer /s/index.html"});
}

TEST(SystemLauncher, TextEditorComesFromTheEnvironment) {
  using Command = std::vector<std::string>;
  EXPECT_EQ(SystemLauncher::TextEditorCommand("", "", "/a b.txt"),
            (Command{"xdg-open", "/a b.txt"}));
  EXPECT_EQ(SystemLauncher::TextEditorCommand("", "vi", "/a.txt"), (Command{"vi", "/a.txt"}));
  EXPECT_EQ(SystemLauncher::TextEditorCommand("code --wait", "vi", "/a.txt"),
            (Command{"code", "--wait", "/a.txt"}));
}

}  // namespace
}  // namespace pellucor

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ports/BrowseForFolder.h"
#include "ports/HostFileEffects.h"
#include "ports/SystemLauncher.h"
#include "support/FakeClipboard.h"
#include "support/FakeDialogs.h"
#include "support/FakeEventPump.h"
#include "support/FakeLauncher.h"
#include "support/TempFolder.h"
#include "text/TextFile.h"

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

TEST(HostFileEffects, FileHelpersReachTheHostsClipboardAndEventLoop) {
  testing::TempFolder folder;
  testing::FakeClipboard clipboard;
  testing::FakeEventPump pump;
  const std::string asked = folder.path() + "/a?b/c";
  EXPECT_EQ(ForceSafeFolder(asked, HostFileEffects(clipboard, pump)), folder.path() + "/a@b/c");
  EXPECT_EQ(clipboard.history, std::vector<std::string>{asked});
  EXPECT_EQ(pump.pumps, 1);

  EXPECT_EQ(SaveTextFile("page", folder / "s/a?b.html", HostFileEffects(clipboard, pump)).outcome,
            SaveOutcome::Written);
  EXPECT_TRUE(std::filesystem::is_regular_file(folder / "s/a@b.html"));
  EXPECT_EQ(clipboard.Text(), folder / "s/a@b.html");
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

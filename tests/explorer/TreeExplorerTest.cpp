// The explorer's commands with fake ports: what each kind of file shows where, collapsing,
// saving the view in another encoding.
#include "explorer/TreeExplorer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "flash/FlashPage.h"
#include "support/FakeBrowser.h"
#include "support/FakeDialogs.h"
#include "support/FakeLauncher.h"
#include "support/FakeTextView.h"
#include "support/Iconv.h"
#include "support/TempFolder.h"

namespace pellucor {
namespace {

using testing::ReadBytes;
using testing::Sjis;
using testing::WriteBytes;

class TreeExplorerTest : public ::testing::Test {
 protected:
  TreeNode File(const std::string& name) {
    return {name, root_ + "/" + name, NodeKind::File, 10, false};
  }

  testing::TempFolder temp_;
  std::string root_ = temp_.path();
  testing::FakeDialogs dialogs_;
  testing::FakeLauncher launcher_;
  testing::FakeBrowser right_;
  testing::FakeBrowser left_;
  testing::FakeTextView view_;
  std::string localPage_;
  std::vector<std::chrono::milliseconds> pauses_;
  ExplorerTab tab_;
  TreeExplorer explorer_{{dialogs_, launcher_, right_, left_, view_, localPage_,
                          [this](std::chrono::milliseconds time) { pauses_.push_back(time); }},
                         tab_};
};

TEST_F(TreeExplorerTest, EachKindOfFileIsShownWhereItBelongs) {
  WriteBytes(root_ + "/data.json", *testing::Iconv("UTF-8", "EUC-JP", "{\"a\":\"日本\"}"));
  WriteBytes(root_ + "/page.html", "<html><body>p</body></html>");
  WriteBytes(root_ + "/pic.gif", "GIF89a");
  WriteBytes(root_ + "/movie.swf", "FWS");
  WriteBytes(root_ + "/README", "r");

  // ".json" passes ".js": a text, read in the chosen encoding, shown plain.
  tab_.RadioGroupTreeExplorer = 1;
  explorer_.ChooseNode(File("data.json"));
  EXPECT_EQ(tab_.LabelTreeExpFileType, "Text");
  EXPECT_EQ(view_.text, Sjis("{\"a\":\"日本\"}"));
  EXPECT_TRUE(view_.loadedRtf.empty());
  EXPECT_EQ(tab_.BtnEditTreeExplorerSave, root_ + "/data.json");
  EXPECT_EQ(tab_.TreeExpComboBoxFSDir, root_);

  // A page: both browsers (the left one only when asked), the coloured source, the local page
  // tab's field.
  tab_.CheckBoxTreeExplorerDisplayLeft = true;
  explorer_.ChooseNode(File("page.html"));
  EXPECT_EQ(tab_.LabelTreeExpFileType, "html");
  EXPECT_EQ(right_.location, root_ + "/page.html");
  EXPECT_EQ(left_.location, root_ + "/page.html");
  EXPECT_FALSE(view_.loadedRtf.empty());
  EXPECT_EQ(localPage_, root_ + "/page.html");
  EXPECT_TRUE(tab_.BtnEditTreeExplorerSave.empty());

  tab_.CheckBoxTreeExplorerDisplayLeft = false;
  explorer_.ChooseNode(File("pic.gif"));
  EXPECT_EQ(tab_.LabelTreeExpFileType, "Image");
  EXPECT_EQ(right_.location, root_ + "/pic.gif");
  EXPECT_EQ(left_.location, root_ + "/page.html");
  EXPECT_TRUE(view_.text.empty());

  explorer_.ChooseNode(File("movie.swf"));
  EXPECT_EQ(tab_.LabelTreeExpFileType, "swf");
  EXPECT_EQ(right_.written, MakeFlashHTML(root_ + "/movie.swf"));
  EXPECT_EQ(pauses_, std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(1000)});

  // A name without a dot keeps the file chosen before and shows nothing new.
  explorer_.ChooseNode(File("README"));
  EXPECT_EQ(tab_.SelectedTreeFile, root_ + "/movie.swf");
  EXPECT_EQ(tab_.LabelTreeExpFileType, "swf");

  // A folder becomes the search folder; collapsing empties everything shown.
  explorer_.ChooseNode({"sub", root_ + "/sub", NodeKind::Folder, 0, true});
  EXPECT_EQ(tab_.LabelTreeExpFilename, root_ + "/sub/");
  EXPECT_EQ(tab_.TreeExpComboBoxFSDir, root_ + "/sub");
  EXPECT_TRUE(tab_.SelectedTreeFile.empty());
  explorer_.CollapseNode();
  EXPECT_TRUE(tab_.LabelTreeExpFilename.empty());
  EXPECT_EQ(right_.location, "about:blank");
  EXPECT_TRUE(view_.text.empty());
}

TEST_F(TreeExplorerTest, ANameWithoutAShiftJisFormIsToldNotShown) {
  explorer_.ChooseNode(File("emoji\xF0\x9F\x98\x80.txt"));
  EXPECT_FALSE(tab_.StatusText.empty());
  EXPECT_TRUE(tab_.LabelTreeExpFilename.empty());
  EXPECT_TRUE(right_.navigations.empty());
}

TEST_F(TreeExplorerTest, SavingTheViewInAnotherEncodingAndOpeningElsewhere) {
  WriteBytes(root_ + "/a.css", "x");
  explorer_.ChooseNode(File("a.css"));
  view_.text = Sjis("<meta charset=\"Shift_JIS\">日本");
  tab_.RadioGroupTreeExplorerSave = 2;  // UTF-8
  dialogs_.choices.push_back(root_ + "/saved.html");
  explorer_.sbTreeExplorerSaveClick();
  EXPECT_EQ(dialogs_.shown.back().initialFolder, root_);
  EXPECT_EQ(dialogs_.shown.back().proposedName, "a.css");
  const std::string bytes = ReadBytes(root_ + "/saved.html");
  EXPECT_NE(bytes.find("日本"), std::string::npos);
  EXPECT_EQ(bytes.find("Shift_JIS"), std::string::npos);
  EXPECT_EQ(tab_.BtnEditTreeExplorerSave, root_ + "/saved.html");

  explorer_.OpenWithAssociatedProgram();
  explorer_.OpenInHtmlViewer();
  explorer_.OpenInTextEditor();
  EXPECT_EQ(launcher_.opened,
            (std::vector<std::string>{"associated " + root_ + "/a.css",
                                      "viewer " + root_ + "/a.css", "editor " + root_ + "/a.css"}));
}

}  // namespace
}  // namespace pellucor

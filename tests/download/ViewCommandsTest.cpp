// The download tab's tool buttons around its browsers, with fake ports and a loopback server.
#include "download/ViewCommands.h"

#include <gtest/gtest.h>

#include "SiteRun.h"

namespace pellucor {
namespace {

using testing::Sjis;
using testing::WriteBytes;

class ViewCommandsTest : public testing::SiteRunWith<NoResourceStages> {
 protected:
  ViewCommandsTest() : SiteRunWith(HttpClientOptions{}, "site/"), commands_(engine_) {
    commands_.toggleTopPanel = [this] { ++toggles_; };
  }

  ViewCommands commands_;
  int toggles_ = 0;
};

TEST_F(ViewCommandsTest, SingleScreenAsksForAPageAndCancellingChangesNothing) {
  const DownloadTab before = engine_.tab;
  commands_.sbDLSingleScreenClick();
  ASSERT_EQ(dialogs_.shown.size(), 1u);
  EXPECT_EQ(dialogs_.shown[0].kind, "open");
  EXPECT_EQ(engine_.tab.BtnEditWBLocalFilename, before.BtnEditWBLocalFilename);
  EXPECT_EQ(engine_.tab.RightTabShown, before.RightTabShown);
  EXPECT_TRUE(result_.navigations.empty());

  // "index" chosen: "index.html" is shown when it exists, with its source on the left.
  WriteBytes(folder_ + "index.html", "<html><p>saved</p></html>");
  dialogs_.choices.push_back(folder_ + "index");
  commands_.sbDLSingleScreenClick();
  EXPECT_EQ(result_.location, folder_ + "index.html");
  EXPECT_EQ(engine_.tab.LabelLocalBrowserUrl, folder_ + "index.html");
  EXPECT_EQ(engine_.tab.LabelLocalHTMLSrc, folder_ + "index.html");
  EXPECT_EQ(engine_.tab.RichEditExPGTab02LTab09LocalFileHTML, "<html><p>saved</p></html>");
  EXPECT_EQ(engine_.tab.LeftTabShown, "PGTab02LTab09LocalFileHTML");
  EXPECT_EQ(engine_.tab.RightTabShown, "PGTab02RTab00ResultBrowser");

  // A name without ".htm" whose ".html" file does not exist shows nothing.
  engine_.tab.BtnEditWBLocalFilename.clear();
  dialogs_.choices.push_back(folder_ + "other");
  const std::size_t navigations = result_.navigations.size();
  commands_.sbDLSingleScreenClick();
  EXPECT_EQ(result_.navigations.size(), navigations);
}

TEST_F(ViewCommandsTest, TheLocalFileButtonMakesTheChosenPageTheLocalPage) {
  commands_.BtnEditWBLocalFilenameButtonClick();  // cancelled: nothing changes
  ASSERT_EQ(dialogs_.shown.size(), 1u);
  EXPECT_EQ(dialogs_.shown[0].proposedName, "dummy.html");
  EXPECT_TRUE(engine_.run.LocalPageFile.empty());

  WriteBytes(folder_ + "page.html", "<p>page</p>");
  dialogs_.choices.push_back(folder_ + "page");
  commands_.BtnEditWBLocalFilenameButtonClick();
  EXPECT_EQ(engine_.tab.BtnEditWBLocalFilename, folder_ + "page.html");
  EXPECT_EQ(engine_.run.LocalPageFile, folder_ + "page.html");
  EXPECT_EQ(result_.location, folder_ + "page.html");
  EXPECT_EQ(engine_.tab.RightTabShown, "PGTab02RTab00ResultBrowser");

  commands_.BtnEditWBLocalFilenameButtonClick();
  EXPECT_EQ(dialogs_.shown.back().proposedName, "page.html");
  EXPECT_EQ(dialogs_.shown.back().initialFolder, folder_);
}

TEST_F(ViewCommandsTest, DualScreenShowsTheSavedPageBesideTheWebPage) {
  server_.Serve("/page.html", "<html><p>web</p></html>");
  WriteBytes(folder_ + "page.html", "<html><p>saved</p></html>");
  engine_.run.LocalPageFile = folder_ + "page.html";
  engine_.tab.ComboBoxWBUrl = server_.Url("/page.html");
  commands_.sbWinFileDualScreenClick();
  EXPECT_TRUE(dialogs_.shown.empty());
  EXPECT_EQ(result_.navigations.front(), folder_ + "page.html");
  EXPECT_EQ(engine_.tab.LabelLocalBrowserUrl, folder_ + "page.html");
  EXPECT_EQ(browser_.location, server_.Url("/page.html"));
  EXPECT_EQ(toggles_, 1);
  EXPECT_EQ(engine_.tab.LeftTabShown, "PGTab02LTab01WB");
  EXPECT_EQ(engine_.tab.RightTabShown, "PGTab02RTab00ResultBrowser");
}

TEST_F(ViewCommandsTest, HomeAfterAHandOverGoesToTheSiteRoot) {
  server_.Serve("/", "<html>root</html>");
  server_.Serve("/b/c.html", "<html>c</html>");
  engine_.TakeOverUrl(server_.Url("/b/c.html"));
  engine_.tab.ComboBoxWBUrl = "http://elsewhere.example/x.html";
  commands_.sbDLHomeClick();
  EXPECT_EQ(engine_.tab.ComboBoxWBUrl, server_.Url("/"));
  EXPECT_EQ(browser_.location, server_.Url("/"));
}

TEST_F(ViewCommandsTest, PasteTakesOnlyAWebUrl) {
  clipboard_.SetText("not a url");
  commands_.sbDLUrlPasteClick();
  EXPECT_TRUE(browser_.navigations.empty());
  EXPECT_TRUE(engine_.tab.ComboBoxWBUrl.empty());

  server_.Serve("/p.html", "<html>p</html>");
  const std::string url = server_.Url("/p.html");
  clipboard_.SetText(url);
  engine_.tab.CheckBoxDonttSaveImage = true;
  commands_.sbDLUrlPasteClick();
  EXPECT_EQ(browser_.location, url);
  EXPECT_EQ(engine_.tab.ComboBoxWBUrlItems, std::vector<std::string>{url});
  EXPECT_EQ(engine_.tab.WindowCaption, "[ " + url + " ]");
  EXPECT_FALSE(engine_.tab.CheckBoxDonttSaveImage);  // the per-page options are reset

  // The history holds a URL once in any letter case.
  engine_.tab.ComboBoxWBUrl = " " + url + " ";
  engine_.AddComboBoxURL();
  std::string upper = url;
  for (char& c : upper)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  engine_.tab.ComboBoxWBUrl = upper;
  engine_.AddComboBoxURL();
  EXPECT_EQ(engine_.tab.ComboBoxWBUrlItems, std::vector<std::string>{url});
}

TEST_F(ViewCommandsTest, PagesAndFramesGoToTheHtmlViewer) {
  WriteBytes(folder_ + "a.html", "a");
  WriteBytes(folder_ + "q@x=1.htm.html", "q");
  struct Case {
    const char* name;
    std::string box;
    std::string opened;  // empty: nothing is opened
  };
  const std::vector<Case> cases = {
      {"a page file", folder_ + "a.html", "viewer " + folder_ + "a.html"},
      {"a name without .htm", folder_ + "a", "viewer " + folder_ + "a.html"},
      {"a name without .htm and no such page", folder_ + "b", ""},
      {"a query name", folder_ + "q@x=1.htm", "viewer " + folder_ + "q@x=1.htm.html"},
      {"an empty box", "  ", ""},
  };
  for (const Case& c : cases) {
    launcher_.opened.clear();
    engine_.tab.BtnEditWBLocalFilename = c.box;
    commands_.sbWinFileIEClick();
    EXPECT_EQ(launcher_.opened,
              c.opened.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.opened})
        << c.name;
  }

  launcher_.opened.clear();
  engine_.tab.ComboBoxWBUrl = "http://host/dir/top.html";
  engine_.tab.EditFrameLinkUrl = "frame.html";
  commands_.sbDLFrameIEOpenClick();
  engine_.tab.EditFrameLinkUrl = "https://other.example/f.html";
  commands_.sbDLFrameIEOpenClick();
  EXPECT_EQ(launcher_.opened, (std::vector<std::string>{"viewer http://host/dir/frame.html",
                                                        "viewer https://other.example/f.html"}));

  launcher_.opened.clear();
  engine_.tab.LabelLocalBrowserUrl = "file://" + folder_ + "a.html";
  commands_.sbDLNavigateLocalHomeOpenIEClick();
  EXPECT_EQ(launcher_.opened, std::vector<std::string>{"viewer " + folder_ + "a.html"});
}

}  // namespace
}  // namespace pellucor

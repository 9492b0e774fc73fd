// The download tab's commands around the page shown, with fake ports and a loopback server.
#include <gtest/gtest.h>

#include "SiteRun.h"
#include "download/ResourceStages.h"

namespace pellucor {
namespace {

using testing::Sjis;

class NavigateCommands : public testing::SiteRunWith<NoResourceStages> {
 protected:
  NavigateCommands() : SiteRunWith(HttpClientOptions{}, "site/") {}
};

TEST_F(NavigateCommands, NavigateShowsThePageAndTellsItsBaseTag) {
  server_.Serve("/page.html",
                "<html><head><base href=\"http://example.com/dir/\"></head>"
                "<body><p>text</p></body></html>");
  const std::string url = server_.Url("/page.html");
  engine_.tab.ComboBoxWBUrl = "  " + url + "\\ ";
  engine_.tab.ListBoxPGTab02LTab03PageImage = {"old row"};
  engine_.sbDLNavigateClick();
  EXPECT_EQ(engine_.tab.ComboBoxWBUrl, url);
  EXPECT_EQ(browser_.navigations, std::vector<std::string>{url});
  EXPECT_NE(engine_.tab.RichEditExPGTab02RTab02HTMLSrc.find("<p>text</p>"), std::string::npos);
  EXPECT_NE(engine_.tab.RichEditExPGTab02LTab12OrgHTML.find("<p>text</p>"), std::string::npos);
  EXPECT_EQ(engine_.tab.LabelDownloadedFile,
            Sjis("＜ｂａｓｅ　ｈｒｅｆ＝”【 http://example.com/dir/ 】 ” ・・＞が見つかりました"));
  EXPECT_TRUE(engine_.tab.ListBoxPGTab02LTab03PageImage.empty());
  EXPECT_EQ(engine_.tab.ComboBoxWBUrlItems, std::vector<std::string>{url});
  EXPECT_EQ(engine_.tab.EditPGTab02RTab07IndividualUrl, url);
  EXPECT_NE(engine_.run.FetchedHeadHtml.find("<base"), std::string::npos);
  EXPECT_EQ(engine_.run.FetchedHeadHtml.find("<p>"), std::string::npos);
  EXPECT_EQ(pump_.cursors.back(), BusyCursor::Off);

  // Again: the history keeps one entry; a text that is no web URL changes nothing.
  engine_.sbDLNavigateClick();
  EXPECT_EQ(engine_.tab.ComboBoxWBUrlItems.size(), 1u);
  engine_.tab.ComboBoxWBUrl = "not a url";
  engine_.sbDLNavigateClick();
  EXPECT_EQ(browser_.navigations.size(), 2u);
}

TEST_F(NavigateCommands, ClicksFollowTheHoveredLinkOnlyWithTheOption) {
  const std::string link = "http://example.com/next.html";
  engine_.DLBaseStatusText(link);
  EXPECT_EQ(engine_.tab.StatusBarDLBaseBrowser[2], " [ " + link + " ]");
  EXPECT_FALSE(engine_.DLBaseDocOnClick());
  EXPECT_TRUE(browser_.navigations.empty());  // the option is off: a click does nothing

  engine_.tab.CheckBoxDLWebChageUrl = true;
  EXPECT_FALSE(engine_.DLBaseDocOnClick());
  EXPECT_EQ(browser_.navigations, std::vector<std::string>{link});
  EXPECT_EQ(engine_.tab.ComboBoxWBUrl, link);
  EXPECT_EQ(engine_.tab.WindowCaption, Sjis("HRAVEXA 【 ") + link + Sjis(" 】"));

  // The pointer left the link: a click follows nothing.
  engine_.DLBaseStatusText("");
  EXPECT_FALSE(engine_.DLBaseDocOnClick());
  EXPECT_EQ(browser_.navigations.size(), 1u);
}

TEST_F(NavigateCommands, ResultBrowserClicksFollowOnlyWithItsOwnOption) {
  const std::string link = "file://" + folder_ + "sub/page.html";
  engine_.DLResultStatusText(link);
  EXPECT_EQ(engine_.tab.StatusBarDLBaseBrowser[3], " [ " + folder_ + "sub/page.html ]");
  engine_.tab.CheckBoxDLWebChageUrl = true;  // the download browser's option is not this one
  EXPECT_FALSE(engine_.DLLocalDocOnClick());
  EXPECT_TRUE(result_.navigations.empty());
  engine_.tab.CheckBoxDLLocalChageUrl = true;
  EXPECT_FALSE(engine_.DLLocalDocOnClick());
  EXPECT_EQ(result_.navigations, std::vector<std::string>{link});
  EXPECT_TRUE(browser_.navigations.empty());
}

TEST_F(NavigateCommands, TheUrlBoxResetsTheTabUnlessTheUserTyped) {
  engine_.tab.BtnEditWBLocalFilename = "/tmp/x.html";
  engine_.ComboBoxWBUrlKeyDown();
  engine_.ComboBoxWBUrlChange();
  EXPECT_EQ(engine_.tab.BtnEditWBLocalFilename, "/tmp/x.html");
  engine_.sbDLNavigateClick();  // the navigation makes the text the program's again
  engine_.ComboBoxWBUrlChange();
  EXPECT_EQ(engine_.tab.BtnEditWBLocalFilename, "");
  EXPECT_EQ(engine_.tab.BtnEditWBPageSaveFolder, "");
}

TEST_F(NavigateCommands, InnerHtmlDecodeAndClear) {
  browser_.document = "<html><body><p>live</p></body></html>";
  engine_.sbDLGetInnerHTMLClick();
  EXPECT_NE(engine_.tab.RichEditExPGTab02RTab04PDownload.find("<p>live</p>"), std::string::npos);
  EXPECT_EQ(engine_.tab.RightTabShown, "PGTab02RTab04PDownload");

  engine_.tab.ComboBoxWBUrl = "http://example.com/%E6%97%A5.html";
  engine_.tab.RadioGroupDLUrlWebDecode = 1;  // hexadecimal UTF-8
  engine_.sbDLDecodeUrlClick();
  EXPECT_EQ(engine_.tab.WindowCaption, Sjis("HRAVEXA[ http://example.com/日.html ]"));

  dialogs_.choices = {"/tmp/chosen"};
  engine_.btnHTMLPageSaveFolderClick();
  EXPECT_EQ(engine_.tab.BtnEditWBPageSaveFolder, "/tmp/chosen/");
  engine_.btnHTMLPageSaveFolderClick();  // cancelled: nothing changes
  EXPECT_EQ(engine_.tab.BtnEditWBPageSaveFolder, "/tmp/chosen/");

  engine_.tab.EditDLSaveFilename = "name";
  engine_.sbDLFolderlClearClick();
  EXPECT_EQ(engine_.tab.BtnEditWBPageSaveFolder, "");
  EXPECT_EQ(engine_.tab.EditDLSaveFilename, "");
  EXPECT_EQ(engine_.tab.EditTopPageHTMLFilename, "");
  EXPECT_TRUE(engine_.tab.btnDownloadAllEnabled);
}

}  // namespace
}  // namespace pellucor

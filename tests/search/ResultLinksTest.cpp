#include <gtest/gtest.h>

#include "search/NetSearchFixture.h"
#include "support/Iconv.h"

namespace pellucor::testing {
namespace {

TEST_F(NetSearchTest, CapturingTheLinkUnderTheMouse) {
  struct Case {
    const char* name;
    std::string status;
    std::string captured;  // empty: the earlier link stays
  } cases[] = {
      {"a page", "http://example.com/a.html", "http://example.com/a.html"},
      {"a Google redirect link decodes to its target",
       "https://www.google.co.jp/url?q=http://example.com/b.html&sa=U&ei=x",
       "http://example.com/b.html"},
      {"an empty text", "", ""},
      {"a document is not followed", "http://example.com/paper.pdf", ""},
      {"a mail address", "mailto:a@example.com", ""},
      {"a progress message", Sjis("ページが表示されました"), ""},
      {"not a web URL", "ftp://example.com/", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    search.LastLinkBase = "earlier";
    search.LastLinkTarget = "earlier";
    tab.StatusBarNSBase[2] = "before";
    search.WebBrowserNSBaseStatusTextChange(c.status);
    search.WebBrowserNSTargetStatusTextChange(c.status);
    const std::string expected = c.captured.empty() ? "earlier" : c.captured;
    EXPECT_EQ(search.LastLinkBase, expected);
    EXPECT_EQ(search.LastLinkTarget, expected);
    EXPECT_EQ(tab.StatusBarNSBase[2], c.captured.empty() ? "before" : " [ " + c.captured + " ]");
    if (!c.captured.empty()) {
      EXPECT_EQ(tab.StatusBarNStarget[2], " [ " + c.captured + " ]");
    }
  }
}

TEST_F(NetSearchTest, AGoogleLinkWithoutItsEndMarkerCapturesNothing) {
  search.WebBrowserNSBaseStatusTextChange("https://www.google.co.jp/url?q=http://example.com/");
  EXPECT_EQ(search.LastLinkBase, "");
  EXPECT_FALSE(search.NSBaseDocOnClick());
  EXPECT_TRUE(target.navigations.empty());
  EXPECT_TRUE(downloadTab.takenOver.empty());
}

TEST_F(NetSearchTest, ClickInTheResultList) {
  struct Case {
    const char* name;
    std::string hovered;
    std::vector<std::string> baseNavigations;
    std::vector<std::string> targetNavigations;
    std::vector<std::string> handedOver;
  } cases[] = {
      {"a result opens in the target browser and goes to the download tab",
       "http://example.com/a.html",
       {},
       {"http://example.com/a.html"},
       {"http://example.com/a.html"}},
      {"a further Yahoo result page stays in the result list",
       "http://search.yahoo.co.jp/search?p=x&start=101",
       {"http://search.yahoo.co.jp/search?p=x&start=101"},
       {},
       {"http://search.yahoo.co.jp/search?p=x&start=101"}},
      {"a script link is shown but not handed over",
       "http://example.com/javascript.html",
       {},
       {"http://example.com/javascript.html"},
       {}},
      {"a document does nothing", "http://example.com/paper.pdf", {}, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    base.navigations.clear();
    target.navigations.clear();
    downloadTab.takenOver.clear();
    search.LastLinkBase.clear();
    search.WebBrowserNSBaseStatusTextChange(c.hovered);
    EXPECT_FALSE(search.NSBaseDocOnClick());
    EXPECT_EQ(base.navigations, c.baseNavigations);
    EXPECT_EQ(target.navigations, c.targetNavigations);
    EXPECT_EQ(downloadTab.takenOver, c.handedOver);
    if (!c.handedOver.empty()) {
      EXPECT_EQ(tab.ComboBoxNSTargetUrl, c.handedOver.front());
    }
  }
}

TEST_F(NetSearchTest, AClickAnywhereActsOnTheLastHoveredLink) {
  search.WebBrowserNSBaseStatusTextChange("http://example.com/a.html");
  search.WebBrowserNSBaseStatusTextChange(Sjis("ページが表示されました"));
  EXPECT_FALSE(search.NSBaseDocOnClick());
  EXPECT_FALSE(search.NSBaseDocOnClick());
  EXPECT_EQ(target.navigations,
            (std::vector<std::string>{"http://example.com/a.html", "http://example.com/a.html"}));
}

TEST_F(NetSearchTest, ClickInTheTargetBrowser) {
  search.WebBrowserNSTargetStatusTextChange("http://example.com/next.html");
  EXPECT_FALSE(search.NSTargetDocOnClick());
  EXPECT_EQ(newWindow.navigations, std::vector<std::string>{"http://example.com/next.html"});
  EXPECT_EQ(tab.EditNSNewWindowsUrl, "http://example.com/next.html");
  EXPECT_EQ(tab.EditPGTab01LTab03BrowserNewWindow, "http://example.com/next.html");
  EXPECT_EQ(downloadTab.urlBox, "http://example.com/next.html");
  EXPECT_EQ(tab.SubTabShown, Sjis(" 新規ｳｨﾝﾄﾞｳ "));
  EXPECT_TRUE(downloadTab.takenOver.empty());

  // A script link is shown but does not go into the URL box of the list.
  tab.EditNSNewWindowsUrl = "kept";
  search.WebBrowserNSTargetStatusTextChange("http://example.com/java/x.html");
  search.NSTargetDocOnClick();
  EXPECT_EQ(tab.EditNSNewWindowsUrl, "kept");
  EXPECT_EQ(newWindow.navigations.back(), "http://example.com/java/x.html");

  // Without a followable link nothing happens.
  newWindow.navigations.clear();
  search.LastLinkTarget = "http://example.com/a.zip";
  EXPECT_FALSE(search.NSTargetDocOnClick());
  EXPECT_TRUE(newWindow.navigations.empty());
}

TEST_F(NetSearchTest, NewWindowsOpenInTheSameBrowserOnceItIsLoaded) {
  struct Case {
    const char* name;
    std::string stored;
    BrowserReadyState state;
    NewWindowAction action;
    std::string shown;
  } cases[] = {
      {"loaded", "http://example.com/a.html", BrowserReadyState::Complete,
       NewWindowAction::OpenInSameBrowser, "http://example.com/a.html"},
      {"still loading", "http://example.com/a.html", BrowserReadyState::Loading,
       NewWindowAction::Cancel, "http://example.com/a.html"},
      {"a Google redirect to an http address is shortened",
       "https://www.google.co.jp/url?q=http://example.com/b.html", BrowserReadyState::Complete,
       NewWindowAction::OpenInSameBrowser, "http://example.com/b.html"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    target.navigations.clear();
    downloadTab.takenOver.clear();
    search.LastLinkBase = c.stored;
    EXPECT_EQ(search.WebBrowserNSBaseNewWindow2(c.state), c.action);
    EXPECT_EQ(search.LastLinkBase, c.shown);
    EXPECT_EQ(target.navigations, std::vector<std::string>{c.shown});
    EXPECT_EQ(downloadTab.takenOver, std::vector<std::string>{c.shown});

    // The target browser hands the page over without showing it itself.
    target.navigations.clear();
    downloadTab.takenOver.clear();
    tab.EditNSNewWindowsUrl.clear();
    search.LastLinkTarget = c.stored;
    EXPECT_EQ(search.WebBrowserNSTargetNewWindow2(c.state), c.action);
    EXPECT_EQ(search.LastLinkTarget, c.shown);
    EXPECT_TRUE(target.navigations.empty());
    EXPECT_EQ(downloadTab.takenOver, std::vector<std::string>{c.shown});
    // The target browser's URL box gets the redirect link before it is shortened.
    EXPECT_EQ(tab.EditNSNewWindowsUrl, c.stored == c.shown ? "" : c.stored);
  }
}

TEST_F(NetSearchTest, ANewWindowWithoutACapturedLinkHandsNothingOver) {
  EXPECT_EQ(search.WebBrowserNSBaseNewWindow2(BrowserReadyState::Complete),
            NewWindowAction::OpenInSameBrowser);
  EXPECT_EQ(search.WebBrowserNSTargetNewWindow2(BrowserReadyState::Loading),
            NewWindowAction::Cancel);
  EXPECT_TRUE(target.navigations.empty());
  EXPECT_TRUE(downloadTab.takenOver.empty());
}

TEST_F(NetSearchTest, PaneCommands) {
  tab.ComboBoxNSTargetUrl = "  http://example.com/t.html ";
  search.sbNSGoClick();
  EXPECT_EQ(target.navigations, std::vector<std::string>{"http://example.com/t.html"});
  EXPECT_EQ(downloadTab.urlBox, "http://example.com/t.html");

  search.sbNSTargrtOpenIEClick();
  tab.EditNSNewWindowsUrl = "http://example.com/n.html";
  search.sbPGSearchTabLeftTopOpenIEClick();
  tab.EditNSNewWindowsUrl = "not a url";
  search.sbPGSearchTabLeftTopOpenIEClick();
  EXPECT_EQ(launcher.opened, (std::vector<std::string>{"viewer http://example.com/t.html",
                                                       "viewer http://example.com/n.html"}));

  search.sbNSPCOPYClick();
  EXPECT_EQ(clipboard.Text(), "  http://example.com/t.html ");
  tab.ComboBoxNSTargetUrl.clear();
  search.sbNSPCOPYClick();
  EXPECT_EQ(clipboard.history.size(), 1u);

  clipboard.SetText("C:/local/file.html");
  search.sbNSPasteClick();
  EXPECT_EQ(tab.ComboBoxNSTargetUrl, "");
  clipboard.SetText(" https://example.com/p \r\n");
  search.sbNSPasteClick();
  EXPECT_EQ(tab.ComboBoxNSTargetUrl, "https://example.com/p");

  tab.ComboBoxNSTargetUrl = "no url";
  search.sbNSGoClick();
  EXPECT_EQ(target.navigations.size(), 1u);
}

}  // namespace
}  // namespace pellucor::testing

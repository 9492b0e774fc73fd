#include "flash/FlashPlayer.h"

#include <gtest/gtest.h>

#include "flash/FlashPage.h"
#include "support/FakeBrowser.h"
#include "support/FakeDialogs.h"
#include "support/FakeTextView.h"
#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::FakeBrowser;
using testing::FakeDialogs;
using testing::FakeTextView;
using testing::Sjis;

class FlashPlayerTest : public ::testing::Test {
 protected:
  FakeDialogs dialogs;
  FakeBrowser browser;
  FakeTextView view;
  std::vector<std::chrono::milliseconds> pauses;
  FlashPlayer player{FlashPlayerHost{
      dialogs, browser, view, [this](std::chrono::milliseconds time) { pauses.push_back(time); }}};
  FlashPlayerTab& tab = player.tab;
};

TEST_F(FlashPlayerTest, PlayingWritesThePageListsThePathAndShowsTheSource) {
  struct Case {
    const char* name;
    std::string path;
    std::string movie;
  } cases[] = {
      {"backslashes become slashes", "C:\\movies\\a.swf", "C:/movies/a.swf"},
      {"the second byte of a double-byte character stays", Sjis("C:\\ソフト\\表示.swf"),
       Sjis("C:/ソフト/表示.swf")},
      {"a POSIX path", "/home/user/a.swf", "/home/user/a.swf"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tab = {};
    player.FlashPlayerGo(c.path);
    const std::string page = MakeFlashHTML(c.movie);
    EXPECT_NE(page.find("value=\"" + c.movie + "\""), std::string::npos);
    EXPECT_EQ(browser.written, page);
    EXPECT_EQ(tab.ListBoxPGMainTab04FlushPlayer, std::vector<std::string>{c.path});
    // The source view holds the page, coloured.
    EXPECT_EQ(view.text, page);
    EXPECT_FALSE(view.runs.empty());
    // The movie itself cannot play here, and the status text says so.
    EXPECT_NE(tab.StatusText.find(Sjis("再生できません")), std::string::npos);
  }
  EXPECT_TRUE(pauses.empty());
  EXPECT_TRUE(browser.navigations.empty());
}

TEST_F(FlashPlayerTest, ClearingBeforeEachMovie) {
  struct Case {
    const char* name;
    bool clear;
    std::vector<std::string> list;
    std::vector<std::string> navigations;
    std::size_t pauses;
  } cases[] = {
      {"without clearing the paths pile up", false, {"/m/a.swf", "/m/b.swf"}, {}, 0},
      {"with clearing the list holds the new path only",
       true,
       {"/m/b.swf"},
       {"about:blank", "about:blank"},
       2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tab = {};
    browser.navigations.clear();
    pauses.clear();
    tab.CheckBoxFlushPlayer = c.clear;
    player.FlashPlayerGo("/m/a.swf");
    player.FlashPlayerGo("/m/b.swf");
    EXPECT_EQ(tab.ListBoxPGMainTab04FlushPlayer, c.list);
    EXPECT_EQ(browser.navigations, c.navigations);
    EXPECT_EQ(pauses,
              std::vector<std::chrono::milliseconds>(c.pauses, std::chrono::milliseconds(1000)));
    EXPECT_EQ(browser.written, MakeFlashHTML("/m/b.swf"));
  }
}

TEST_F(FlashPlayerTest, OpenButtons) {
  // A cancelled dialog does nothing.
  player.sbFlashPlayerOpenClick();
  player.sbFlashPlayerOpenGoClick();
  EXPECT_EQ(dialogs.shown.size(), 2u);
  EXPECT_TRUE(tab.ListBoxPGMainTab04FlushPlayer.empty());
  EXPECT_TRUE(browser.written.empty());

  dialogs.choices.push_back(std::string("/m/chosen.swf"));
  player.sbFlashPlayerOpenClick();
  EXPECT_EQ(tab.BtnEditLocalFlashPlayer, "/m/chosen.swf");
  EXPECT_EQ(browser.written, MakeFlashHTML("/m/chosen.swf"));

  // The go button plays the trimmed field without asking.
  tab.BtnEditLocalFlashPlayer = "  /m/typed.swf \t";
  player.sbFlashPlayerOpenGoClick();
  EXPECT_EQ(dialogs.shown.size(), 3u);
  EXPECT_EQ(tab.ListBoxPGMainTab04FlushPlayer.back(), "/m/typed.swf");

  // An empty field asks, and the choice goes into the field.
  tab.BtnEditLocalFlashPlayer = " ";
  dialogs.choices.push_back(std::string("/m/asked.swf"));
  player.sbFlashPlayerOpenGoClick();
  EXPECT_EQ(dialogs.shown.size(), 4u);
  EXPECT_EQ(tab.BtnEditLocalFlashPlayer, "/m/asked.swf");
  EXPECT_EQ(tab.ListBoxPGMainTab04FlushPlayer.back(), "/m/asked.swf");
}

TEST_F(FlashPlayerTest, StopLeavesEverythingEmpty) {
  player.FlashPlayerGo("/m/a.swf");
  player.sbFlashPlayerStopClick();
  EXPECT_EQ(browser.LocationUrl(), "about:blank");
  EXPECT_EQ(browser.written, "");
  EXPECT_TRUE(tab.ListBoxPGMainTab04FlushPlayer.empty());
  EXPECT_EQ(view.text, "");
}

TEST_F(FlashPlayerTest, CurrentDocumentIsFormattedAndColoured) {
  browser.document = "<HTML><BODY>\r\n\r\n<P>x</P></BODY></HTML>";
  player.sbFlashInnerHTMLGetClick();
  EXPECT_NE(view.text.find("<p>x</p>"), std::string::npos) << view.text;
  EXPECT_EQ(view.text.find("\r\n\r\n"), std::string::npos);
  EXPECT_FALSE(view.runs.empty());
}

}  // namespace
}  // namespace pellucor

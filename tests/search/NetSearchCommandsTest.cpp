#include <gtest/gtest.h>

#include "search/NetSearchFixture.h"
#include "search/SearchQuery.h"
#include "support/Iconv.h"

namespace pellucor::testing {
namespace {

const std::string kGoogleJapan = "http://www.google.co.jp/search?as_q=";
const std::string kYahooJapan = "http://search.yahoo.co.jp/search?p=";
const std::string kYahooWorld = "http://search.yahoo.com/search?p=";

TEST_F(NetSearchTest, NewGoogleSearch) {
  tab.ComboBoxSearchKeyWord = "abc  def";
  search.sbSearchGoogleClick();
  const std::string url =
      "http://www.google.co.jp/search?as_q=abc+def&num=100&hl=ja&ie=UTF-8&oe=UTF-8"
      "&btnG=Google+%E6%A4%9C%E7%B4%A2&as_epq=&as_oq=&as_eq=&lr=&as_ft=i&as_filetype="
      "&as_qdr=all&as_occt=any&as_dt=i&as_sitesearch=";
  EXPECT_EQ(tab.edNSUrl, url);
  EXPECT_EQ(base.navigations, std::vector<std::string>{url});
  EXPECT_EQ(target.navigations, std::vector<std::string>{"about:blank"});
  EXPECT_EQ(search.SearchStart, 1);
  EXPECT_EQ(tab.SpinEditNSSearch, 1);
  EXPECT_EQ(search.SearchEngine, SearchEngine::Google);
  // The history gets the collapsed keyword, the highlight boxes the trimmed one.
  EXPECT_EQ(tab.ComboBoxSearchKeyWordItems, std::vector<std::string>{"abc def"});
  EXPECT_EQ(tab.edSearchAndHighlight, "abc  def");
  EXPECT_EQ(tab.edDLTargetSearchAndHighlight, "abc  def");
  EXPECT_EQ(tab.SubTabShown, Sjis(" メイン "));
}

TEST_F(NetSearchTest, NewYahooSearch) {
  tab.ComboBoxSearchKeyWord = "abc  def";
  tab.RadioGroupIMEMode = 1;
  search.sbSearchYahooClick();
  const std::string url = kYahooWorld + "abc+def" + "&aq=-1&oq=&ei=UTF-8&fr=top_ga1_sa&x=wrt";
  EXPECT_EQ(tab.edNSUrl, url);
  EXPECT_EQ(base.navigations, std::vector<std::string>{url});
  EXPECT_EQ(search.YahooBase, kYahooWorld);
  EXPECT_EQ(search.SearchEngine, SearchEngine::Yahoo);
  // The history gets the keyword as typed, the highlight boxes the collapsed one.
  EXPECT_EQ(tab.ComboBoxSearchKeyWordItems, std::vector<std::string>{"abc  def"});
  EXPECT_EQ(tab.edSearchAndHighlight, "abc def");
  EXPECT_EQ(tab.edDLTargetSearchAndHighlight, "abc def");
}

TEST_F(NetSearchTest, AKeywordThatIsAUrlOfTheDownloadHistoryStaysOutOfTheKeywordHistory) {
  downloadTab.history = {"HTTP://EXAMPLE.COM/"};
  tab.ComboBoxSearchKeyWord = "http://example.com/";
  search.sbSearchGoogleClick();
  search.sbSearchYahooClick();
  EXPECT_TRUE(tab.ComboBoxSearchKeyWordItems.empty());
  EXPECT_EQ(base.navigations.size(), 2u);
}

TEST_F(NetSearchTest, PagingAsksForTheNext100) {
  struct Step {
    const char* name;
    void (NetSearch::*button)();
    int start;
    std::string url;  // empty: no navigation
  };
  const std::string google = kGoogleJapan + "abc";
  const std::string yahoo = kYahooJapan + "abc";
  const struct {
    const char* name;
    std::vector<Step> steps;
  } sequences[] = {
      {"Google",
       {{"search", &NetSearch::sbSearchGoogleClick, 1, {}},
        {"next", &NetSearch::btnSearchNextClick, 101,
         google + PagingTail(SearchEngine::Google, 101)},
        {"next", &NetSearch::btnSearchNextClick, 201,
         google + PagingTail(SearchEngine::Google, 201)},
        {"previous", &NetSearch::btnSearchPrevClick, 101,
         google + PagingTail(SearchEngine::Google, 101)},
        {"previous", &NetSearch::btnSearchPrevClick, 1,
         google + PagingTail(SearchEngine::Google, 1)},
        {"previous at 1", &NetSearch::btnSearchPrevClick, 1, ""}}},
      {"Yahoo",
       {{"search", &NetSearch::sbSearchYahooClick, 1, {}},
        {"next", &NetSearch::btnSearchNextClick, 101,
         yahoo + "&aq=-1&ei=UTF-8&pstart=1&fr=ush-jp_full&b=101"},
        {"previous", &NetSearch::btnSearchPrevClick, 1,
         yahoo + "&aq=-1&ei=UTF-8&pstart=1&fr=ush-jp_full&b=1"},
        {"previous at 1", &NetSearch::btnSearchPrevClick, 1, ""}}},
      {"next before any search is a Google query from 100",
       {{"next", &NetSearch::btnSearchNextClick, 100,
         google + "&num=100&hl=ja&lr=&ie=UTF-8&oe=UTF-8&as_qdr=all&start=100&sa=N"}}},
  };
  for (const auto& sequence : sequences) {
    SCOPED_TRACE(sequence.name);
    NetSearch fresh{NetSearchHost{dialogs, clipboard, pump, launcher, base, target, newWindow, http,
                                  downloadTab, startupComplete}};
    fresh.tab.ComboBoxSearchKeyWord = "abc";
    for (const Step& step : sequence.steps) {
      SCOPED_TRACE(step.name);
      base.navigations.clear();
      (fresh.*step.button)();
      EXPECT_EQ(fresh.SearchStart, step.start);
      EXPECT_EQ(fresh.tab.SpinEditNSSearch, step.start);
      if (step.button == &NetSearch::sbSearchGoogleClick ||
          step.button == &NetSearch::sbSearchYahooClick)
        continue;
      if (step.url.empty()) {
        EXPECT_TRUE(base.navigations.empty());
      } else {
        EXPECT_EQ(base.navigations, std::vector<std::string>{step.url});
        EXPECT_EQ(fresh.tab.edNSUrl, step.url);
      }
    }
  }
}

TEST_F(NetSearchTest, PagingTakesTheKeywordAsItIsNow) {
  tab.ComboBoxSearchKeyWord = "abc";
  search.sbSearchGoogleClick();
  tab.ComboBoxSearchKeyWord = Sjis("あ b");
  tab.RadioGroupIMEMode = 1;
  search.btnSearchNextClick();
  EXPECT_EQ(tab.edNSUrl, "http://www.google.com/search?as_q=%e3%81%82%20b" +
                             PagingTail(SearchEngine::Google, 101));
  // The keyword history is only touched by new searches.
  EXPECT_EQ(tab.ComboBoxSearchKeyWordItems, std::vector<std::string>{"abc"});
}

TEST_F(NetSearchTest, ABlankKeywordBoxMakesEverySearchButtonDoNothing) {
  using Button = void (NetSearch::*)();
  for (Button button : {&NetSearch::sbSearchGoogleClick, &NetSearch::sbSearchYahooClick,
                        &NetSearch::btnSearchNextClick, &NetSearch::btnSearchPrevClick}) {
    tab.ComboBoxSearchKeyWord = Sjis(" \t ");
    (search.*button)();
  }
  search.ComboBoxSearchKeyWordKeyDown(KeywordKey::Return);
  EXPECT_TRUE(base.navigations.empty());
  EXPECT_TRUE(target.navigations.empty());
  EXPECT_EQ(search.SearchStart, 0);
  EXPECT_TRUE(tab.edNSUrl.empty());
  EXPECT_TRUE(tab.ComboBoxSearchKeyWordItems.empty());
}

TEST_F(NetSearchTest, KeywordButtons) {
  // Return and paste run Yahoo; the example buttons copy the example keyword first.
  tab.ComboBoxSearchKeyWord = "abc";
  search.ComboBoxSearchKeyWordKeyDown(KeywordKey::Other);
  EXPECT_TRUE(base.navigations.empty());
  search.ComboBoxSearchKeyWordKeyDown(KeywordKey::Return);
  EXPECT_EQ(search.SearchEngine, SearchEngine::Yahoo);

  clipboard.SetText("pasted");
  search.sbSearchPasteClick();
  EXPECT_EQ(tab.ComboBoxSearchKeyWord, "pasted");
  EXPECT_TRUE(base.navigations.back().starts_with(kYahooJapan + "pasted&"));

  search.sbNSDescGoogleClick();
  EXPECT_EQ(tab.ComboBoxSearchKeyWord, Sjis("ベートーヴェン　第９　カラヤン"));
  EXPECT_EQ(search.SearchEngine, SearchEngine::Google);
  EXPECT_EQ(tab.edSearchAndHighlight, Sjis("ベートーヴェン　第９　カラヤン"));
  search.sbNSDecsYahooClick();
  EXPECT_EQ(search.SearchEngine, SearchEngine::Yahoo);
  EXPECT_EQ(tab.edSearchAndHighlight, Sjis("ベートーヴェン 第９ カラヤン"));

  search.sbSearchClearClick();
  EXPECT_EQ(tab.ComboBoxSearchKeyWord, "");
  EXPECT_EQ(tab.FocusedControl, "ComboBoxSearchKeyWord");
}

TEST_F(NetSearchTest, UrlBoxButtons) {
  clipboard.SetText("not a url");
  search.sbNetSearchGoPasteClick();
  EXPECT_EQ(tab.edNSUrl, "");
  search.sbNetSearchGoClick();
  EXPECT_TRUE(base.navigations.empty());

  clipboard.SetText("http://example.com/a");
  search.sbNetSearchGoPasteClick();
  EXPECT_EQ(tab.edNSUrl, "http://example.com/a");
  search.sbNetSearchGoClick();
  EXPECT_EQ(base.navigations, std::vector<std::string>{"http://example.com/a"});

  search.sbNetSearchStopClick();
  EXPECT_EQ(target.navigations, std::vector<std::string>{"about:blank"});
}

TEST_F(NetSearchTest, InputMethodFollowsTheMode) {
  struct Case {
    const char* name;
    bool started;
    int mode;
    KeywordInputMethod method;
    std::string keywordAfter;
  } cases[] = {
      {"Japanese", true, 0, KeywordInputMethod::JapaneseHiragana, ""},
      {"English", true, 1, KeywordInputMethod::Disabled, ""},
      {"before the end of start-up nothing changes", false, 1, KeywordInputMethod::JapaneseHiragana,
       "kept"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tab = {};
    tab.ComboBoxSearchKeyWord = "kept";
    startupComplete = c.started;
    tab.RadioGroupIMEMode = c.mode;
    search.RadioGroupIMEModeClick();
    EXPECT_EQ(tab.ComboBoxSearchKeyWordInputMethod, c.method);
    EXPECT_EQ(tab.ComboBoxSearchKeyWord, c.keywordAfter);
    // Entering or clicking the box sets the same method, the keyword stays.
    tab.ComboBoxSearchKeyWordInputMethod = KeywordInputMethod::JapaneseHiragana;
    tab.ComboBoxSearchKeyWord = "typed";
    search.ComboBoxSearchKeyWordEnter();
    EXPECT_EQ(tab.ComboBoxSearchKeyWordInputMethod, c.method);
    tab.ComboBoxSearchKeyWordInputMethod = KeywordInputMethod::JapaneseHiragana;
    search.ComboBoxSearchKeyWordClick();
    EXPECT_EQ(tab.ComboBoxSearchKeyWordInputMethod, c.method);
    EXPECT_EQ(tab.ComboBoxSearchKeyWord, "typed");
  }
}

}  // namespace
}  // namespace pellucor::testing

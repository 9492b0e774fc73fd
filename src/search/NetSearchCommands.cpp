// The net search tab's queries: new searches on Google and Yahoo! JAPAN, paging by 100
// results, and the keyword box.
#include "search/NetSearch.h"
#include "search/SearchQuery.h"
#include "text/CodePage932.h"
#include "text/TextTrim.h"
#include "web/UrlKinds.h"

namespace pellucor {
namespace {

constexpr int kResultsPerPage = 100;
constexpr std::string_view kKeywordBox = "ComboBoxSearchKeyWord";

bool IsKnownMode(int mode) {
  return mode == 0 || mode == 1;
}

}  // namespace

void NetSearch::ShowSubTab(std::string_view utf8Caption) {
  tab.SubTabShown = SjisFromUtf8Literal(utf8Caption);
}

void NetSearch::StartNewSearch(pellucor::SearchEngine engine) {
  const std::optional<SearchKeyword> keyword = PrepareSearchKeyword(tab.ComboBoxSearchKeyWord);
  if (!keyword) return;
  // Google keeps the keyword as it was sent, Yahoo as it was typed; a text that is already a
  // URL of the download tab's history does not go into the keyword history.
  const std::string& historyEntry =
      engine == pellucor::SearchEngine::Google ? keyword->collapsed : keyword->trimmed;
  if (!host_.downloadTab.UrlHistoryContains(historyEntry))
    tab.ComboBoxSearchKeyWordItems.push_back(historyEntry);

  SearchStart = 1;
  tab.SpinEditNSSearch = SearchStart;
  SearchEngine = engine;
  const int mode = tab.RadioGroupIMEMode;
  std::string url;
  if (engine == pellucor::SearchEngine::Google) {
    url = std::string(TrimControlChars(SearchPrefix(engine, mode) + keyword->encoded +
                                       std::string(NewSearchTail(engine, mode))));
    tab.edSearchAndHighlight = keyword->trimmed;
    tab.edDLTargetSearchAndHighlight = keyword->trimmed;
  } else {
    if (IsKnownMode(mode)) YahooBase = SearchPrefix(engine, mode);
    YahooTail = std::string(kYahooNewSearchTail);
    url = YahooBase + keyword->encoded + YahooTail;
    tab.edSearchAndHighlight = keyword->collapsed;
    tab.edDLTargetSearchAndHighlight = keyword->collapsed;
  }
  tab.edNSUrl = url;
  host_.baseBrowser.Navigate(url);
  host_.targetBrowser.Navigate("about:blank");
  ShowSubTab(search_messages::kMainSubTab);
}

void NetSearch::PageBy(int step) {
  const std::optional<SearchKeyword> keyword = PrepareSearchKeyword(tab.ComboBoxSearchKeyWord);
  if (!keyword) return;
  SearchStart += step;
  if (SearchStart < 0) {
    SearchStart = 1;
    tab.SpinEditNSSearch = SearchStart;
    return;
  }
  const int mode = tab.RadioGroupIMEMode;
  if (SearchEngine == pellucor::SearchEngine::Yahoo) {
    if (IsKnownMode(mode)) YahooBase = SearchPrefix(SearchEngine, mode);
    const std::string url =
        YahooBase + keyword->encoded + PagingTail(pellucor::SearchEngine::Yahoo, SearchStart);
    host_.baseBrowser.Navigate(url);
    tab.edNSUrl = url;
  } else {
    const std::string url = SearchPrefix(pellucor::SearchEngine::Google, mode) + keyword->encoded +
                            PagingTail(pellucor::SearchEngine::Google, SearchStart);
    tab.edNSUrl = url;
    host_.baseBrowser.Navigate(url);
  }
  tab.SpinEditNSSearch = SearchStart;
  ShowSubTab(search_messages::kMainSubTab);
}

void NetSearch::sbSearchGoogleClick() {
  StartNewSearch(pellucor::SearchEngine::Google);
}

void NetSearch::sbSearchYahooClick() {
  StartNewSearch(pellucor::SearchEngine::Yahoo);
}

void NetSearch::btnSearchNextClick() {
  PageBy(kResultsPerPage);
}

void NetSearch::btnSearchPrevClick() {
  PageBy(-kResultsPerPage);
}

void NetSearch::ComboBoxSearchKeyWordKeyDown(KeywordKey key) {
  if (key == KeywordKey::Return) sbSearchYahooClick();
}

void NetSearch::sbSearchPasteClick() {
  tab.ComboBoxSearchKeyWord = host_.clipboard.Text();
  tab.FocusedControl = kKeywordBox;
  sbSearchYahooClick();
}

void NetSearch::sbSearchClearClick() {
  tab.ComboBoxSearchKeyWord.clear();
  tab.FocusedControl = kKeywordBox;
}

void NetSearch::sbNSDecsYahooClick() {
  tab.ComboBoxSearchKeyWord = tab.ComboBoxDesc;
  sbSearchYahooClick();
}

void NetSearch::sbNSDescGoogleClick() {
  tab.ComboBoxSearchKeyWord = tab.ComboBoxDesc;
  sbSearchGoogleClick();
}

void NetSearch::sbNetSearchGoClick() {
  if (IsWebUrl(tab.edNSUrl)) host_.baseBrowser.Navigate(tab.edNSUrl);
}

void NetSearch::sbNetSearchGoPasteClick() {
  const std::string text = host_.clipboard.Text();
  if (IsWebUrl(text)) tab.edNSUrl = text;
}

void NetSearch::sbNetSearchStopClick() {
  host_.targetBrowser.Navigate("about:blank");
}

void NetSearch::SetKeywordInputMethod() {
  if (tab.RadioGroupIMEMode == 0) {
    tab.ComboBoxSearchKeyWordInputMethod = KeywordInputMethod::JapaneseHiragana;
  } else if (tab.RadioGroupIMEMode == 1) {
    tab.ComboBoxSearchKeyWordInputMethod = KeywordInputMethod::Disabled;
  }
}

void NetSearch::RadioGroupIMEModeClick() {
  if (!host_.startupComplete) return;
  tab.ComboBoxSearchKeyWord.clear();
  SetKeywordInputMethod();
  tab.FocusedControl = kKeywordBox;
}

void NetSearch::ComboBoxSearchKeyWordEnter() {
  if (host_.startupComplete) SetKeywordInputMethod();
}

void NetSearch::ComboBoxSearchKeyWordClick() {
  if (host_.startupComplete) SetKeywordInputMethod();
}

}  // namespace pellucor

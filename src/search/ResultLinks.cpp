// The links of the net search's browsers: capturing the link under the mouse, acting on a click,
// new windows, the hand-over to the download tab, and the commands of the two browser panes.
#include "search/NetSearch.h"
#include "text/ShiftJis.h"
#include "text/TextTrim.h"
#include "web/ResultLink.h"
#include "web/UrlKinds.h"

namespace pellucor {
namespace {

constexpr std::string_view kRedirectQuery = "/url?q=";

// The link a browser reports under the mouse, decoded to its target; nullopt for texts that
// are no link to follow (empty, a document or mail address, a progress message).
std::optional<std::string> CapturedLink(std::string_view statusText) {
  if (statusText.empty() || !IsFollowableLink(statusText) || !IsWebUrl(statusText))
    return std::nullopt;
  return DecodeResultLink(statusText);
}

bool MentionsJava(std::string_view url) {
  return ContainsText(LowerCaseText(url), "java", CaseMode::Exact);
}

// A Google Japan redirect link whose target is a plain http address carries that address
// behind "/url?q=".
bool IsGoogleRedirectToHttp(std::string_view link) {
  return ContainsText(link, std::string(kGoogleJapanRedirectQ) + "http:", CaseMode::Exact);
}

std::string AfterRedirectQuery(std::string_view link) {
  const std::size_t at = FindText(link, kRedirectQuery, CaseMode::Exact);
  return std::string(link.substr(at + kRedirectQuery.size()));
}

}  // namespace

void NetSearch::WebBrowserNSBaseStatusTextChange(std::string_view text) {
  if (std::optional<std::string> link = CapturedLink(text)) {
    LastLinkBase = std::move(*link);
    tab.StatusBarNSBase[2] = " [ " + LastLinkBase + " ]";
  }
}

void NetSearch::WebBrowserNSTargetStatusTextChange(std::string_view text) {
  if (std::optional<std::string> link = CapturedLink(text)) {
    LastLinkTarget = std::move(*link);
    tab.StatusBarNStarget[2] = " [ " + LastLinkTarget + " ]";
  }
}

bool NetSearch::NSBaseDocOnClick() {
  if (LastLinkBase.empty() || !IsFollowableLink(LastLinkBase)) return false;
  LastLinkBase = DecodeResultLink(LastLinkBase);
  // A link that decodes to nothing has no page to show or hand over.
  if (LastLinkBase.empty()) return false;
  // A further page of Yahoo's results stays in the result list.
  if (ContainsText(LastLinkBase, kYahooJapanSearchHost, CaseMode::Exact) &&
      ContainsText(LastLinkBase, "start=", CaseMode::Exact)) {
    host_.baseBrowser.Navigate(LastLinkBase);
  } else {
    host_.targetBrowser.Navigate(LastLinkBase);
  }
  if (!MentionsJava(LastLinkBase)) NSProcessForDL(LastLinkBase);
  return false;
}

bool NetSearch::NSTargetDocOnClick() {
  if (LastLinkTarget.empty() || !IsFollowableLink(LastLinkTarget)) return false;
  if (!MentionsJava(LastLinkTarget)) tab.EditNSNewWindowsUrl = LastLinkTarget;
  ShowSubTab(search_messages::kNewWindowSubTab);
  host_.newWindowBrowser.Navigate(LastLinkTarget);
  tab.EditPGTab01LTab03BrowserNewWindow = LastLinkTarget;
  host_.downloadTab.SetUrlBoxText(LastLinkTarget);
  return false;
}

NewWindowAction NetSearch::WebBrowserNSBaseNewWindow2(BrowserReadyState state) {
  const NewWindowAction action = state == BrowserReadyState::Complete
                                     ? NewWindowAction::OpenInSameBrowser
                                     : NewWindowAction::Cancel;
  // Without a captured link there is no page to show or to hand over.
  if (LastLinkBase.empty()) return action;
  if (IsGoogleRedirectToHttp(LastLinkBase)) {
    LastLinkBase = AfterRedirectQuery(LastLinkBase);
    tab.EditNSNewWindowsUrl = LastLinkBase;
  }
  host_.targetBrowser.Navigate(LastLinkBase);
  NSProcessForDL(LastLinkBase);
  return action;
}

NewWindowAction NetSearch::WebBrowserNSTargetNewWindow2(BrowserReadyState state) {
  const NewWindowAction action = state == BrowserReadyState::Complete
                                     ? NewWindowAction::OpenInSameBrowser
                                     : NewWindowAction::Cancel;
  if (LastLinkTarget.empty()) return action;
  if (IsGoogleRedirectToHttp(LastLinkTarget)) {
    tab.EditNSNewWindowsUrl = LastLinkTarget;
    LastLinkTarget = AfterRedirectQuery(LastLinkTarget);
  }
  NSProcessForDL(LastLinkTarget);
  return action;
}

void NetSearch::NSProcessForDL(std::string_view url) {
  tab.ComboBoxNSTargetUrl = std::string(url);
  host_.downloadTab.TakeOverUrl(url);
}

void NetSearch::sbNSBaseBackClick() {
  host_.baseBrowser.GoBack();
}

void NetSearch::sbPGSearchTabLeftTopOpenIEClick() {
  const std::string_view url = TrimControlChars(tab.EditNSNewWindowsUrl);
  if (IsWebUrl(url)) OpenInHtmlViewer(host_.launcher, url);
}

void NetSearch::sbNSTargrtOpenIEClick() {
  const std::string_view url = TrimControlChars(tab.ComboBoxNSTargetUrl);
  if (IsWebUrl(url)) OpenInHtmlViewer(host_.launcher, url);
}

void NetSearch::sbNSGoClick() {
  const std::string url(TrimControlChars(tab.ComboBoxNSTargetUrl));
  if (!IsWebUrl(url)) return;
  host_.targetBrowser.Navigate(url);
  host_.downloadTab.SetUrlBoxText(url);
}

void NetSearch::sbNSPasteClick() {
  const std::string text = host_.clipboard.Text();
  const std::string_view url = TrimControlChars(text);
  if (IsWebUrl(url)) tab.ComboBoxNSTargetUrl = std::string(url);
}

void NetSearch::sbNSPCOPYClick() {
  if (!tab.ComboBoxNSTargetUrl.empty()) host_.clipboard.SetText(tab.ComboBoxNSTargetUrl);
}

}  // namespace pellucor

// The download tab's own commands around the page shown: navigate, clear the request boxes,
// take the browser's live document, decode the URL for the title; the URL box's events and the
// download browser's status text and clicks.
#include <algorithm>

#include "download/DownloadEngine.h"
#include "download/DownloadMessages.h"
#include "html/HtmlFormatter.h"
#include "html/HtmlScan.h"
#include "html/SaveCharset.h"
#include "text/CodePage932.h"
#include "text/ShiftJis.h"
#include "text/TextTrim.h"
#include "web/ResultLink.h"
#include "web/UrlDecode.h"
#include "web/UrlKinds.h"

namespace pellucor {

namespace messages = download_messages;

void DownloadEngine::sbDLNavigateClick() {
  std::string url(TrimControlChars(tab.ComboBoxWBUrl));
  std::erase(url, '\\');
  tab.ComboBoxWBUrl = url;
  // A URL pasted twice shows from its second "http://" on; the navigation takes it whole.
  if (const std::size_t first = url.find("http://"); first != std::string::npos) {
    if (const std::size_t second = url.find("http://", first + 7); second != std::string::npos)
      tab.ComboBoxWBUrl = url.substr(second);
  }
  const std::string folder(TrimControlChars(tab.BtnEditWBPageSaveFolder));
  run.UrlTypedByUser = false;
  host_.pump.SetBusyCursor(BusyCursor::On);
  if (!WBDLNavigate(url, folder, 0)) {
    host_.pump.SetBusyCursor(BusyCursor::Off);
    return;
  }
  // A redirect the browser has already followed becomes the URL of the box.
  const std::string location = host_.downloadBrowser.LocationUrl();
  if (location != url && location != "about:blank" && location.starts_with("http://")) {
    tab.ComboBoxWBUrl = location;
    run.LocalPageFile = location;
  }
  const std::string& formatted = tab.RichEditExPGTab02RTab02HTMLSrc;
  if (const std::string base = GetBaseHref(formatted); !base.empty()) {
    tab.LabelDownloadedFile =
        Message(messages::kBaseFoundOpen) + base + Message(messages::kBaseFoundClose);
  } else {
    tab.LabelDownloadedFile.clear();
  }
  tab.LabelDownloadedFileCount.clear();
  if (!tab.CheckBoxDontWebListClear) DLClearListBox(0);
  tab.EditPGTab02RTab07IndividualUrl = url;
  AddComboBoxURL();
  std::size_t body = FindText(formatted, "<BODY", CaseMode::Exact);
  if (body == std::string::npos) body = FindText(formatted, "<body", CaseMode::Exact);
  run.FetchedHeadHtml = HTMLToShiftJIS(formatted.substr(0, body)).text;
  tab.LeftTabShown = "PGTab02LTab01WB";
  tab.RightTabShown = "PGTab02RTab02HTMLSrc";
  host_.pump.SetBusyCursor(BusyCursor::Off);
}

void DownloadEngine::AddComboBoxURL() {
  const std::string url(TrimControlChars(tab.ComboBoxWBUrl));
  if (url.empty()) return;
  tab.ComboBoxWBUrl = url;
  auto& items = tab.ComboBoxWBUrlItems;
  const std::string lower = LowerAsciiBytes(url);
  if (std::none_of(items.begin(), items.end(),
                   [&](const std::string& item) { return LowerAsciiBytes(item) == lower; }))
    items.push_back(url);
  // A history read from an older settings file may hold an item twice: the first one stays.
  std::vector<std::string> distinct;
  for (std::string& item : items) {
    if (std::find(distinct.begin(), distinct.end(), item) == distinct.end())
      distinct.push_back(std::move(item));
  }
  items = std::move(distinct);
  host_.pump.SetBusyCursor(BusyCursor::Off);
  if (url.find("about:blank") == std::string::npos)
    tab.WindowCaption =
        Message(messages::kUrlCaptionOpen) + url + Message(messages::kUrlCaptionClose);
}

void DownloadEngine::sbDLFolderlClearClick() {
  for (std::string* box :
       {&tab.BtnEditWBPageSaveFolder, &tab.BtnEditWBLocalFilename, &tab.EditDLSaveFilename,
        &tab.EditTopPageHTMLFilename, &tab.EditDLTopDummyDirectory})
    box->clear();
  DLButtonEnable();
}

void DownloadEngine::btnHTMLPageSaveFolderClick() {
  std::string start(TrimControlChars(tab.BtnEditWBPageSaveFolder));
  if (start.empty()) start = run.LastSaveFolder;
  const std::optional<std::string> chosen =
      host_.dialogs.ChooseFolder(Message(messages::kChooseFolderTitle), start);
  if (!chosen || chosen->empty()) return;
  std::string folder = *chosen;
  if (!folder.ends_with('/')) folder += '/';
  tab.BtnEditWBPageSaveFolder = folder;
  run.LastSaveFolder = folder;
}

void DownloadEngine::sbDLGetInnerHTMLClick() {
  tab.RichEditExPGTab02RTab04PDownload =
      FormatHTMLSource(host_.downloadBrowser.DocumentOuterHtml());
  tab.RightTabShown = "PGTab02RTab04PDownload";
}

void DownloadEngine::sbDLDecodeUrlClick() {
  const std::string_view url = TrimControlChars(tab.ComboBoxWBUrl);
  if (url.empty()) return;
  tab.WindowCaption = Message(messages::kWindowCaptionOpen) +
                      DecodeUrlText(url, static_cast<UrlDecodeMode>(tab.RadioGroupDLUrlWebDecode)) +
                      Message(messages::kWindowCaptionClose);
}

void DownloadEngine::ComboBoxWBUrlKeyDown() {
  run.UrlTypedByUser = true;
}

void DownloadEngine::ComboBoxWBUrlChange() {
  if (run.UrlTypedByUser) return;
  DLClearListBox(0);
  DLClearEditText(0);
  DLClearLabel();
  tab.BtnEditWBPageSaveFolder.clear();
  tab.BtnEditWBLocalFilename.clear();
  tab.LeftTabShown = "PGTab02LTab01WB";
  tab.RightTabShown = "PGTab02RTab02HTMLSrc";
  host_.pump.ProcessPendingEvents();
}

void DownloadEngine::DLBaseStatusText(std::string_view text) {
  if (IsLinkStatusText(text)) {
    run.HoveredLink = std::string(text);
    tab.StatusBarDLBaseBrowser[2] = " [ " + std::string(text) + " ]";
  } else {
    run.HoveredLink.clear();
  }
}

bool DownloadEngine::DLBaseDocOnClick() {
  if (tab.CheckBoxDLWebChageUrl && !run.HoveredLink.empty() && IsFollowableLink(run.HoveredLink)) {
    const std::string link = run.HoveredLink;
    host_.downloadBrowser.Navigate(link);
    if (LowerAsciiBytes(link).starts_with("http://")) {
      tab.ComboBoxWBUrl = link;
      tab.WindowCaption =
          Message(messages::kDownloadCaptionOpen) + link + Message(messages::kDownloadCaptionClose);
    }
  }
  // The document never follows a click by itself: without the option a link does nothing.
  return false;
}

void DownloadEngine::DLResultStatusText(std::string_view text) {
  if (!IsLinkStatusText(text)) {
    run.ResultHoveredLink.clear();
    return;
  }
  run.ResultHoveredLink = std::string(text);
  // The panel shows a saved file's link as the file's path.
  std::string shown(text);
  if (shown.starts_with("file://")) shown.erase(0, 7);
  tab.StatusBarDLBaseBrowser[3] = " [ " + shown + " ]";
}

bool DownloadEngine::DLLocalDocOnClick() {
  if (tab.CheckBoxDLLocalChageUrl && !run.ResultHoveredLink.empty() &&
      IsFollowableLink(run.ResultHoveredLink))
    host_.resultBrowser.Navigate(run.ResultHoveredLink);
  return false;
}

}  // namespace pellucor

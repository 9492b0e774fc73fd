#include "analysis/LocalPageCheck.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "analysis/AnalysisMessages.h"
#include "analysis/ViewFile.h"
#include "html/HtmlFormatter.h"
#include "html/SaveCharset.h"
#include "ports/FileFilters.h"
#include "text/CodePage932.h"
#include "text/HtmlCharset.h"
#include "text/ShiftJis.h"
#include "text/TextFile.h"
#include "text/TextTrim.h"
#include "web/PageFiles.h"
#include "web/UrlKinds.h"

namespace pellucor {

namespace messages = analysis_messages;

namespace {

constexpr std::string_view kBlank = "about:blank";

// A status text or link as a path: the file URL's scheme goes, the folders keep their "/".
std::string AsPath(std::string_view text) {
  std::string path(text);
  for (std::size_t at = path.find("file://"); at != std::string::npos; at = path.find("file://"))
    path.erase(at, 7);
  return path;
}

}  // namespace

LocalPageCheck::LocalPageCheck(LocalPageHost host, LocalPageTab& tab)
    : host_(std::move(host)), tab_(tab) {}

std::optional<std::string> LocalPageCheck::AskForFile(std::string_view filter,
                                                      std::string_view current) {
  return host_.dialogs.ChooseOpenFile(DialogAtField(filter, current));
}

std::optional<std::string> LocalPageCheck::FieldOrChosenTextFile(std::string_view field) {
  std::string path(TrimControlChars(field));
  if (!path.empty()) return path;
  std::optional<std::string> chosen = AskForFile(file_filters::kTextFile, "");
  if (!chosen || chosen->empty()) return std::nullopt;
  return chosen;
}

std::optional<std::string> LocalPageCheck::ByPathRule(std::string& field) {
  std::string path(TrimControlChars(field));
  if (path.empty()) {
    const std::optional<std::string> chosen = AskForFile(file_filters::kHtmlOpen, "");
    if (!chosen || chosen->empty()) return std::nullopt;
    field = *chosen;
    path = *chosen;
  }
  if (ContainsText(path, ".htm", CaseMode::Exact)) return path;
  if (FileExists(path + ".html")) return path + ".html";
  return std::nullopt;
}

std::optional<std::string> LocalPageCheck::Load(std::string_view path) {
  return LoadViewFile(path, tab_.LabelLocalBrowserStatusBar, host_.dialogs);
}

void LocalPageCheck::sbConfirmLocaHTMLGoClick() {
  if (const std::optional<std::string> path = ByPathRule(host_.fields.BtnEditConfirmLocalHTMLFile))
    ConfirmLocaHTMLGo(*path);
}

void LocalPageCheck::sbLoadLocaHTMLFileClick() {
  const std::optional<std::string> chosen =
      AskForFile(file_filters::kHtmlOpen, host_.fields.BtnEditConfirmLocalHTMLFile);
  if (!chosen || chosen->empty()) return;
  host_.fields.BtnEditConfirmLocalHTMLFile = *chosen;
  if (const std::optional<std::string> path = ByPathRule(host_.fields.BtnEditConfirmLocalHTMLFile))
    ConfirmLocaHTMLGo(*path);
}

void LocalPageCheck::ConfirmLocaHTMLGo(std::string_view path) {
  host_.browser.Navigate(kBlank);
  ClearLocalALL();
  const std::optional<std::string> text = Load(path);
  if (!text) {
    host_.browser.Navigate(kBlank);
    host_.views.htmlSource.SetText("");
    return;
  }
  host_.browser.Navigate(path);
  host_.views.htmlSource.SetText(
      ConvertHtmlToSjis(*text, static_cast<CharsetCode>(tab_.RadioGroupLocalFileLoadCharset)).text);
  // The browser starts loading first; the colours follow.
  host_.pause(std::chrono::milliseconds(300));
  ColorizeHtmlViewEx(host_.views.htmlSource, host_.pause);
  host_.fields.BtnEditLocalFileOrgHTML = FolderOfPath(path) + "ZZOrg_" + FileNameOfPath(path);
  host_.fields.CheckBoxLocalDontLoad = false;
  if (!tab_.CheckBoxLocalFileDontPageChange) {
    tab_.LeftTabShown = "PGMainTab03LocalLeftTab01Browser";
    tab_.RightTabShown = "PGMainTab03LocalRightTab01HTMLSrc";
  }
}

void LocalPageCheck::sbConfirmLocaHTMLFileHomeClick() {
  const std::optional<std::string> path = ByPathRule(host_.fields.BtnEditConfirmLocalHTMLFile);
  if (!path) return;
  const std::optional<std::string> text = FileExists(*path) ? Load(*path) : std::nullopt;
  if (!text) {
    host_.browser.Navigate(kBlank);
    return;
  }
  host_.browser.Navigate(*path);
  host_.views.htmlSource.SetText(*text);
  ColorizeHtmlView(host_.views.htmlSource, host_.pause);
}

void LocalPageCheck::sbConfirmLocaHTMLFileBackClick() {
  host_.browser.GoBack();
}

void LocalPageCheck::sbConfirmLocaHTMLFileClearClick() {
  host_.fields.BtnEditConfirmLocalHTMLFile.clear();
}

void LocalPageCheck::sbConfirmLocaHTMLFilePasteClick() {
  const std::string text(TrimControlChars(host_.clipboard.Text()));
  if (text.starts_with("http://") || text.starts_with("https://"))
    host_.fields.BtnEditConfirmLocalHTMLFile = text;
}

void LocalPageCheck::sbConfirmLocaHTMLOpenIEClick() {
  const std::string path(TrimControlChars(host_.fields.BtnEditConfirmLocalHTMLFile));
  if (!FileExists(path)) return;
  if (!ContainsText(path, ".htm", CaseMode::Exact)) {
    if (FileExists(path + ".html")) OpenInHtmlViewer(host_.launcher, path + ".html");
    return;
  }
  OpenInHtmlViewer(host_.launcher, path);
}

void LocalPageCheck::sbSaveLocaHTMLFileClick() {
  const std::string current(TrimControlChars(host_.fields.BtnEditConfirmLocalHTMLFile));
  const bool exists = FileExists(current);
  const std::optional<std::string> chosen =
      host_.dialogs.ChooseSaveFile({{},
                                    SjisFromUtf8Literal(file_filters::kHtmlSave),
                                    exists ? FolderOfPath(current) : std::string(),
                                    exists ? FileNameOfPath(current) : std::string()});
  if (!chosen || chosen->empty()) return;
  host_.fields.BtnEditConfirmLocalHTMLFile = *chosen;
  const auto code = static_cast<CharsetCode>(tab_.RadioGroupLocalFileSaveCharset);
  std::string text = host_.views.htmlSource.Text();
  if (!tab_.CheckBoxLocalDontChnageCharset) text = ReplaceCharsetName(text, code);
  if (tab_.CheckBoxLOcalCreanupHTML) text = FormatHTMLSource(text);
  (void)SaveViewText(ConvertSaveCharset(text, code), *chosen, host_.dialogs);
}

void LocalPageCheck::ShowOriginalHtml(std::string_view path) {
  TextView& view = host_.views.originalHtml;
  view.SetText("");
  // A missing file is told in the status label, as any file that cannot be shown.
  if (const std::optional<std::string> text = Load(path)) {
    view.SetText(
        ConvertHtmlToSjis(*text, static_cast<CharsetCode>(tab_.RadioGroupLocalFileOriginalCharset))
            .text);
    ColorizeHtmlViewEx(view, host_.pause);
  }
  tab_.LeftTabShown = "PGMainTab03LocalLeftTab06OrigHTML";
}

void LocalPageCheck::sbConfirmLocaHTMLOrgHTMLGoClick() {
  if (const std::optional<std::string> path = ByPathRule(host_.fields.BtnEditLocalFileOrgHTML))
    ShowOriginalHtml(*path);
}

void LocalPageCheck::sbConfirmLocaHTMLOrgHTMLOpenClick() {
  const std::optional<std::string> chosen =
      AskForFile(file_filters::kHtmlOpen, host_.fields.BtnEditLocalFileOrgHTML);
  if (!chosen || chosen->empty()) return;
  host_.fields.BtnEditLocalFileOrgHTML = *chosen;
  if (const std::optional<std::string> path = ByPathRule(host_.fields.BtnEditLocalFileOrgHTML))
    ShowOriginalHtml(*path);
}

void LocalPageCheck::LoadFileLists(std::string_view path) {
  host_.pump.SetBusyCursor(BusyCursor::On);
  const std::optional<std::string> text = Load(path);
  host_.views.fileListLeft.SetText(text ? *text : "");
  host_.views.fileListRight.SetText(text ? *text : "");
  if (text) host_.fields.BtnEditLocalFileCSSJSList = std::string(path);
  host_.pump.SetBusyCursor(BusyCursor::Off);
}

void LocalPageCheck::sbConfirmLocaCSSJSListOpenFileClick() {
  const std::optional<std::string> chosen =
      AskForFile(file_filters::kTextFile, host_.fields.BtnEditLocalFileCSSJSList);
  if (!chosen || chosen->empty()) return;
  host_.views.fileListLeft.SetMargins(20, 30);
  host_.views.fileListRight.SetMargins(20, 30);
  LoadFileLists(*chosen);
}

void LocalPageCheck::sbConfirmLocaCSSJSListOpenFileGoClick() {
  const std::optional<std::string> path =
      FieldOrChosenTextFile(host_.fields.BtnEditLocalFileCSSJSList);
  if (!path) return;
  LoadFileLists(*path);
}

void LocalPageCheck::LoadMergedFile(std::string_view path) {
  host_.pump.ProcessPendingEvents();
  host_.pump.SetBusyCursor(BusyCursor::On);
  TextView& view = host_.views.mergedFile;
  if (const std::optional<std::string> text = Load(path)) {
    view.SetText(*text);
    view.SetMargins(60, 30);
    host_.fields.BtnEditLocalFileTotalCSSJS = std::string(path);
  } else {
    view.SetText("");
  }
  if (!tab_.CheckBoxDontCheckBoxLocalTotalCSSColor)
    host_.colorLists.sbocalCSSJSSearchColoListClick();
  host_.pump.SetBusyCursor(BusyCursor::Off);
}

void LocalPageCheck::sbLocalCSSJSTotalFileClick() {
  if (host_.dialogs.AskYesNo(SjisFromUtf8Literal(messages::kMergedFileQuestion)) != Answer::Yes)
    return;
  const std::optional<std::string> chosen =
      AskForFile(messages::kMergedFileFilter, host_.fields.BtnEditLocalFileTotalCSSJS);
  if (!chosen || chosen->empty()) return;
  LoadMergedFile(*chosen);
}

void LocalPageCheck::sbLocalCSSJSGoClick() {
  if (host_.dialogs.AskYesNo(SjisFromUtf8Literal(messages::kMergedFileQuestion)) != Answer::Yes)
    return;
  const std::optional<std::string> path =
      FieldOrChosenTextFile(host_.fields.BtnEditLocalFileTotalCSSJS);
  if (!path) return;
  LoadMergedFile(*path);
}

void LocalPageCheck::LoadImageList(std::string_view path) {
  if (const std::optional<std::string> text = Load(path)) {
    host_.views.imageList.SetText(*text);
    host_.fields.BtnEditLocalFileImageList = std::string(path);
  } else {
    host_.views.imageList.SetText("");
  }
}

void LocalPageCheck::sbConfirmLocalFileImageListOpenFileClick() {
  const std::optional<std::string> chosen =
      AskForFile(file_filters::kTextFile, host_.fields.BtnEditLocalFileImageList);
  if (!chosen || chosen->empty()) return;
  host_.pump.SetBusyCursor(BusyCursor::On);
  LoadImageList(*chosen);
  host_.pump.SetBusyCursor(BusyCursor::Off);
}

void LocalPageCheck::sbConfirmLocalFileImageListOpenFileGoClick() {
  const std::optional<std::string> path =
      FieldOrChosenTextFile(host_.fields.BtnEditLocalFileImageList);
  if (!path) return;
  LoadImageList(*path);
  host_.views.imageList.SetMargins(40, 30);
}

void LocalPageCheck::ShowOuterHtml(TextView& view) {
  view.SetText(FormatHTMLSource(host_.browser.DocumentOuterHtml()));
  ColorizeHtmlViewEx(view, host_.pause);
}

void LocalPageCheck::sbPGMainTab03LocalLeftTab05OuterHTMLClick() {
  tab_.ListBoxLocalInnerHTMLSearchList.clear();
  ShowOuterHtml(host_.views.outerHtmlLeft);
}

void LocalPageCheck::sclPGMainTab03LocalRightTab05OuterHTMLClick() {
  ShowOuterHtml(host_.views.outerHtmlRight);
}

void LocalPageCheck::sclPGMainTab03LocalLeftTab05OuterHTMLSaveClick() {
  const std::optional<std::string> chosen =
      host_.dialogs.ChooseSaveFile({{}, SjisFromUtf8Literal(file_filters::kHtmlSave), {}, {}});
  if (!chosen || chosen->empty()) return;
  (void)SaveViewText(host_.views.outerHtmlLeft.Text(), *chosen, host_.dialogs);
}

void LocalPageCheck::ClearLocalALL() {
  const LocalPageViews& views = host_.views;
  for (TextView* view : {&views.htmlSource, &views.mergedFile, &views.fileListLeft,
                         &views.imageList, &views.outerHtmlRight, &views.outerHtmlLeft,
                         &views.originalHtml, &views.singleCss, &views.singleJs, &views.reference})
    view->SetText("");
  ColorListTab& colors = host_.colorLists.tab;
  for (std::vector<std::string>* list :
       {&colors.ListBoxPGMainTab03LocalLeftTab02TotalCSSSearchList,
        &colors.ListBoxListBoxPGMainTab03LocalLeftTab02TotalCSSSColorList,
        &tab_.ListBoxPGMainTab03LocalLeftTab03, &tab_.ListBoxPGMainTab03LocalLeftTab04ImageList,
        &tab_.ListBoxLocalInnerHTMLSearchList, &tab_.ListBoxOrgHTMLSearchList,
        &colors.ListBoxPGMainTab03LocalLeftTab02IndivCSSSearchList,
        &colors.ListBoxListBoxPGMainTab03LocalLeftTab02IndivCSSSColorList,
        &tab_.ListBoxPGMainTab03LocalLeftTab02IndivJS,
        &tab_.ListBoxPGMainTab03LocalLeftTab02THTMLSearchList,
        &colors.ListBoxListBoxPGMainTab03LocalRightTab02HTMLColorList,
        &tab_.ListBoxPGMainTab03LocalRightTab04Ref})
    list->clear();
  for (std::string* text : {&host_.fields.BtnEditLocalFileImageList, &tab_.BtnEditLocalFileIndivCSS,
                            &tab_.BtnEditLocalFileIndivJS, &tab_.BtnEditLocalFileRef,
                            &tab_.ComboBoxDLLocalAfterJavaExecute, &tab_.ComboBoxDLOrgHTMLSearch,
                            &colors.ComboBoxLocalIndivCSSSearch, &tab_.ComboBoxLocalIndivJSSearch,
                            &colors.ComboBoxDLHTMLSearch, &tab_.ComboBoxLocalRefSearch,
                            &tab_.LabelLocalInnerHTMLLineColumnNo, &tab_.LabelCSSJSLineColumnNo,
                            &tab_.LabelOrgFileSearchKeyWord, &tab_.LabelIndivJSLineColumnNo,
                            &tab_.LabelLocalHTMLLineColumnNo, &tab_.LabelLocalRefLineColumnNo})
    text->clear();
}

void LocalPageCheck::LocalStatusText(std::string_view text) {
  tab_.LabelLocalBrowserStatusBar = AsPath(text);
  if (ContainsText(text, SjisFromUtf8Literal(messages::kPageFinished), CaseMode::Exact)) {
    if (tab_.CheckBoxLocalChageUrl)
      host_.fields.BtnEditConfirmLocalHTMLFile = AsPath(tab_.LastHoveredLink);
    return;
  }
  if (text.empty()) return;
  const std::string lower = LowerAsciiBytes(text);
  for (const std::string_view skipped :
       {"mailto:", ".pdf", ".doc", ".xls", ".zip", ".lzh", ".nfs", "related"}) {
    if (lower.find(skipped) != std::string::npos) return;
  }
  if (IsLinkStatusText(text)) tab_.LastHoveredLink = std::string(text);
}

bool LocalPageCheck::LocalDocOnClick() {
  if (!tab_.CheckBoxLocalChageUrl || tab_.LastHoveredLink.empty()) return false;
  if (LowerAsciiBytes(tab_.LastHoveredLink).find("java") != std::string::npos)
    host_.fields.BtnEditConfirmLocalHTMLFile = AsPath(tab_.LastHoveredLink);
  host_.browser.Navigate(tab_.LastHoveredLink);
  // A saved page's link shows as a path: the page followed becomes the tab's page.
  if (tab_.LabelLocalBrowserStatusBar.starts_with('/'))
    host_.fields.BtnEditConfirmLocalHTMLFile = tab_.LabelLocalBrowserStatusBar;
  return false;
}

void LocalPageCheck::EnterTab(std::string_view lastDownloadedPage) {
  if (!host_.fields.CheckBoxLocalDontLoad) {
    const std::optional<std::string> text =
        FileExists(lastDownloadedPage) ? Load(lastDownloadedPage) : std::nullopt;
    if (text) {
      host_.fields.BtnEditConfirmLocalHTMLFile = std::string(lastDownloadedPage);
      host_.browser.Navigate(lastDownloadedPage);
      host_.views.htmlSource.SetText(*text);
      ColorizeHtmlView(host_.views.htmlSource, host_.pause);
      host_.fields.CheckBoxLocalDontLoad = true;
    } else {
      host_.browser.Navigate(kBlank);
      host_.views.htmlSource.SetText("");
    }
  }
  tab_.LeftTabShown = "PGMainTab03LocalLeftTab01Browser";
  tab_.RightTabShown = "PGMainTab03LocalRightTab01HTMLSrc";
}

}  // namespace pellucor

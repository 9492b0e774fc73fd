#include "download/ViewCommands.h"

#include <optional>

#include "download/DownloadMessages.h"
#include "html/HtmlFormatter.h"
#include "ports/FileFilters.h"
#include "text/CodePage932.h"
#include "text/ShiftJis.h"
#include "text/TextFile.h"
#include "text/TextTrim.h"
#include "web/CombineUrl.h"
#include "web/PageFiles.h"
#include "web/UrlForms.h"
#include "web/UrlKinds.h"

namespace pellucor {

namespace {

constexpr std::string_view kBlank = "about:blank";

bool NameHasHtm(std::string_view file) {
  return ContainsText(FileNameOfPath(file), ".htm", CaseMode::Exact);
}

}  // namespace

ViewCommands::ViewCommands(DownloadEngine& engine) : engine_(engine) {}

void ViewCommands::sbDLBackwardClick() {
  engine_.host().downloadBrowser.GoBack();
  engine_.DLScreenRestore();
}

void ViewCommands::sbDLHomeClick() {
  DownloadTab& tab = engine_.tab;
  engine_.DLButtonEnable();
  std::string from(TrimControlChars(tab.HomeUrl));
  if (from.empty()) from = std::string(TrimControlChars(tab.ComboBoxWBUrl));
  if (from.empty()) return;
  tab.ComboBoxWBUrl = UrlRoot(from);
  tab.BtnEditWBLocalFilename.clear();
  engine_.sbDLNavigateClick();
}

void ViewCommands::sbDLWebNavigateHomeClick() {
  const std::string url = engine_.tab.LabelWebBrowserUrl;
  if (!IsWebUrl(url)) return;
  engine_.host().downloadBrowser.Navigate(url);
  engine_.tab.ComboBoxWBUrl = url;
}

void ViewCommands::sbDLWebNavigateCOPYClick() {
  engine_.host().clipboard.SetText(engine_.tab.LabelWebBrowserUrl);
  engine_.tab.ComboBoxWBUrl = engine_.tab.LabelWebBrowserUrl;
}

void ViewCommands::sbDLWebNavigateOpenIEClick() {
  if (IsWebUrl(engine_.tab.LabelWebBrowserUrl))
    OpenInHtmlViewer(engine_.host().launcher, engine_.tab.LabelWebBrowserUrl);
}

void ViewCommands::sbDLWebIEClick() {
  const std::string_view url = TrimControlChars(engine_.tab.ComboBoxWBUrl);
  if (IsWebUrl(url)) OpenInHtmlViewer(engine_.host().launcher, url);
}

void ViewCommands::sbDLUrlPasteClick() {
  DownloadTab& tab = engine_.tab;
  const std::string url = engine_.host().clipboard.Text();
  if (!IsWebUrl(url)) return;
  tab.ComboBoxWBUrl = url;
  engine_.LabelInitialize();
  if (!engine_.WBDLNavigate(url, TrimControlChars(tab.BtnEditWBPageSaveFolder), 0)) return;
  engine_.AddComboBoxURL();
  engine_.DLClearListBox(0);
  engine_.DLSettingsInitialize();
  tab.LeftTabShown = "PGTab02LTab01WB";
}

void ViewCommands::sbDLBackLocalBrowserClick() {
  engine_.host().resultBrowser.GoBack();
}

void ViewCommands::sbDLNavigateLocalHomeClick() {
  if (FileExists(engine_.tab.LabelLocalBrowserUrl))
    engine_.host().resultBrowser.Navigate(engine_.tab.LabelLocalBrowserUrl);
}

std::optional<std::string> ViewCommands::AskForLocalPage() {
  return engine_.host().dialogs.ChooseOpenFile(
      {{}, SjisFromUtf8Literal(file_filters::kHtmlOpen), {}, {}});
}

std::string ViewCommands::PageFileOf(std::string_view file) {
  if (NameHasHtm(file)) return std::string(file);
  std::string page = std::string(file) + ".html";
  return FileExists(page) ? page : std::string();
}

void ViewCommands::ShowLocalPage(const std::string& file) {
  DownloadTab& tab = engine_.tab;
  if (!FileExists(file)) {
    engine_.host().resultBrowser.Navigate(kBlank);
    tab.LabelLocalBrowserUrl.clear();
    tab.LabelLocalHTMLSrc.clear();
    return;
  }
  engine_.host().resultBrowser.Navigate(file);
  tab.LabelLocalBrowserUrl = file;
  tab.LabelLocalHTMLSrc = file;
  // The desktop colours the view when its text changes.
  tab.RichEditExPGTab02LTab09LocalFileHTML = LoadTextFile(file);
}

void ViewCommands::sbDLNavigateLocalOpenFileClick() {
  const std::optional<std::string> chosen = AskForLocalPage();
  if (!chosen || chosen->empty()) return;
  const std::string file = PageFileOf(*chosen);
  if (file.empty()) return;
  ShowLocalPage(file);
}

void ViewCommands::sbDLNavigateLocalHomeOpenIEClick() {
  // The label holds a path or a file URL; the viewer takes a path (the folders keep their "/").
  std::string target = engine_.tab.LabelLocalBrowserUrl;
  if (target.starts_with("file://")) target.erase(0, 7);
  if (IsWebUrl(target) || FileExists(target)) OpenInHtmlViewer(engine_.host().launcher, target);
}

void ViewCommands::sbWinFileIEClick() {
  const std::string file(TrimControlChars(engine_.tab.BtnEditWBLocalFilename));
  if (file.empty()) return;
  const std::string name = FileNameOfPath(file);
  const bool queryName = name.find('@') != std::string::npos && name.find('=') != std::string::npos;
  if (!NameHasHtm(file) || queryName) {
    if (FileExists(file + ".html")) OpenInHtmlViewer(engine_.host().launcher, file + ".html");
    return;
  }
  OpenInHtmlViewer(engine_.host().launcher, file);
}

void ViewCommands::sbWinPageFileIEClick() {
  const std::string_view file = TrimControlChars(engine_.tab.EditWBBasePageLocalFimename);
  if (FileExists(file)) OpenInHtmlViewer(engine_.host().launcher, file);
}

void ViewCommands::sbDLFrameIEOpenClick() {
  const std::string frame(TrimControlChars(engine_.tab.EditFrameLinkUrl));
  if (frame.empty()) return;
  if (IsWebUrl(frame)) {
    OpenInHtmlViewer(engine_.host().launcher, frame);
    return;
  }
  const std::string url = CombineUrl(engine_.tab.ComboBoxWBUrl, frame);
  if (IsWebUrl(url)) OpenInHtmlViewer(engine_.host().launcher, url);
}

void ViewCommands::sbDLFrameCOPYClick() {
  engine_.host().clipboard.SetText(engine_.tab.EditFrameLinkUrl);
}

void ViewCommands::sbDLFramePasteClick() {
  engine_.tab.EditFrameLinkUrl = engine_.host().clipboard.Text();
}

void ViewCommands::sbInnerHTMLGetClick() {
  DownloadTab& tab = engine_.tab;
  tab.LabelDLWebinnerKW.clear();
  tab.ComboBoxDLInnerKW.clear();
  tab.ListBoxListDLWebInnerHTMLSrc.clear();
  std::string html = FormatHTMLSource(engine_.host().downloadBrowser.DocumentOuterHtml());
  tab.RichEditExPGTab02RTab04PDownload = html;
  tab.RichEditExPGTab02LTab11InnerHTML = std::move(html);
}

void ViewCommands::SbDLInnerHTMLSaveClick() {
  DownloadTab& tab = engine_.tab;
  tab.ComboBoxDLInnerKW = engine_.host().clipboard.Text();
  const std::optional<std::string> chosen = engine_.host().dialogs.ChooseSaveFile(
      {{}, SjisFromUtf8Literal(file_filters::kHtmlSave), {}, {}});
  if (!chosen || chosen->empty()) return;
  const SaveResult result = SaveTextFile(tab.RichEditExPGTab02LTab11InnerHTML, *chosen);
  if (result.outcome != SaveOutcome::Written) {
    engine_.host().dialogs.ShowMessage(SjisFromUtf8Literal(download_messages::kFileNotSaved) +
                                           *chosen + "  (" + result.reason + ")",
                                       MessageKind::Error);
  }
}

void ViewCommands::sbDLInnerHTMLCOPYClick() {
  engine_.host().clipboard.SetText(engine_.tab.RichEditExPGTab02LTab11InnerHTML);
}

void ViewCommands::SpeedButton1Click() {
  const std::string& page = engine_.tab.LabelLocalBrowserUrl;
  if (page.starts_with("http://") || page.starts_with("https://") || FileExists(page))
    OpenInHtmlViewer(engine_.host().launcher, page);
}

void ViewCommands::BtnEditWBLocalFilenameButtonClick() {
  DownloadTab& tab = engine_.tab;
  const std::string current(TrimControlChars(tab.BtnEditWBLocalFilename));
  const bool exists = FileExists(current);
  const std::optional<std::string> chosen = engine_.host().dialogs.ChooseOpenFile(
      {{},
       SjisFromUtf8Literal(file_filters::kHtmlOpen),
       exists ? FolderOfPath(current) : std::string(),
       exists ? FileNameOfPath(current) : std::string("dummy.html")});
  if (!chosen || chosen->empty()) return;
  std::string file = *chosen;
  if (ExtensionOf(FileNameOfPath(file)).empty()) file += ".html";
  tab.BtnEditWBLocalFilename = file;
  engine_.run.LocalPageFile = file;
  sbDLSingleScreenClick();
}

std::optional<std::string> ViewCommands::ScreenFile(std::string fromBox) {
  if (!engine_.run.LocalPageFile.empty()) return engine_.run.LocalPageFile;
  if (!fromBox.empty()) return fromBox;
  std::optional<std::string> chosen = AskForLocalPage();
  if (!chosen || chosen->empty()) return std::nullopt;
  return chosen;
}

void ViewCommands::sbDLSingleScreenClick() {
  DownloadTab& tab = engine_.tab;
  std::optional<std::string> file =
      ScreenFile(FileExists(tab.BtnEditWBLocalFilename) ? tab.BtnEditWBLocalFilename : "");
  if (!file) return;
  tab.BtnEditWBLocalFilename = *file;
  const std::string page = PageFileOf(*file);
  if (page.empty()) return;
  ShowLocalPage(page);
  tab.LeftTabShown = "PGTab02LTab09LocalFileHTML";
  tab.RightTabShown = "PGTab02RTab00ResultBrowser";
}

void ViewCommands::sbWinFileDualScreenClick() {
  DownloadTab& tab = engine_.tab;
  const std::string box(TrimControlChars(tab.BtnEditWBLocalFilename));
  const bool asked = engine_.run.LocalPageFile.empty() && box.empty();
  std::optional<std::string> file = ScreenFile(box);
  if (!file) return;
  if (asked) tab.BtnEditWBLocalFilename = *file;
  const std::string page = PageFileOf(*file);
  if (page.empty()) return;
  ShowLocalPage(page);
  tab.LeftTabShown = "PGTab02LTab01WB";
  tab.RightTabShown = "PGTab02RTab00ResultBrowser";
  if (toggleTopPanel) toggleTopPanel();
  const std::string url(TrimControlChars(tab.ComboBoxWBUrl));
  if (IsWebUrl(url))
    (void)engine_.WBDLNavigate(url, TrimControlChars(tab.BtnEditWBPageSaveFolder), 1);
}

}  // namespace pellucor

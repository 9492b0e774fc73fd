#include "download/DownloadEngine.h"

#include <filesystem>
#include <optional>

#include "download/DownloadMessages.h"
#include "download/ReferencePasses.h"
#include "html/HtmlFormatter.h"
#include "ports/FileFilters.h"
#include "ports/HostFileEffects.h"
#include "ports/Launcher.h"
#include "text/CodePage932.h"
#include "text/EmptyFolder.h"
#include "text/FileReplace.h"
#include "text/SafePath.h"
#include "text/ShiftJis.h"
#include "text/TextTrim.h"
#include "web/Fetch.h"
#include "web/LocalPath.h"
#include "web/PageFiles.h"
#include "web/PathBounds.h"
#include "web/ResultLink.h"
#include "web/UrlDecode.h"
#include "web/UrlForms.h"
#include "web/UrlKinds.h"

namespace pellucor {

namespace messages = download_messages;

DownloadEngine::DownloadEngine(DownloadHost host, ResourceStages& stages)
    : host_(host), stages_(stages), fetcher_(host.http, fetchSettings) {
  fetcher_.whileWaiting = [this] {
    host_.pump.ProcessPendingEvents();
    return StopRequested() ? TransferControl::Abort : TransferControl::Continue;
  };
}

std::string DownloadEngine::Message(std::string_view utf8) const {
  return SjisFromUtf8Literal(utf8);
}

std::string DownloadEngine::DownloadCaption() const {
  return Message(messages::kDownloadCaptionOpen) + tab.ComboBoxWBUrl +
         Message(messages::kDownloadCaptionFile) + tab.BtnEditWBLocalFilename + " ]";
}

std::string DownloadEngine::TopDummyFolder() const {
  return tab.CheckBoxTopDirectoryForUnkwon ? tab.EditDLTopDummyDirectory : std::string();
}

std::string DownloadEngine::RunFolder() const {
  return std::string(TrimControlChars(tab.BtnEditWBPageSaveFolder));
}

bool DownloadEngine::IsRunPath(std::string_view path) const {
  const std::string folder = RunFolder();
  return !folder.empty() && IsInsideFolder(path, folder);
}

bool DownloadEngine::CreateRunFolder(std::string_view path) {
  if (!IsRunPath(path)) return false;
  const std::optional<std::string> folder = SjisToUtf8Exact(RunFolder());
  const std::optional<std::string> target = SjisToUtf8Exact(FolderOfPath(path));
  if (!folder || !target) return false;
  // Thousands of images share a few folders: opening each folder of the path again for every
  // one of them was a good part of the system time of such a run.
  if (foldersMadeThisRun_.contains(*target)) return true;
  if (!CreateFoldersInside(*folder, *target)) return false;
  foldersMadeThisRun_.insert(*target);
  return true;
}

void DownloadEngine::NoteLimit(LimitPane pane, std::string line) {
  limitNotes_.emplace_back(pane, std::move(line));
}

void DownloadEngine::NoteFetchFailure(LimitPane pane, std::string_view url) {
  if (!fetcher_.Fetched(url)) return;
  const std::string failure = fetcher_.FailureOf(url);
  if (failure.empty()) return;
  NoteLimit(pane, Message(messages::kNotFetched) + std::string(url) + "  (" + failure + ")");
}

void DownloadEngine::ShowLimitNotes() {
  for (auto& [pane, line] : limitNotes_) {
    if (pane == LimitPane::StyleSheets) {
      tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS.push_back(std::move(line));
    } else {
      // The image pane lists the newest line first.
      std::vector<std::string>& images = tab.ListBoxPGTab02LTab03PageImageDownloaedImage;
      images.insert(images.begin(), std::move(line));
    }
  }
  limitNotes_.clear();
}

SaveResult DownloadEngine::WriteRunFile(std::string_view text, std::string_view path) {
  if (!IsRunPath(path)) return {SaveOutcome::Refused, "outside the save folder"};
  SaveResult result =
      SaveTextFileInside(text, path, RunFolder(), HostFileEffects(host_.clipboard, host_.pump));
  if (result.outcome == SaveOutcome::Written) writtenThisRun_.emplace(path);
  return result;
}

bool DownloadEngine::SaveRunFile(LimitPane pane, std::string_view text, std::string_view path) {
  if (text.empty()) return false;
  const SaveResult result = WriteRunFile(text, path);
  if (result.outcome == SaveOutcome::Written) return true;
  NoteLimit(pane, Message(messages::kNotSaved) + std::string(path) + "  (" + result.reason + ")");
  return false;
}

bool DownloadEngine::SavePageFile(std::string_view text, std::string_view path) {
  const SaveResult result = WriteRunFile(text, path);
  if (result.outcome == SaveOutcome::Written) return true;
  pageNotSaved_ = true;
  const std::string line =
      Message(messages::kPageNotSaved) + std::string(path) + "  (" + result.reason + ")";
  host_.dialogs.ShowMessage(line, MessageKind::Error);
  return false;
}

void DownloadEngine::btnDownloadAllClick() {
  std::string url(TrimControlChars(tab.ComboBoxWBUrl));
  if (url.empty()) return;
  if (const std::size_t hash = url.find('#'); hash != std::string::npos) {
    url.resize(hash);
    tab.ComboBoxWBUrl = url;
  }
  if (ContainsText(url, "/**http%3A//", CaseMode::Exact) ||
      ContainsText(url, "/**https%3A//", CaseMode::Exact)) {
    url = DecodeResultLink(url);
    tab.ComboBoxWBUrl = url;
  }
  if (!IsPageUrl(url)) {
    switch (host_.dialogs.AskYesNoCancel(Message(messages::kNotAPageQuestion))) {
      case Answer::Cancel:
        host_.pump.SetBusyCursor(BusyCursor::Off);
        return;
      case Answer::No:
        tab.ComboBoxWBUrl += "/index.html";
        url = tab.ComboBoxWBUrl;
        break;
      case Answer::Yes:
        break;
    }
  }
  if (tab.CheckBoxDLDownloadinnerHTML && run.FetchedHeadHtml.empty()) {
    host_.dialogs.ShowMessage(Message(messages::kNotNavigatedYet), MessageKind::Warning);
    return;
  }
  run.FrameList.clear();
  run.InlineFrameList.Clear();
  tab.ListBoxWBInFrameFileList.clear();
  tab.WindowCaption =
      Message(messages::kWindowCaptionOpen) + url + Message(messages::kWindowCaptionClose);
  run.FramesetSaved = false;

  lastRunResult = DLDownloadAll(url);

  // A second run into the same folder keeps what this one wrote and writes no new reports,
  // unless the user unticks these again.
  tab.CheckBoxDontEmptyFolder = true;
  tab.CheckBoxDLDontMakeCSSlist = true;
  run.PreviousLocalPageFile = run.LocalPageFile;
  run.LocalPageFile = tab.BtnEditWBLocalFilename;
  tab.BtnEditConfirmLocalHTMLFile = run.LocalPageFile;
  tab.BtnEditLocalFileOrgHTML =
      FolderOfPath(run.LocalPageFile) + "ZZOrg_" + FileNameOfPath(run.LocalPageFile);
  tab.CheckBoxLocalDontLoad = false;
  if (std::find(tab.ComboBoxWBUrlItems.begin(), tab.ComboBoxWBUrlItems.end(), tab.ComboBoxWBUrl) ==
      tab.ComboBoxWBUrlItems.end())
    tab.ComboBoxWBUrlItems.push_back(tab.ComboBoxWBUrl);
  if (run.FramesetSaved) tab.RightTabShown = "PGTab02RTab04PDownload";
}

int DownloadEngine::AbandonRun() {
  run.LocalPageFile = run.PreviousLocalPageFile;
  DLButtonEnable();
  return -1;
}

int DownloadEngine::DLDownloadAll(std::string_view url) {
  // Every response of the run is kept for the run only.
  fetcher_.Clear();
  limitNotes_.clear();
  pageNotSaved_ = false;
  writtenThisRun_.clear();
  foldersMadeThisRun_.clear();
  struct ClearAtEnd {
    RunFetcher& fetcher;
    ~ClearAtEnd() { fetcher.Clear(); }
  } clearAtEnd{fetcher_};
  run.RunPageUrl = std::string(url);
  run.UrlTypedByUser = false;
  // The report option as the run starts: a page with inline frames ticks it during the run, for
  // the runs of its frames into the same folder, and this run's own reports must not be lost.
  const bool writeReports = !tab.CheckBoxDLDontMakeCSSlist;
  std::string folder(TrimControlChars(tab.BtnEditWBPageSaveFolder));
  if (!IsWebUrl(url)) return -1;

  DLClearListBox(0);
  tab.LeftTabShown = "PGTab02LTab01WB";
  tab.RightTabShown = "PGTab02RTab02HTMLSrc";
  host_.pump.ProcessPendingEvents();

  std::string fetched;
  run.PageStatus = 0;
  if (!tab.CheckBoxDLDownloadinnerHTML) {
    fetched = fetcher_.ReadUrlText(url);
    // Without the page there is nothing to save: saying so beats saving an empty page.
    if (const std::string failure = fetcher_.FailureOf(url); !failure.empty()) {
      host_.dialogs.ShowMessage(
          Message(messages::kPageNotFetched) + std::string(url) + "  (" + failure + ")",
          MessageKind::Error);
      DLButtonEnable();
      return -1;
    }
    run.PageStatus = fetcher_.StatusOf(url);
    if (pageTextViews) tab.RichEditWebPageDownloadHTMLFirst = fetched;
    // The redirect check reads the head alone, so only the page up to its end is lowered.
    std::size_t headEnd = 0;
    if (const std::size_t open = FindText(fetched, "<head>", 0, CaseMode::IgnoreAsciiCase);
        open != std::string::npos) {
      const std::size_t close = FindText(fetched, "</head>", open + 6, CaseMode::IgnoreAsciiCase);
      if (close != std::string::npos) headEnd = close + 7;
    }
    const std::string target =
        CheckRefresh(LowerCaseText(std::string_view(fetched).substr(0, headEnd)));
    if (!target.empty()) {
      host_.dialogs.ShowInformationBox(Message(messages::kRedirectedLabel), fetched, "");
      tab.RightTabShown = "PGTab02RTab05First";
      if (IsWebUrl(target) && target.starts_with("http:")) tab.ComboBoxWBUrl = target;
      if (host_.dialogs.AskYesNo(Message(messages::kContinueQuestion)) != Answer::Yes) {
        DLButtonEnable();
        return -1;
      }
    }
  }
  // Tags are matched without regard to case rather than in a lowered copy of the page.
  if (ContainsText(fetched, "<base", CaseMode::IgnoreAsciiCase) &&
      tab.RadioGroupRemoveBaseHref == 0 &&
      host_.dialogs.AskYesNo(Message(messages::kBaseTagQuestion)) != Answer::Yes) {
    DLButtonEnable();
    return -1;
  }

  host_.resultBrowser.Navigate("about:blank");
  DLClearLabel();
  DLClearTextBox(0);

  if (folder.empty()) {
    std::string proposal = UrlToLocalPath(
        url, "", static_cast<UrlDecodeMode>(tab.RadioGroupDLUrlWebDecode), LocalName::Plain);
    proposal = proposal.empty() || ContainsText(proposal, ".htm", CaseMode::Exact)
                   ? std::string("index.html")
                   : proposal + ".html";
    proposal = FileNameOfPath(proposal);
    if (proposal == ".html") proposal = "index.html";
    const std::optional<std::string> chosen = host_.dialogs.ChooseSaveFile(
        {{}, Message(file_filters::kHtmlSave), {}, MakeSafeFilePath(proposal)});
    if (!chosen) return AbandonRun();
    tab.BtnEditWBLocalFilename = *chosen;
    tab.BtnEditWBPageSaveFolder = FolderOfPath(*chosen);
  } else if (!FolderExists(folder)) {
    host_.dialogs.ShowMessage(Message(messages::kFolderNotFound), MessageKind::Error);
    return AbandonRun();
  }

  folder = TrimControlChars(tab.BtnEditWBPageSaveFolder);
  if (folder.empty()) {
    host_.dialogs.ShowMessage(Message(messages::kNoSaveFolder), MessageKind::Error);
    return -1;
  }
  if (const std::string problem = SaveFolderProblem(folder); !problem.empty()) {
    host_.dialogs.ShowMessage(
        Message(messages::kSaveFolderNameUnusable) + folder + "  (" + problem + ")",
        MessageKind::Error);
    return AbandonRun();
  }
  if (const EmptyFolderResult emptied =
          tab.CheckBoxDontEmptyFolder ? EmptyFolderResult{true, {}} : EmptyFolder(folder);
      !emptied) {
    host_.dialogs.ShowMessage(
        Message(messages::kFolderNotEmptied) + folder + "  (" + emptied.reason + ")",
        MessageKind::Error);
    host_.pump.SetBusyCursor(BusyCursor::Off);
    return -1;
  }

  fetcher_.SetSaveFolder(folder);
  host_.resultBrowser.Navigate("about:blank");
  if (ContainsText(fetched, "<frameset ", CaseMode::IgnoreAsciiCase)) {
    return FramesetBranch(url, fetched);
  }
  // The stages read the page from the run's fetches; this copy is let go before them.
  std::string().swap(fetched);

  DLButtonDisable();
  if (!WBDLNavigate(url, folder, 0)) return -1;
  DownLoadMain(url, folder);
  ShowResult();
  if (writeReports) DLPostProcess(folder);
  ShowLimitNotes();
  if (!run.LocalPageFile.empty()) tab.BtnEditConfirmLocalHTMLFile = run.LocalPageFile;
  DLButtonEnable();
  tab.LabelDownloadedFileCount.clear();
  // A run whose page is not on the disk is not done, whatever else it saved.
  if (pageNotSaved_) {
    tab.LabelDownloadedFile = Message(messages::kPageNotSaved) + tab.BtnEditWBLocalFilename;
    return -1;
  }
  // The server's error page was saved as it came (as a browser shows it), but it is not the
  // page the user asked for: the label says so rather than that the download is done.
  if (run.PageStatus >= 400) {
    tab.LabelDownloadedFile = Message(messages::kPageAnsweredError) + "HTTP " +
                              std::to_string(run.PageStatus) + "  " + std::string(url);
    return 0;
  }
  tab.LabelDownloadedFile = Message(messages::kDownloadDone);
  return 0;
}

void DownloadEngine::ShowResult() {
  tab.WindowCaption = DownloadCaption();
  tab.LabelLocalBrowserUrl = tab.BtnEditWBLocalFilename;
  tab.LabelWebBrowserUrl = run.RunPageUrl;
  std::string view = tab.BtnEditWBLocalFilename + ".html";
  if (const std::size_t at = view.find(".htm.html"); at != std::string::npos)
    view.replace(at, 9, ".htm");
  if (const std::size_t at = view.find(".html.html"); at != std::string::npos)
    view.replace(at, 10, ".html");
  switch (tab.RadioGroupDLFilnalOpenIE) {
    case 0:
      host_.resultBrowser.Navigate(run.RunPageUrl);
      break;
    case 1:
      if (FileExists(view)) {
        host_.resultBrowser.Navigate(view);
      } else {
        tab.LabelLocalBrowserUrl.clear();
      }
      break;
    case 2:
      if (!tab.BtnEditWBLocalFilename.empty() && FileExists(view))
        OpenInHtmlViewer(host_.launcher, view);
      break;
    default:
      break;
  }
  tab.RightTabShown = "PGTab02RTab00ResultBrowser";
  tab.LeftTabShown = "PGTab02LTab01WB";
}

int DownloadEngine::FramesetBranch(std::string_view url, std::string_view fetched) {
  tab.RichEditExPGTab02RTab04PDownload = std::string(fetched);
  host_.dialogs.ShowInformationBox(Message(messages::kFramesetLabel), fetched, "");
  tab.BtnEditWBLocalFilename.clear();
  const std::string proposal = UrlFileName(url, NoUrlText::TakeLastSegment).empty()
                                   ? std::string("index.html")
                                   : std::string();
  const std::optional<std::string> chosen =
      host_.dialogs.ChooseSaveFile({{},
                                    Message(file_filters::kHtmlSave),
                                    std::string(TrimControlChars(tab.BtnEditWBPageSaveFolder)),
                                    proposal});
  if (!chosen) return AbandonRun();
  tab.BtnEditWBPageSaveFolder = FolderOfPath(*chosen);
  run.RunPageUrl = std::string(url);
  if (!ContainsText(url, ".htm", CaseMode::Exact) && url.ends_with('/')) run.RunPageUrl += "@#@";
  run.FetchedHtmlSize = fetched.size();
  stages_.DLMakeFrameSetFile(*this, url, *chosen, fetched, tab.BtnEditWBPageSaveFolder);
  tab.CheckBoxDontEmptyFolder = true;
  tab.CheckBoxDLDontMakeCSSlist = true;
  if (!run.LocalPageFile.empty()) tab.BtnEditConfirmLocalHTMLFile = run.LocalPageFile;
  tab.RightTabShown = "PGTab02RTab02HTMLSrc";
  run.FramesetSaved = true;
  // The frameset page is the whole of what the run saves (its frames are runs of their own):
  // written, the run is done.
  return !pageNotSaved_ && !tab.BtnEditWBLocalFilename.empty() &&
                 WrittenThisRun(tab.BtnEditWBLocalFilename)
             ? 0
             : -1;
}

void DownloadEngine::DownLoadMain(std::string_view url, std::string_view saveFolder) {
  DLClearPageFile(0);
  DLClearListBox(0);
  run.ProgressCount = 0;
  run.SecondProgressCount = 0;
  run.BaseHrefValue.clear();
  run.BaseHrefDirPath.clear();
  run.BaseHrefDir.clear();
  run.BrowserHtml = FormatHTMLSource(host_.downloadBrowser.DocumentOuterHtml());
  tab.RichEditExPGTab02RTab04PDownload = run.BrowserHtml;
  tab.ListBoxIEImage = host_.downloadBrowser.ImageAddresses();
  DLButtonDisable();
  DownLoadBasePage(url, saveFolder);
  tab.CheckBoxDLsaveThisname = false;
}

void DownloadEngine::btnDownloadStopClick() {
  DLClearEditText(2);
  DLButtonEnable();
}

void DownloadEngine::btnDLSaveHTMLOnlyClick() {
  const std::string url(TrimControlChars(tab.ComboBoxWBUrl));
  const std::string folder(TrimControlChars(tab.BtnEditWBPageSaveFolder));
  if (url.empty() || !IsWebUrl(url) || folder.empty() || tab.BtnEditWBLocalFilename.empty() ||
      tab.RichEditExPGTab02LTab09LocalFileHTML.empty() || !FolderExists(folder))
    return;
  const std::optional<std::string> chosen =
      host_.dialogs.ChooseSaveFile({{}, Message(file_filters::kHtmlSave), folder, "index.html"});
  if (!chosen || !SavePageFile(tab.RichEditExPGTab02LTab09LocalFileHTML, *chosen)) return;
  tab.BtnEditWBLocalFilename = *chosen;
  tab.LabelLocalHTMLSrc = *chosen;
  tab.LabelLocalBrowserUrl = *chosen;
  run.LocalPageFile = *chosen;
}

void DownloadEngine::btnDLOpenFramesetClick() {
  if (!FileExists(run.LocalPageFile)) return;
  if (run.FramesetSaved) {
    const std::string text = LoadTextFile(run.LocalPageFile);
    host_.clipboard.SetText(text);
    tab.RichEditExPGTab02RTab04PDownload = text;
  }
  if (ContainsText(run.LocalPageFile, ".htm", CaseMode::Exact)) {
    OpenInHtmlViewer(host_.launcher, run.LocalPageFile);
  } else if (FileExists(run.LocalPageFile + ".html")) {
    OpenInHtmlViewer(host_.launcher, run.LocalPageFile + ".html");
  }
}

}  // namespace pellucor

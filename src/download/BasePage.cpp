// Saving the page of a run: the as-fetched copy, the resource stages, and the rewritten page
// made by a fixed sequence of text passes whose order matters - later passes look for what
// earlier ones wrote.
#include <unordered_set>

#include "download/DistinctNames.h"
#include "download/DownloadEngine.h"
#include "download/DownloadMessages.h"
#include "download/PageResourceStages.h"
#include "download/ReferencePasses.h"
#include "download/ReportFiles.h"
#include "html/HtmlFormatter.h"
#include "html/HtmlScan.h"
#include "html/Integrity.h"
#include "html/LocalLinks.h"
#include "html/Srcset.h"
#include "ports/HostFileEffects.h"
#include "text/CodePage932.h"
#include "text/ShiftJis.h"
#include "text/TextTrim.h"
#include "web/CombineUrl.h"
#include "web/PageFiles.h"
#include "web/UrlForms.h"

namespace pellucor {

namespace messages = download_messages;

int DownloadEngine::DownLoadBasePage(std::string_view url, std::string_view saveFolder) {
  if (DLMakeWinPage(url, saveFolder) != 0 || run.PagePath.empty() || run.AsFetchedPath.empty())
    return -1;
  const std::string asFetched =
      tab.CheckBoxDLsaveThisname
          ? ChosenNameAsFetchedPath(run.AsFetchedPath, tab.EditDLSaveFilename, RunFolder())
          : AsFetchedSavePath(run.AsFetchedPath);
  // Read again from the run's store (no new request): the page's text as DLMakeWinPage read it.
  SaveRunFile(LimitPane::StyleSheets,
              tab.CheckBoxDLDownloadinnerHTML ? std::string() : PageAsFetched(url), asFetched);

  DLClearListBox(1);
  run.RenamedReferences.clear();
  tab.LeftTabShown = "PGTab02LTab02PageCSSJS";
  {
    // Discovery reads its own formatted copy, with escaped quotes of scripts masked; it is let
    // go before the page is rewritten.
    std::string discovery = FormatHTMLSource(run.ConvertedHtml);
    ReplaceAllIn(discovery, "\\\"", "@%@", CaseMode::Exact);
    if (stages_.DLMakePageCSSJS(*this, url, saveFolder, discovery) == -1) return -1;
  }
  tab.ListBoxPGTab02LTab07AllImportCSSFileDownloaedCSSJS.clear();
  tab.ListBoxPGTab02LTab04DLCSSFileImportCSS.clear();
  stages_.DLDownloadCSSJS(*this, saveFolder);
  stages_.DLRecursiveGetCSSJS(*this, url, saveFolder);
  const auto noteFileLimit = [this](LimitPane pane) {
    const bool bytes = fetcher_.LimitHit() == RunFetcher::Limit::Bytes;
    NoteLimit(pane, Message(bytes ? messages::kByteLimit : messages::kFileLimit) +
                        std::to_string(bytes ? fetchSettings.bytesPerRun >> 20
                                             : fetchSettings.filesPerRun) +
                        Message(messages::kLimitUrlSeparator) + fetcher_.FirstRefusedUrl());
  };
  if (fetcher_.LimitReached()) {
    noteFileLimit(LimitPane::StyleSheets);
  } else if (!tab.CheckBoxDonttSaveImage) {
    tab.LeftTabShown = "PGTab02LTab03LPageImage";
    stages_.DLDownloadImage(*this, saveFolder);
    if (fetcher_.LimitReached()) noteFileLimit(LimitPane::Images);
  }

  const std::size_t head = FindText(run.ConvertedHtml, "<head", CaseMode::Exact);
  run.PreHeadText =
      head == std::string::npos || head == 0 ? std::string() : run.ConvertedHtml.substr(0, head);
  // The converted page is not read again: it becomes the text that the passes rewrite.
  std::string text = std::move(run.ConvertedHtml);
  run.ConvertedHtml.clear();

  const bool baseTag = !run.BaseHrefDir.empty();
  // A base tag kept as a folder of the save folder decides where the saved page's relative
  // references lead; else they lead from the page's own folder.
  const bool keptBase = baseTag && tab.RadioGroupRemoveBaseHref <= 1 && run.BaseHrefDir != "/";
  if (baseTag) {
    switch (tab.RadioGroupRemoveBaseHref) {
      case 0:
      case 1:
        run.BaseHrefDirPath = UrlDirPath(run.BaseHrefDir);
        text = BaseTagToLocalPath(text, run.BaseHrefDir, saveFolder);
        break;
      case 2:
        // The style sheets of the base's folder are among the references made to lead to
        // their files below, wherever the page lies in the save folder.
        text = CommentOutBaseTag(text);
        run.BaseHrefDirPath = UrlDirPath(run.BaseHrefDir);
        break;
      case 3:
        text = CommentOutBaseTag(text);
        break;
      default:
        break;
    }
  }
  std::string referenceFolder = FolderOfPath(run.PagePath);
  if (keptBase) {
    referenceFolder = std::string(saveFolder);
    if (!referenceFolder.ends_with('/')) referenceFolder += '/';
    if (!run.BaseHrefDirPath.empty()) referenceFolder += run.BaseHrefDirPath + "/";
  }

  // Style sheets and scripts are saved converted and rewritten, so the digests of their tags'
  // integrity attributes no longer hold; files saved as they came keep theirs.
  {
    std::unordered_set<std::string> changed;
    for (const std::string& row : tab.ListBoxPGTab02LTab02PageWebCSS)
      changed.insert(SplitReferenceRow(row).reference);
    RemoveIntegrityOf(text, [&changed](std::string_view reference) {
      return changed.contains(std::string(TrimControlChars(reference)));
    });
  }

  // Images saved under names of their own, before the passes turn their addresses into the
  // name they shared; and with the base tag gone, the references that were resolved against it
  // made to lead to their files from the page's folder.
  std::vector<RenamedReference> rewritten = run.RenamedReferences;
  if (!keptBase && ReferenceBase(url, run.BaseHrefValue) != url) {
    for (const auto* rows :
         {&tab.ListBoxPGTab02LTab02PageWebCSS, &tab.ListBoxPGTab02LTab03PageImage})
      AppendBasedReferences(*rows, rewritten);
  }
  RewriteRenamedReferencesIn(text, rewritten, referenceFolder);

  std::string root = UrlRoot(url);
  if (root.ends_with('/')) root.pop_back();
  ReplaceAllIn(text, root, "", CaseMode::IgnoreAsciiCase);
  const bool rootRelativeRewritten = tab.RadioGroupDLHTMLDQSlash == 1;
  const std::string dummy = rootRelativeRewritten ? TopDummyFolder() : std::string();
  // Under a kept base, root-relative references are given their way up from the base's folder
  // below, with the rest of them.
  if (rootRelativeRewritten && !keptBase) RemoveUrlRootIn(url, text, dummy);
  const bool otherHostsRemoved = tab.RadioGroupRemoveOtherDmain == 1;
  if (otherHostsRemoved)
    RemoveDomainFromHTMLFileIn(url, text, tab.ListBoxPGTab02LTab09LHref, &host_.clipboard);
  ReplaceAllIn(text, ".css/\"", ".css\"", CaseMode::IgnoreAsciiCase);
  ReplaceAllIn(text, ".js/\"", ".js\"", CaseMode::IgnoreAsciiCase);
  ChangeFrameUrlnameIn(url, text, tab.ListBoxWBInFrameFileList, &host_.clipboard);
  ChangeHTMLSrcUrlnameIn(url, text, tab.ListBoxPGTab02LTab02PageWebCSS);
  ChangeHTMLSrcUrlnameIn(url, text, tab.ListBoxPGTab02LTab03PageImage);
  if (otherHostsRemoved) RemoveHTMLSrcUrlnameIn(url, text, tab.ListBoxPGTab02LTab09LHref);

  // Root-relative references and links to the site root, with the way up to the save folder
  // from where relative references lead: the page's folder, or a kept base tag's. The
  // candidates of srcset values are references too, after the first of each as well.
  if (!baseTag) host_.clipboard.SetText(text);
  const std::string prefix =
      keptBase ? RootRelativePrefix(run.BaseHrefDir, "") : RootRelativePrefix(url, dummy);
  RewriteRootRelativeIn(text, prefix, tab.EditTopPageHTMLFilename);
  RewriteSrcsetUrlsIn(text, [&prefix](std::string_view candidate) -> std::optional<std::string> {
    if (!candidate.starts_with('/') || candidate.starts_with("//")) return std::nullopt;
    return prefix + std::string(candidate.substr(1));
  });

  if (!run.PreHeadText.empty()) {
    if (const std::size_t at = FindText(text, "<head", CaseMode::Exact);
        at != std::string::npos && at > 0)
      text.replace(0, at, run.PreHeadText);
  }
  text = ClleanupSaveHTMLFile(text, run.RunPageUrl);
  text = stages_.DLReplaceIframehtml(*this, url, text, saveFolder);
  if (tab.EditTopPageHTMLFilename.empty()) tab.EditTopPageHTMLFilename = "index.html";
  run.TopPageName = tab.EditTopPageHTMLFilename;
  MakeLocalLinksIn(run.TopPageName, text);

  if (!tab.CheckBoxDLsaveThisname) {
    tab.LabelDownloadedFile =
        Message(messages::kOpenBracket) + run.PagePath + Message(messages::kCloseBracket);
    SavePageFile(text, AddHtmlExtension(run.PagePath));
  } else {
    const std::string chosen = ChosenNamePath(run.PagePath, tab.EditDLSaveFilename);
    tab.BtnEditWBLocalFilename = chosen;
    tab.LabelDownloadedFile =
        Message(messages::kOpenBracket) + chosen + Message(messages::kCloseBracket);
    SavePageFile(text, chosen);
  }
  if (tab.CheckBoxDLDownloadinnerHTML)
    SaveRunFile(LimitPane::StyleSheets, text, InnerRewrittenPath(run.PagePath));

  if (!ContainsText(run.PagePath, ".htm", CaseMode::Exact))
    SaveRunFile(LimitPane::StyleSheets, text, run.PagePath + ".html");
  if (!run.InnerHtml.empty() && !run.InnerPath.empty())
    SaveRunFile(LimitPane::StyleSheets, run.InnerHtml, run.InnerPath);
  // The view of the saved page takes the text, which is not needed any more.
  tab.RichEditExPGTab02LTab09LocalFileHTML = pageTextViews ? std::move(text) : std::string();
  return 0;
}

void DownloadEngine::DLSaveMakeHTML(std::string_view url, std::string_view file,
                                    std::string_view html, std::string_view) {
  const std::string text = MakeFramesetBasePageText(
      url, html, tab.ListBoxWBInFrameFileList, tab.ListBoxPGTab02LTab02PageWebCSS,
      tab.ListBoxPGTab02LTab03PageImage, tab.ListBoxPGTab02LTab09LHref, run.RunPageUrl,
      &host_.clipboard);
  SavePageFile(text, file);
  const std::string name = FileNameOfPath(file);
  if (!ContainsText(name, ".htm", CaseMode::Exact) ||
      (ContainsText(name, "@", CaseMode::Exact) && ContainsText(name, "=", CaseMode::Exact)))
    SaveRunFile(LimitPane::StyleSheets, text, std::string(file) + ".html");
  tab.RichEditExPGTab02RTab02HTMLSrc = text;
  tab.BtnEditWBLocalFilename = std::string(file);
  tab.WindowCaption = DownloadCaption();
}

int DownloadEngine::DLPostProcess(std::string_view saveFolder) {
  PostProcessInput input;
  input.BtnEditWBLocalFilename = tab.BtnEditWBLocalFilename;
  input.BtnEditWBPageSaveFolder = std::string(saveFolder);
  input.ListBoxPGTab02LTab02PageFileDownloaedCSSJS = tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS;
  input.ListBoxPGTab02LTab03PageImageDownloaedImage =
      tab.ListBoxPGTab02LTab03PageImageDownloaedImage;
  input.CheckBoxDLCSSOnly =
      tab.CheckBoxDLCSSOnly ? MergeScope::StyleSheetsOnly : MergeScope::StyleSheetsAndScripts;
  input.progress = [this](std::string_view count, std::string_view path) {
    tab.LabelDownloadedFileCount = std::string(count);
    tab.LabelDownloadedFile = std::string(path);
    host_.pump.ProcessPendingEvents();
  };
  input.effects = HostFileEffects(host_.clipboard, host_.pump);
  const PostProcessResult result = pellucor::DLPostProcess(input);
  if (!result.BtnEditLocalFileCSSJSList.empty())
    tab.BtnEditLocalFileCSSJSList = result.BtnEditLocalFileCSSJSList;
  if (!result.BtnEditLocalFileTotalCSSJS.empty())
    tab.BtnEditLocalFileTotalCSSJS = result.BtnEditLocalFileTotalCSSJS;
  if (!result.BtnEditLocalFileImageList.empty())
    tab.BtnEditLocalFileImageList = result.BtnEditLocalFileImageList;
  for (const std::string& line : result.notSaved)
    NoteLimit(LimitPane::StyleSheets, Message(messages::kNotSaved) + line);
  if (!result.error.empty()) host_.dialogs.ShowMessage(result.error, MessageKind::Error);
  return 0;
}

}  // namespace pellucor

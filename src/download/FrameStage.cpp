// Frames and inline frames: a frameset page and a page with inline frames are saved as one page;
// the pages they embed are listed for the user to fetch one by one, and the saved page names
// them by the local names those downloads will give them.
#include <filesystem>
#include <optional>

#include "download/AllFrames.h"
#include "download/DownloadEngine.h"
#include "download/PageResourceStages.h"
#include "html/FrameSources.h"
#include "html/HtmlScan.h"
#include "html/SaveCharset.h"
#include "text/CodePage932.h"
#include "text/SafePath.h"
#include "text/ShiftJis.h"
#include "text/TextTrim.h"
#include "web/CombineUrl.h"
#include "web/LocalPath.h"
#include "web/PageFiles.h"
#include "web/UrlKinds.h"

namespace pellucor {
namespace {

void AddOnce(std::vector<std::string>& pane, const std::string& line) {
  if (std::find(pane.begin(), pane.end(), line) == pane.end()) pane.push_back(line);
}

}  // namespace

void PageResourceStages::DLMakeFrameSetFile(DownloadEngine& engine, std::string_view url,
                                            std::string_view chosenFile, std::string_view html,
                                            std::string_view saveFolder) {
  if (url.empty() || chosenFile.empty() || saveFolder.empty() || !IsWebUrl(url) ||
      !FolderExists(FolderOfPath(saveFolder)))
    return;
  // The frameset page is saved as any page is: in Shift_JIS under a Shift_JIS declaration, and
  // under the name its address gives a page ("index.html" for a folder's address).
  ConvertedText converted = engine.PageInShiftJis(html);
  if (!converted.ok()) {
    engine.host().dialogs.ShowMessage(converted.error, MessageKind::Error);
    return;
  }
  std::string page = std::move(converted.text);
  SetQuotedCharsetShiftJISIn(page);
  SortedTextList frames;
  for (const std::string& source : FrameSources(page))
    frames.Add(source);
  engine.run.FrameList = frames.items();
  if (frames.empty()) return;
  for (const std::string& frame : frames)
    engine.tab.ListBoxWBInFrameFileList.push_back(std::string(TrimControlChars(frame)));
  const PageFileSet files = MakePageFileSet(
      url, saveFolder, static_cast<UrlDecodeMode>(engine.tab.RadioGroupDLUrlWebDecode),
      engine.TopDummyFolder());
  if (files.pagePath.empty()) return;
  engine.DLSaveMakeHTML(url, files.pagePath, page, saveFolder);
}

void PageResourceStages::DLMakeIframe(DownloadEngine& engine) {
  SortedTextList& tags = engine.run.InlineFrameList;
  if (tags.empty()) return;
  // The list holds each tag's text after its name; the name is put back for the scan.
  std::string joined;
  for (const std::string& tag : tags)
    joined += "<iframe " + tag + ">\r\n";
  tags.Clear();
  for (const std::string& source : FrameSources(joined))
    tags.Add(source);
  if (tags.empty()) return;
  for (const std::string& source : tags)
    AddOnce(engine.tab.ListBoxWBInFrameFileList, source);
  // Each embedded page is fetched by a run of its own into the same folder, which must neither
  // empty the folder nor write the reports anew.
  engine.tab.CheckBoxDontEmptyFolder = true;
  engine.tab.CheckBoxDLDontMakeCSSlist = true;
}

std::string PageResourceStages::DLReplaceIframehtml(DownloadEngine& engine, std::string_view,
                                                    std::string_view text,
                                                    std::string_view saveFolder) {
  const std::vector<std::string>& frames = engine.tab.ListBoxWBInFrameFileList;
  std::string page(text);
  if (frames.empty()) return page;
  for (const std::string& frame : frames) {
    const std::string local = MakeSafeFilePath(UrlToLocalPath(
        frame, saveFolder, static_cast<UrlDecodeMode>(engine.tab.RadioGroupDLUrlWebDecode)));
    if (local.empty()) continue;
    std::string name(TrimControlChars(FileNameOfPath(local)));
    if (name.empty()) continue;
    if (name.starts_with('/')) name.erase(0, 1);
    if (!ContainsText(name, ".htm", CaseMode::Exact))
      ReplaceAllIn(page, name, name + ".html", CaseMode::IgnoreAsciiCase);
  }
  // A name already written with ".html" got a second one above; up to six are taken back.
  for (int count = 6; count >= 2; --count) {
    std::string stacked;
    for (int k = 0; k < count; ++k)
      stacked += ".html";
    ReplaceAllIn(page, stacked, ".html", CaseMode::IgnoreAsciiCase);
  }
  ReplaceAllIn(page, "/?", "/@", CaseMode::Exact);
  return page;
}

void DownloadEngine::DLInFrameFileGo(std::string_view url, std::string_view,
                                     std::string_view frame) {
  const std::string target = FrameAddress(url, frame);
  if (target.empty()) return;
  switch (tab.RadioGroupDLFrameDownload) {
    case 0:
      tab.LabelDownloadedFileCount.clear();
      tab.LabelDownloadedFile.clear();
      tab.LabelLocalBrowserUrl.clear();
      lastRunResult = DLDownloadAll(target);
      tab.RightTabShown = "PGTab02RTab00ResultBrowser";
      break;
    case 1:
      OpenInHtmlViewer(host_.launcher, target);
      break;
    case 2:
      host_.resultBrowser.Navigate(target);
      tab.RightTabShown = "PGTab02RTab00ResultBrowser";
      break;
    default:
      break;
  }
}

void DownloadEngine::ListBoxWBInFrameFileListClick(std::string_view selectedLine) {
  const std::string line(TrimControlChars(selectedLine));
  if (line.empty()) return;
  tab.EditFrameLinkUrl = line;
  GoToFrame(line);
}

void DownloadEngine::sbDLFrameGoClick() {
  const std::string address(TrimControlChars(tab.EditFrameLinkUrl));
  if (!address.empty()) GoToFrame(address);
}

void DownloadEngine::GoToFrame(const std::string& frame) {
  const std::string url(TrimControlChars(tab.ComboBoxWBUrl));
  const std::string folder(TrimControlChars(tab.BtnEditWBPageSaveFolder));
  if (!IsWebUrl(url) || !FolderExists(folder)) return;
  DLInFrameFileGo(url, folder, frame);
  AddOnce(tab.ComboBoxWBUrlItems, frame);
}

}  // namespace pellucor

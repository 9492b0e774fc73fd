#include "download/Workbenches.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "download/DownloadMessages.h"
#include "download/ReportFiles.h"
#include "html/SaveCharset.h"
#include "ports/FileFilters.h"
#include "ports/HostFileEffects.h"
#include "text/CodePage932.h"
#include "text/HtmlCharset.h"
#include "text/SafePath.h"
#include "text/ShiftJis.h"
#include "text/TextFile.h"
#include "text/TextTrim.h"
#include "web/Fetch.h"
#include "web/PageFiles.h"
#include "web/PathBounds.h"
#include "web/UrlForms.h"
#include "web/UrlKinds.h"

namespace pellucor {

namespace messages = download_messages;

namespace {

constexpr std::string_view kBlank = "about:blank";

std::string ReplaceEvery(std::string_view text, std::string_view pattern,
                         std::string_view replacement) {
  std::string result;
  result.reserve(text.size());
  std::size_t from = 0;
  for (std::size_t at = text.find(pattern); at != std::string_view::npos;
       at = text.find(pattern, from)) {
    result.append(text.substr(from, at - from)).append(replacement);
    from = at + pattern.size();
  }
  result.append(text.substr(from));
  return result;
}

// The file's name in the saved site: "index.html" for a URL ending in "/".
std::string SiteFileName(std::string_view url) {
  std::string name = UrlFileName(url);
  return name.empty() ? std::string("index.html") : name;
}

// Whether a direct download's response may be stored as the file: a transfer that ended and a
// status that is no error (an error page is not the file asked for).
bool UsableResponse(const HttpResponse& response) {
  return response.ok() && response.status < 400;
}

}  // namespace

WorkbenchRow SplitWorkbenchRow(std::string_view row) {
  const std::size_t tab = row.find('\t');
  if (tab == std::string_view::npos) return {std::string(row), std::string(row)};
  const std::string_view after = row.substr(tab + 1);
  const std::size_t second = after.find('\t');
  if (second == std::string_view::npos) return {std::string(after), std::string(row)};
  return {std::string(after.substr(0, second)), std::string(after.substr(second + 1))};
}

std::string MakeRootReferencesRelative(std::string_view text, std::string_view url) {
  static constexpr std::string_view kOpenings[] = {"\"", "'", "(\"", "('", "("};
  const bool any = std::any_of(std::begin(kOpenings), std::end(kOpenings), [&](auto opening) {
    return text.find(std::string(opening) + "/") != std::string_view::npos;
  });
  if (!any) return std::string(text);
  const std::string prefix = RootRelativePrefix(url, "");
  std::string result(text);
  // In this order: the quoted forms take the occurrences after "(\"" and "('" already.
  for (const std::string_view opening : kOpenings) {
    const std::string pattern = std::string(opening) + "/";
    std::string replaced;
    replaced.reserve(result.size());
    std::size_t from = 0;
    for (std::size_t at = result.find(pattern); at != std::string::npos;
         at = result.find(pattern, from)) {
      const std::size_t after = at + pattern.size();
      replaced.append(result, from, at - from).append(opening);
      // "//host/..." names another host: it stays as it is.
      if (after < result.size() && result[after] == '/') {
        replaced.append("//");
        from = after + 1;
      } else {
        replaced.append(prefix);
        from = after;
      }
    }
    replaced.append(result, from);
    result = std::move(replaced);
  }
  return result;
}

Workbenches::Workbenches(WorkbenchHost host, DownloadTab& tab) : host_(host), tab_(tab) {}

void Workbenches::ShowMessage(std::string_view utf8) {
  host_.dialogs.ShowMessage(SjisFromUtf8Literal(utf8), MessageKind::Information);
}

std::string Workbenches::SaveFolder() const {
  return std::string(TrimControlChars(tab_.BtnEditWBPageSaveFolder));
}

void Workbenches::MsgFileSaved(std::string_view path) {
  host_.dialogs.ShowMessage(SjisFromUtf8Literal(messages::kFileSavedOpen) + std::string(path) +
                                SjisFromUtf8Literal(messages::kFileSavedClose),
                            MessageKind::Information);
}

void Workbenches::MsgWebFileSaved(std::string_view url, std::string_view path) {
  host_.dialogs.ShowMessage(SjisFromUtf8Literal(messages::kWebFileSavedOpen) + std::string(url) +
                                SjisFromUtf8Literal(messages::kWebFileSavedMiddle) +
                                std::string(path) +
                                SjisFromUtf8Literal(messages::kWebFileSavedClose),
                            MessageKind::Information);
}

// The result panes.

void Workbenches::ListBoxPGTab02LTab02PageWebCSSClick(std::string_view selected) {
  if (selected.empty()) return;
  ListBoxDlLIndividual(selected);
  tab_.RightTabShown = "PGTab02RTab07Individual";
}

void Workbenches::ListBoxPGTab02LTab02PageFileDownloaedCSSJSClick(std::string_view selected) {
  const std::string path(TrimControlChars(RemoveDownloadMark(selected)));
  if (FileExists(path)) {
    tab_.MemoPGTab02RTab07Individual =
        ConvertHtmlToSjis(LoadTextFile(path), static_cast<CharsetCode>(tab_.RadioGroupDLCSSJSCode))
            .text;
    tab_.BtnEditPGTab02RTab07IndividualFilename = path;
    tab_.RightTabShown = "PGTab02RTab07Individual";
    return;
  }
  tab_.LabelDLCSSJSWinFilename = path;
  tab_.MemoPGTab02RTab06CSSJS.clear();
  ShowMessage(messages::kFileNotFound);
}

void Workbenches::ListBoxPGTab02LTab03PageImageClick(std::string_view selected) {
  if (selected.empty()) return;
  tab_.RightTabShown = "PGTab02RTab08ImageIndividual";
  ListBoxDLIndividualImage(selected);
}

void Workbenches::ListBoxPGTab02LTab03PageImageDownloaedImageClick(std::string_view selected) {
  const std::string path(TrimControlChars(RemoveDownloadMark(selected)));
  if (!FileExists(path)) {
    ShowMessage(messages::kFileNotFound);
    return;
  }
  host_.imageBrowser.Navigate(path);
  tab_.BtnEditPGTab02RTab08ImageIndividualFilename = path;
  tab_.RightTabShown = "PGTab02RTab08ImageIndividual";
}

void Workbenches::ListBoxDlLIndividual(std::string_view row) {
  WorkbenchRow split = SplitWorkbenchRow(row);
  tab_.EditPGTab02RTab07IndividualUrl = split.url;
  tab_.EditPGTab02RTab08ImageIndividualUrl = std::move(split.url);
  tab_.BtnEditPGTab02RTab07IndividualFilename = std::move(split.path);
  sbPGTab02RTab07IndividualUrlClick();
}

void Workbenches::ListBoxDLIndividualImage(std::string_view row) {
  WorkbenchRow split = SplitWorkbenchRow(row);
  tab_.EditPGTab02RTab08ImageIndividualUrl = split.url;
  tab_.EditPGTab02RTab07IndividualUrl = std::move(split.url);
  tab_.BtnEditPGTab02RTab08ImageIndividualFilename = std::move(split.path);
  sbPGTab02RTab08ImageIndividualGoClick();
}

// The text workbench.

std::string Workbenches::TakeTextUrl() {
  std::string url(TrimControlChars(tab_.EditPGTab02RTab07IndividualUrl));
  std::erase(url, '\\');
  tab_.EditPGTab02RTab07IndividualUrl = url;
  return url;
}

void Workbenches::sbPGTab02RTab07IndividualUrlClick() {
  const std::string url = TakeTextUrl();
  const std::string file(TrimControlChars(tab_.BtnEditPGTab02RTab07IndividualFilename));
  host_.textBrowser.Navigate(kBlank);
  std::string& memo = tab_.MemoPGTab02RTab07Individual;
  memo.clear();
  const auto charset = static_cast<CharsetCode>(tab_.RadioGroupDLIndividualCode);
  const auto readConverted = [&] {
    return CollapseBlankLines(ConvertHtmlToSjis(ReadUrlText(host_.http, url), charset).text);
  };
  if (IsWebUrl(url)) {
    switch (tab_.RadioGroupDLIndividualScreen) {
      case 0:
        switch (ClassifyResourceUrl(url)) {
          case ResourceClass::NotFetched:
            break;
          case ResourceClass::Image:
            host_.textBrowser.Navigate(url);
            break;
          case ResourceClass::Text:
            if (const std::string text = ReadUrlText(host_.http, url); text.empty()) {
              memo = SjisFromUtf8Literal(messages::kNoDataOpen) + url +
                     SjisFromUtf8Literal(messages::kNoDataClose);
              return;
            } else {
              memo = CollapseBlankLines(ConvertHtmlToSjis(text, charset).text);
            }
            break;
        }
        break;
      case 1:
        memo = readConverted();
        break;
      default:
        host_.textBrowser.Navigate(url);
        break;
    }
  } else if (FileExists(file)) {
    memo = LoadTextFile(file);
  }
  if (const std::string folder = SaveFolder(); !folder.empty()) {
    tab_.BtnEditPGTab02RTab07IndividualFilename =
        MakeSafeFilePath(folder + UrlDirPath(url) + "/" + SiteFileName(url));
  }
}

void Workbenches::sbPGTab02RTab07IndividualDownloadClick() {
  host_.textBrowser.Navigate(kBlank);
  tab_.MemoPGTab02RTab07Individual.clear();
  const std::string url = TakeTextUrl();
  const std::string folder = SaveFolder();
  if (!IsWebUrl(url) || folder.empty()) return;
  const std::string directory = folder + UrlDirPath(url);
  const std::string name = SiteFileName(url);
  const std::string local = MakeSafeFilePath(directory + "/" + name);
  const std::string asFetched = MakeSafeFilePath(directory + "/" + "ZZOrg_" + name);
  // One request gives both files: the working copy and the copy as fetched.
  const HttpResponse response = host_.http.Get(url);
  if (!UsableResponse(response) || !IsInsideFolder(local, folder) ||
      !WriteResponseBytes(response, local, folder)) {
    ShowMessage(messages::kDirectDownloadFailed);
    return;
  }
  if (!IsInsideFolder(asFetched, folder) || !WriteResponseBytes(response, asFetched, folder))
    return;
  MsgWebFileSaved(url, local);
  tab_.BtnEditPGTab02RTab07IndividualFilename = local;
  sbsbPGTab02RTab07IndividualOpenFileGoClick();
}

void Workbenches::ShowTextFile(std::string_view path) {
  tab_.MemoPGTab02RTab07Individual =
      ConvertHtmlToSjis(LoadTextFile(path),
                        static_cast<CharsetCode>(tab_.RadioGroupDLIndividualCode))
          .text;
  if (ContainsText(ExtensionOf(path), ".htm", CaseMode::Exact)) host_.textBrowser.Navigate(path);
}

void Workbenches::sbsbPGTab02RTab07IndividualOpenFileGoClick() {
  std::string file(TrimControlChars(tab_.BtnEditPGTab02RTab07IndividualFilename));
  if (file.empty()) {
    const std::optional<std::string> chosen =
        host_.dialogs.ChooseOpenFile({{}, SjisFromUtf8Literal(file_filters::kTextFile), {}, {}});
    if (!chosen) return;
    file = *chosen;
    tab_.BtnEditPGTab02RTab07IndividualFilename = file;
  }
  if (file.empty()) return;
  ShowTextFile(file);
}

void Workbenches::sbsbPGTab02RTab07IndividualOpenFileClick() {
  const std::string current(TrimControlChars(tab_.BtnEditPGTab02RTab07IndividualFilename));
  const std::optional<std::string> chosen =
      host_.dialogs.ChooseOpenFile({{},
                                    SjisFromUtf8Literal(file_filters::kTextFile),
                                    current.empty() ? "" : FolderOfPath(current),
                                    {}});
  if (!chosen || chosen->empty()) return;
  tab_.BtnEditPGTab02RTab07IndividualFilename = *chosen;
  ShowTextFile(*chosen);
}

void Workbenches::sbsbPGTab02RTab07IndividualSaveFileClick() {
  if (tab_.MemoPGTab02RTab07Individual.empty()) return;
  const std::string url(TrimControlChars(tab_.EditPGTab02RTab07IndividualUrl));
  std::string proposed = ReplaceEvery(MakeSafeFilePath(url), "//", "@");
  proposed = FileNameOfPath(proposed);
  std::string file(TrimControlChars(tab_.BtnEditPGTab02RTab07IndividualFilename));
  bool chosenByUser = false;
  if (file.empty()) {
    const std::optional<std::string> chosen = host_.dialogs.ChooseSaveFile(
        {{}, SjisFromUtf8Literal(file_filters::kHtmlSave), {}, proposed});
    if (!chosen) return;
    file = *chosen;
    tab_.BtnEditPGTab02RTab07IndividualFilename = file;
    chosenByUser = true;
  }
  if (file.empty()) return;
  file = MakeSafeFilePath(file);
  std::string text =
      ConvertSaveCharset(tab_.MemoPGTab02RTab07Individual,
                         static_cast<CharsetCode>(tab_.RadioGroupDLIndividualCodeSaveFile));
  text = MakeRootReferencesRelative(text, url);

  const FileSideEffects effects = HostFileEffects(host_.clipboard, host_.pump);
  const std::string folder = SaveFolder();
  SaveResult result;
  if (chosenByUser) {
    result = SaveTextFile(text, file, effects);
  } else if (!folder.empty() && IsInsideFolder(file, folder)) {
    result = SaveTextFileInside(text, file, folder, effects);
  } else {
    // A path typed into the box that leads out of the saved site is written only where the
    // user confirms it in the save dialog.
    const std::optional<std::string> chosen =
        host_.dialogs.ChooseSaveFile({{},
                                      SjisFromUtf8Literal(file_filters::kHtmlSave),
                                      FolderOfPath(file),
                                      FileNameOfPath(file)});
    if (!chosen || chosen->empty()) return;
    file = *chosen;
    tab_.BtnEditPGTab02RTab07IndividualFilename = file;
    result = SaveTextFile(text, file, effects);
  }
  if (result.outcome != SaveOutcome::Written) {
    host_.dialogs.ShowMessage(
        SjisFromUtf8Literal(messages::kFileNotSaved) + file + "  (" + result.reason + ")",
        MessageKind::Error);
    return;
  }
  MsgFileSaved(file);
}

void Workbenches::sbsbPGTab02RTab07IndividualMemoClearClick() {
  host_.textBrowser.Navigate(kBlank);
  tab_.MemoPGTab02RTab07Individual.clear();
  tab_.BtnEditPGTab02RTab07IndividualFilename.clear();
}

void Workbenches::sbsbPGTab02RTab07IndividualCOPYClick() {
  host_.clipboard.SetText(tab_.MemoPGTab02RTab07Individual);
}

void Workbenches::sbPGTab02RTab07IndividualUrlPasteClick() {
  tab_.EditPGTab02RTab07IndividualUrl = host_.clipboard.Text();
}

// The image workbench.

void Workbenches::sbPGTab02RTab08ImageIndividualGoClick() {
  const std::string url(TrimControlChars(tab_.EditPGTab02RTab08ImageIndividualUrl));
  host_.imageBrowser.Navigate(kBlank);
  if (IsWebUrl(url)) host_.imageBrowser.Navigate(url);
}

void Workbenches::sbPGTab02RTab08ImageIndividualDownloadClick() {
  host_.imageBrowser.Navigate(kBlank);
  const std::string url(TrimControlChars(tab_.EditPGTab02RTab08ImageIndividualUrl));
  const std::string folder = SaveFolder();
  if (!IsWebUrl(url) || folder.empty()) return;
  const std::string local = MakeSafeFilePath(folder + UrlPathPart(url));
  bool stored = false;
  if (IsInsideFolder(local, folder)) {
    const HttpResponse response = host_.http.Get(url);
    stored = StoreResource(response, url, local, FileExtension::KeepName, folder).stored;
  }
  if (!stored) {
    tab_.BtnEditPGTab02RTab08ImageIndividualFilename.clear();
    ShowMessage(messages::kDirectDownloadFailed);
    return;
  }
  tab_.BtnEditPGTab02RTab08ImageIndividualFilename = local;
  if (FileExists(local)) host_.imageBrowser.Navigate(local);
  MsgWebFileSaved(url, local);
}

void Workbenches::sbPGTab02RTab08ImageIndividualOpenFileClick() {
  const std::optional<std::string> chosen =
      host_.dialogs.ChooseOpenFile({{}, SjisFromUtf8Literal(messages::kImageFileFilter), {}, {}});
  if (!chosen || chosen->empty()) return;
  host_.imageBrowser.Navigate(*chosen);
  tab_.BtnEditPGTab02RTab08ImageIndividualFilename = *chosen;
}

void Workbenches::sbPGTab02RTab08ImageIndividualClearClick() {
  host_.imageBrowser.Navigate(kBlank);
}

void Workbenches::sbPGTab02RTab08ImageIndividualPasteClick() {
  tab_.EditPGTab02RTab08ImageIndividualUrl = host_.clipboard.Text();
}

// The label commands.

void Workbenches::LabelWBDLUrlClick() {
  host_.dialogs.ShowMessage(
      SjisFromUtf8Literal(messages::kUrlRootMessage) + UrlRoot(tab_.ComboBoxWBUrl),
      MessageKind::Information);
}

void Workbenches::LabelDLClearListBoxClick() {
  const std::optional<std::string> chosen =
      host_.dialogs.ChooseOpenFile({{}, SjisFromUtf8Literal(file_filters::kTextFile), {}, {}});
  if (!chosen) return;
  std::string text = ConvertHtmlToSjis(LoadTextFile(*chosen), CharsetCode::Automatic).text;
  tab_.MemoPGTab02RTab07Individual =
      text.empty() ? SjisFromUtf8Literal(messages::kEmptyFileMarker) : text;
}

}  // namespace pellucor

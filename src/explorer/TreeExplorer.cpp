#include "explorer/TreeExplorer.h"

#include <array>
#include <optional>
#include <utility>

#include "flash/FlashPage.h"
#include "html/SaveCharset.h"
#include "ports/FileFilters.h"
#include "text/CodePage932.h"
#include "text/HtmlCharset.h"
#include "text/ShiftJis.h"
#include "text/TextFile.h"

namespace pellucor {
namespace {

constexpr std::string_view kBlank = "about:blank";
constexpr std::chrono::milliseconds kFlashSettleTime{1000};

enum class FileKind { Text, Image, Page, Archive, Flash, Other };

// The rules in their order; each looks for its texts anywhere in the lower-cased extension.
struct KindRule {
  FileKind kind;
  std::array<std::string_view, 10> extensions;
};
constexpr KindRule kKindRules[] = {
    {FileKind::Text,
     {".txt", ".css", ".js", ".rss", ".rdf", ".xml", ".bat", ".sys", ".pif", ".htc"}},
    {FileKind::Image, {".gif", ".jpg", ".png", ".bmp", ".ico"}},
    {FileKind::Page, {".htm"}},
    {FileKind::Archive, {".mht"}},
    {FileKind::Flash, {".swf"}},
};

FileKind KindOf(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return FileKind::Other;
  const std::string extension = LowerAsciiBytes(name.substr(dot));
  for (const KindRule& rule : kKindRules) {
    for (const std::string_view text : rule.extensions) {
      if (!text.empty() && extension.find(text) != std::string::npos) return rule.kind;
    }
  }
  return FileKind::Other;
}

std::string FolderOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return {};
  return slash == 0 ? std::string("/") : std::string(path.substr(0, slash));
}

}  // namespace

TreeExplorer::TreeExplorer(ExplorerHost host, ExplorerTab& tab)
    : host_(std::move(host)), tab_(tab) {}

void TreeExplorer::ShowInBrowsers(std::string_view path) {
  host_.rightBrowser.Navigate(path);
  if (tab_.CheckBoxTreeExplorerDisplayLeft) host_.leftBrowser.Navigate(path);
}

void TreeExplorer::ShowText(std::string_view sjisPath, Colours colours) {
  host_.view.SetText(ConvertHtmlToSjis(LoadTextFile(sjisPath),
                                       static_cast<CharsetCode>(tab_.RadioGroupTreeExplorer))
                         .text);
  if (colours == Colours::Syntax) {
    ColorizeHtmlView(host_.view, host_.pause);
  } else {
    host_.view.SetMargins(40, 30);
  }
}

void TreeExplorer::ChooseNode(const TreeNode& node) {
  tab_.StatusText.clear();
  const std::optional<std::string> sjis = Utf8ToSjisExact(node.path);
  if (!sjis) {
    tab_.StatusText = SjisFromUtf8Literal("この名前はシフトJISで表せないため、表示できません： ") +
                      Utf8ToSjis(node.path).text;
    return;
  }
  const std::string& path = *sjis;
  if (node.kind != NodeKind::File) {
    // A place or a folder: the search folder, and the path with its separator at the end.
    tab_.TreeExpComboBoxFSDir = path;
    tab_.LabelTreeExpFilename = path.ends_with('/') ? path : path + "/";
    tab_.SelectedTreeFile.clear();
    return;
  }
  const std::string name = node.text;
  if (name.find('.') != std::string::npos) {
    tab_.SelectedTreeFile = path;
    tab_.TreeExpComboBoxFSDir = FolderOf(path);
  }
  tab_.LabelTreeExpFilename = tab_.SelectedTreeFile;
  switch (KindOf(name)) {
    case FileKind::Text:
      host_.rightBrowser.Navigate(kBlank);
      host_.leftBrowser.Navigate(kBlank);
      tab_.LabelTreeExpFileType = "Text";
      tab_.LabelTreeExpFilename = path;
      tab_.BtnEditTreeExplorerSave = path;
      ShowText(path, Colours::Plain);
      break;
    case FileKind::Image:
    case FileKind::Archive:
      tab_.LabelTreeExpFileType = KindOf(name) == FileKind::Image ? "Image" : "mht";
      tab_.LabelTreeExpFilename = path;
      tab_.BtnEditTreeExplorerSave.clear();
      host_.view.SetText("");
      ShowInBrowsers(path);
      break;
    case FileKind::Page:
      tab_.LabelTreeExpFileType = "html";
      tab_.LabelTreeExpFilename = path;
      tab_.BtnEditTreeExplorerSave.clear();
      ShowInBrowsers(path);
      ShowText(path, Colours::Syntax);
      host_.BtnEditConfirmLocalHTMLFile = path;
      break;
    case FileKind::Flash: {
      tab_.LabelTreeExpFileType = "swf";
      tab_.LabelTreeExpFilename = path;
      tab_.BtnEditTreeExplorerSave.clear();
      const std::string page = MakeFlashHTML(path);
      host_.rightBrowser.WriteDocument("");
      host_.rightBrowser.WriteDocument(page);
      host_.pause(kFlashSettleTime);
      if (tab_.CheckBoxTreeExplorerDisplayLeft) {
        host_.leftBrowser.WriteDocument("");
        host_.leftBrowser.WriteDocument(page);
      }
      break;
    }
    case FileKind::Other:
      break;
  }
}

void TreeExplorer::CollapseNode() {
  tab_.SelectedTreeFile.clear();
  tab_.LabelTreeExpFilename.clear();
  host_.rightBrowser.Navigate(kBlank);
  host_.leftBrowser.Navigate(kBlank);
  host_.view.SetText("");
}

void TreeExplorer::OpenWithAssociatedProgram() {
  if (FileExists(tab_.LabelTreeExpFilename))
    host_.launcher.OpenWithAssociatedProgram(tab_.LabelTreeExpFilename);
}

void TreeExplorer::OpenInHtmlViewer() {
  if (FileExists(tab_.LabelTreeExpFilename))
    pellucor::OpenInHtmlViewer(host_.launcher, tab_.LabelTreeExpFilename);
}

void TreeExplorer::OpenInTextEditor() {
  if (FileExists(tab_.LabelTreeExpFilename))
    host_.launcher.OpenWithTextEditor(tab_.LabelTreeExpFilename);
}

void TreeExplorer::sbTreeExplorerSaveClick() {
  std::string text = host_.view.Text();
  if (text.empty()) return;
  FileDialogRequest request{{}, SjisFromUtf8Literal(file_filters::kTextFile), {}, {}};
  if (FileExists(tab_.LabelTreeExpFilename)) {
    request.initialFolder = FolderOf(tab_.LabelTreeExpFilename);
    const std::size_t slash = tab_.LabelTreeExpFilename.rfind('/');
    request.proposedName = tab_.LabelTreeExpFilename.substr(slash + 1);
  }
  const std::optional<std::string> chosen = host_.dialogs.ChooseSaveFile(request);
  if (!chosen || chosen->empty()) return;
  tab_.BtnEditTreeExplorerSave = *chosen;
  const auto code = static_cast<CharsetCode>(tab_.RadioGroupTreeExplorerSave);
  if (!tab_.CheckBoxTreeExplorerDontChangeCharsetWithSave) text = ReplaceCharsetName(text, code);
  const SaveResult result = SaveTextFile(ConvertSaveCharset(text, code), *chosen);
  if (result.outcome != SaveOutcome::Written) {
    tab_.StatusText = SjisFromUtf8Literal("ファイルを保存できませんでした： ") + *chosen + "  (" +
                      result.reason + ")";
    host_.dialogs.ShowMessage(tab_.StatusText, MessageKind::Error);
  }
}

}  // namespace pellucor

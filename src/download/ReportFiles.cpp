#include "download/ReportFiles.h"

#include <array>
#include <filesystem>
#include <optional>
#include <system_error>

#include "text/CodePage932.h"
#include "text/HtmlCharset.h"
#include "text/NumberText.h"
#include "text/ShiftJis.h"
#include "text/SortedTextList.h"
#include "text/TextTrim.h"
#include "web/PageFiles.h"
#include "web/PathBounds.h"

namespace pellucor {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;
constexpr std::string_view kLineEnd = "\r\n";

// The Japanese texts of the reports, converted to Shift_JIS once.
struct ReportTexts {
  std::array<std::string, 13> marks;
  std::string failedMark;      // "●"
  std::string failedColumn;    // "●  "
  std::string doneColumn;      // "◎  "
  std::string headerStart;     // four full-width blanks and "【 "
  std::string bracketOpen;     // "【 "
  std::string bracketClose;    // " 】"
  std::string mergedOpenEnd;   // " 】▽▽▽"
  std::string mergedOpen;      // "▼▼▼【 "
  std::string mergedClose;     // "△△△【 "
  std::string mergedCloseEnd;  // " 】▲▲▲"
  std::string listSuffix;
  std::string mergedSuffix;
  std::string imageSuffix;
};

const ReportTexts& Texts() {
  static const ReportTexts texts = [] {
    ReportTexts t;
    constexpr std::array<std::string_view, 13> kMarks = {"●", "■", "▼", "▲", "★", "◆", "〓",
                                                         "◎", "○", "△", "▽", "□", "◇"};
    for (std::size_t i = 0; i < kMarks.size(); ++i)
      t.marks[i] = SjisFromUtf8Literal(kMarks[i]);
    t.failedMark = SjisFromUtf8Literal("●");
    t.failedColumn = SjisFromUtf8Literal("●  ");
    t.doneColumn = SjisFromUtf8Literal("◎  ");
    t.headerStart = SjisFromUtf8Literal("　　　　【 ");
    t.bracketOpen = SjisFromUtf8Literal("【 ");
    t.bracketClose = SjisFromUtf8Literal(" 】");
    t.mergedOpen = SjisFromUtf8Literal("▼▼▼【 ");
    t.mergedOpenEnd = SjisFromUtf8Literal(" 】▽▽▽");
    t.mergedClose = SjisFromUtf8Literal("△△△【 ");
    t.mergedCloseEnd = SjisFromUtf8Literal(" 】▲▲▲");
    t.listSuffix = SjisFromUtf8Literal("_CSS_JS_一覧.txt");
    t.mergedSuffix = SjisFromUtf8Literal("_CSS_JS_統合.txt");
    t.imageSuffix = SjisFromUtf8Literal("_Image_一覧.txt");
    return t;
  }();
  return texts;
}

bool IsDownloadMark(std::string_view character) {
  for (const std::string& mark : Texts().marks) {
    if (character == mark) return true;
  }
  return false;
}

// Anything at the path - a file, a folder, even a dangling link - counts, so that a report
// never replaces it; so does a path whose state cannot be read. A path without a system name
// holds nothing (and SaveTextFile refuses it).
bool ReportExists(std::string_view path) {
  const std::optional<std::string> name = SjisToUtf8Exact(path);
  if (!name) return false;
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::symlink_status(*name, error);
  return status.type() != std::filesystem::file_type::not_found;
}

std::string_view FileNameOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == kNotFound ? path : path.substr(slash + 1);
}

template <typename Lines>
std::string JoinLines(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += kLineEnd;
  }
  return text;
}

std::string Header(std::string_view saveFolder) {
  std::string header = Texts().headerStart;
  header += saveFolder;
  header += Texts().bracketClose;
  return header;
}

bool IsMergedKind(std::string_view extension, MergeScope scope) {
  const bool script = ContainsText(extension, ".js", CaseMode::Exact);
  if (script && scope == MergeScope::StyleSheetsOnly) return false;
  return script || ContainsText(extension, ".css", CaseMode::Exact) ||
         ContainsText(extension, ".xml", CaseMode::Exact);
}

std::string Bracketed(std::string_view text) {
  std::string bracketed = Texts().bracketOpen;
  bracketed += text;
  bracketed += Texts().bracketClose;
  return bracketed;
}

}  // namespace

std::string RemoveDownloadMark(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = CharLengthAt(text, at);
    const std::string_view character = text.substr(at, length);
    if (length != 2 || !IsDownloadMark(character)) result += character;
    at += length;
  }
  return result;
}

std::string DownloadReportLine(std::string_view markedLine, std::string_view saveFolder,
                               int width) {
  const std::string path = RemoveDownloadMark(markedLine);
  std::string below = path;
  if (const std::size_t at = FindText(path, saveFolder, CaseMode::Exact);
      !saveFolder.empty() && at != kNotFound)
    below.erase(at, saveFolder.size());
  ReplaceAllIn(below, "\\", "/", CaseMode::Exact);
  std::string line(FileNameOf(path));
  line += '\t';
  line += ContainsText(markedLine, Texts().failedMark, CaseMode::Exact) ? Texts().failedColumn
                                                                        : Texts().doneColumn;
  line += '/';
  line += below;
  return PadBeforeTab(line, width);
}

ReportFilePaths ReportFilePathsFor(std::string_view savedPage) {
  const std::string_view name = FileNameOf(savedPage);
  const std::string_view folder = savedPage.substr(0, savedPage.size() - name.size());
  const std::size_t dot = name.rfind('.');
  std::string stem(folder);
  stem += "ZU_";
  stem += dot == kNotFound ? name : name.substr(0, dot);
  return {stem + Texts().listSuffix, stem + Texts().mergedSuffix, stem + Texts().imageSuffix};
}

PostProcessResult DLPostProcess(const PostProcessInput& input) {
  PostProcessResult result;
  const std::string& folder = input.BtnEditWBPageSaveFolder;
  const ReportFilePaths paths = ReportFilePathsFor(input.BtnEditWBLocalFilename);
  if (!IsInsideFolder(paths.styleScriptList, folder)) return result;
  // A report that cannot be written is told in the pane; the others are still written.
  const auto save = [&](std::string_view text, const std::string& path) {
    const SaveResult saved = SaveTextFileInside(text, path, folder, input.effects);
    if (saved.outcome == SaveOutcome::Written) return true;
    if (!text.empty()) result.notSaved.push_back(path + "  (" + saved.reason + ")");
    return false;
  };

  const std::vector<std::string>& styleScripts = input.ListBoxPGTab02LTab02PageFileDownloaedCSSJS;
  std::vector<std::string> merged;
  if (!ReportExists(paths.styleScriptList) && !styleScripts.empty()) {
    std::vector<std::string> list = {Header(folder), std::string(kLineEnd)};
    std::string lastMerged;
    const std::string count = std::to_string(styleScripts.size());
    for (std::size_t i = 0; i < styleScripts.size(); ++i) {
      list.push_back(DownloadReportLine(styleScripts[i], folder, kStyleScriptReportWidth));
      const std::string path = RemoveDownloadMark(styleScripts[i]);
      // A file listed twice in a row (fetched, then found again) is merged once.
      if (path == lastMerged || !IsMergedKind(ExtensionOf(path), input.CheckBoxDLCSSOnly)) continue;
      if (input.progress)
        input.progress(Bracketed(std::to_string(i + 1) + " / " + count), Bracketed(path));
      const LoadedTextFile file = ReadTextFile(path);
      if (file.status == FileReadStatus::Unreadable) {
        result.error = file.error;
        return result;
      }
      if (file.status == FileReadStatus::Read) {
        const ConvertedText converted = ConvertHtmlToSjis(file.text, CharsetCode::Automatic);
        const std::string& text = converted.ok() ? converted.text : file.text;
        // A server that answered with an HTML page left no style sheet or script to merge.
        if (ContainsText(text, "<body", CaseMode::IgnoreAsciiCase)) continue;
        merged.push_back(Texts().mergedOpen + path + Texts().mergedOpenEnd);
        merged.insert(merged.end(), 2, std::string());
        for (const std::string_view line : SplitLines(text))
          merged.emplace_back(line);
        merged.insert(merged.end(), 2, std::string());
        merged.push_back(Texts().mergedClose + path + Texts().mergedCloseEnd);
      }
      lastMerged = path;
    }
    if (!ReportExists(paths.styleScriptList) && save(JoinLines(list), paths.styleScriptList))
      result.BtnEditLocalFileCSSJSList = paths.styleScriptList;
  }

  if (!ReportExists(paths.mergedStyleScript) && !merged.empty())
    (void)save(JoinLines(merged), paths.mergedStyleScript);
  if (ReportExists(paths.mergedStyleScript))
    result.BtnEditLocalFileTotalCSSJS = paths.mergedStyleScript;

  const std::vector<std::string>& images = input.ListBoxPGTab02LTab03PageImageDownloaedImage;
  if (images.empty()) return result;
  if (ReportExists(paths.imageList)) {
    result.BtnEditLocalFileImageList = paths.imageList;
    return result;
  }
  SortedTextList imageList;
  imageList.Add(Header(folder));
  imageList.Add(kLineEnd);
  for (const std::string& line : images)
    imageList.Add(DownloadReportLine(line, folder, kImageReportWidth));
  if (save(JoinLines(imageList), paths.imageList))
    result.BtnEditLocalFileImageList = paths.imageList;
  return result;
}

}  // namespace pellucor

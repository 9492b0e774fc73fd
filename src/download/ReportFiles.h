#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "text/TextFile.h"

// The download marks in front of the result pane lines, and the three report files a run
// writes beside its saved page from those panes: the list of style sheets and scripts, all of
// them merged into one text, and the list of images.
namespace pellucor {

/// The text without any download mark: every "●", "■", "▼", "▲", "★", "◆", "〓", "◎", "○",
/// "△", "▽", "□" and "◇" deleted wherever it stands (matched at character starts only, so no
/// other Japanese character is cut). Blanks and everything else stay.
[[nodiscard]] std::string RemoveDownloadMark(std::string_view text);

/// Column widths of the file names in the two lists.
inline constexpr int kStyleScriptReportWidth = 40;
inline constexpr int kImageReportWidth = 80;

/// One line of a report list for a marked pane line: the file name, padded by PadBeforeTab to
/// `width`, two TABs, "●  " for a line marked "●" (a failed file) and "◎  " for every other,
/// and the path below `saveFolder` (its first exact occurrence deleted) with "/" in front.
[[nodiscard]] std::string DownloadReportLine(std::string_view markedLine,
                                             std::string_view saveFolder, int width);

/// The report files of a saved page: in its folder, "ZU_" + its file name without the
/// extension + "_CSS_JS_一覧.txt", "_CSS_JS_統合.txt" and "_Image_一覧.txt" (Shift_JIS texts).
struct ReportFilePaths {
  std::string styleScriptList;
  std::string mergedStyleScript;
  std::string imageList;
};
[[nodiscard]] ReportFilePaths ReportFilePathsFor(std::string_view savedPage);

/// The option "CSSのみ統合する " (CheckBoxDLCSSOnly): which files the merged text takes.
enum class MergeScope { StyleSheetsAndScripts, StyleSheetsOnly };

/// What the report stage reads from the download tab.
struct PostProcessInput {
  std::string BtnEditWBLocalFilename;   // the saved page; the reports go into its folder
  std::string BtnEditWBPageSaveFolder;  // the run's save folder, which ends with "/"
  std::vector<std::string> ListBoxPGTab02LTab02PageFileDownloaedCSSJS;   // marked style/script
  std::vector<std::string> ListBoxPGTab02LTab03PageImageDownloaedImage;  // marked images
  MergeScope CheckBoxDLCSSOnly = MergeScope::StyleSheetsAndScripts;
  /// Shown before each file that is merged: the count text "【 i / n 】" for
  /// LabelDownloadedFileCount and "【 path 】" for LabelDownloadedFile. May be empty.
  std::function<void(std::string_view countText, std::string_view pathText)> progress;
  FileSideEffects effects;
};

/// The path boxes the report stage fills; each is empty when it was not filled.
struct PostProcessResult {
  std::string BtnEditLocalFileCSSJSList;
  std::string BtnEditLocalFileTotalCSSJS;
  std::string BtnEditLocalFileImageList;
  /// A Shift_JIS message when a style sheet or script that exists could not be read; the stage
  /// stops there and writes nothing more.
  std::string error;
  /// The reports that could not be written: each its path, two blanks and the reason in
  /// parentheses, for a line in the pane.
  std::vector<std::string> notSaved;
};

/// Writes the report files of a run; an existing report file is never overwritten.
/// - Style/script list: built when its file does not exist and the style/script pane has lines:
///   the header "　　　　【 " + save folder + " 】", two empty lines, and a report line (width
///   40) per pane line. Each file whose extension holds ".css", ".js" or ".xml" (".js" not with
///   StyleSheetsOnly) and which differs from the file merged last is merged into the merged text
///   between "▼▼▼【 path 】▽▽▽" and "△△△【 path 】▲▲▲" - unless it holds "<body" (an HTML page
///   answered for it), which is listed but neither merged nor counted as the file merged last.
///   Its box is filled when the list was written.
/// - Merged text: written when its file does not exist and the text is not empty; its box names
///   the file whenever the file is there afterwards, a report of an earlier run included.
/// - Image list: when the image pane has lines, its box names an existing file as it is;
///   otherwise the header, the two empty lines and a report line (width 80) per pane line are
///   sorted without duplicates (byte order), written, and the box filled.
/// Nothing is written outside the save folder: a saved page whose folder is not inside it gets
/// no reports.
[[nodiscard]] PostProcessResult DLPostProcess(const PostProcessInput& input);

}  // namespace pellucor

#include "explorer/FileSearchPlace.h"

#include <algorithm>
#include <utility>

#include "files/FoundFileText.h"
#include "text/CodePage932.h"
#include "text/ShiftJis.h"
#include "text/TextTrim.h"

namespace pellucor {

FileSearchPlace::FileSearchPlace(SearchPlaceKind kind, FileSearchHost host)
    : kind_(kind), host_(std::move(host)) {
  finder_.Threaded = true;
  finder_.PostToOwner = host_.post;
  finder_.AbortPump = host_.abortPump;
  finder_.OnSearchBegin = [this](TFindFile&) {
    const std::lock_guard lock(mutex_);
    folderCount_ = 0;
    values.sortable = false;
    started_ = std::chrono::steady_clock::now();
  };
  finder_.OnFolderChange = [this](TFindFile&, const std::string& folder, TFolderIgnore&) {
    const std::lock_guard lock(mutex_);
    ++folderCount_;
    pendingFolder_ = folder;
    if (!flushPosted_) {
      flushPosted_ = true;
      host_.post([this] { Flush(); });
    }
  };
  finder_.OnFileMatch = [this](TFindFile&, const std::string& folder, const TFileInfo& entry) {
    std::string shownFolder = folder;
    if (!shownFolder.ends_with('/')) shownFolder += '/';
    FoundRow row{entry.Name, std::move(shownFolder), FoundFileSizeText(entry),
                 FoundFileTimeText(entry.Time)};
    const std::lock_guard lock(mutex_);
    pending_.push_back(std::move(row));
    if (!flushPosted_) {
      flushPosted_ = true;
      host_.post([this] { Flush(); });
    }
  };
  finder_.OnSearchFinish = [this](TFindFile&) { Finish(); };
}

FileSearchPlace::~FileSearchPlace() {
  finder_.Abort();
  finder_.WaitFor();
}

void FileSearchPlace::Flush() {
  std::vector<FoundRow> rows;
  std::string folder;
  {
    const std::lock_guard lock(mutex_);
    rows.swap(pending_);
    folder.swap(pendingFolder_);
    flushPosted_ = false;
  }
  for (FoundRow& row : rows)
    values.rows.push_back(std::move(row));
  if (!folder.empty()) {
    if (kind_ == SearchPlaceKind::Explorer) {
      values.status[2] = SjisFromUtf8Literal(" 【 ") + folder + SjisFromUtf8Literal(" 】");
    } else {
      values.status[0] = folder;
    }
  }
  if (host_.changed) host_.changed();
}

void FileSearchPlace::Finish() {
  Flush();
  std::size_t folders = 0;
  {
    const std::lock_guard lock(mutex_);
    folders = folderCount_;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
  values.status[1] = finder_.IsAborted() ? FileSearchAbortedText()
                                         : FileSearchSummary(folders, values.rows.size(), seconds);
  values.abortEnabled = false;
  values.startEnabled = true;
  values.sortable = true;
  if (host_.changed) host_.changed();
}

void FileSearchPlace::Start() {
  if (TrimControlChars(values.mask).empty() || TrimControlChars(values.folder).empty()) return;
  if (finder_.IsBusy()) return;
  TSearchCriteria criteria;
  criteria.Files.FileName = values.mask;
  criteria.Files.Location = values.folder;
  criteria.Files.Subfolders = true;
  criteria.Content.Phrase = values.phrase;
  criteria.Content.IgnoreCase = true;
  criteria.Content.WholeWord = false;
  finder_.Criteria = std::move(criteria);
  SortColumn = -1;
  values.rows.clear();
  values.startEnabled = false;
  values.abortEnabled = true;
  {
    const std::lock_guard lock(mutex_);
    pending_.clear();
    pendingFolder_.clear();
  }
  finder_.Execute();
}

void FileSearchPlace::Abort() {
  finder_.Abort();
}

void FileSearchPlace::ClearList() {
  values.rows.clear();
}

void FileSearchPlace::PasteMask() {
  values.mask = host_.clipboard.Text();
  if (kind_ == SearchPlaceKind::FileSearchTab) Start();
}

void FileSearchPlace::PastePhrase() {
  values.phrase = host_.clipboard.Text();
}

void FileSearchPlace::ClearMask() {
  values.mask.clear();
}

void FileSearchPlace::ClearPhrase() {
  values.phrase.clear();
}

void FileSearchPlace::SortBy(int column) {
  if (!values.sortable || column < 0 || column > 3) return;
  if (column == SortColumn) {
    SortDescending = !SortDescending;
  } else {
    SortColumn = column;
    SortDescending = false;
  }
  const auto text = [column](const FoundRow& row) -> const std::string& {
    switch (column) {
      case 1:
        return row.folder;
      case 2:
        return row.size;
      case 3:
        return row.time;
      default:
        return row.name;
    }
  };
  const bool descending = SortDescending;
  std::stable_sort(values.rows.begin(), values.rows.end(),
                   [&](const FoundRow& a, const FoundRow& b) {
                     const std::string left = LowerAsciiBytes(text(a));
                     const std::string right = LowerAsciiBytes(text(b));
                     return descending ? right < left : left < right;
                   });
}

void FileSearchPlace::RowClick(std::size_t row) {
  if (kind_ != SearchPlaceKind::FileSearchTab || row >= values.rows.size()) return;
  host_.clipboard.SetText(values.rows[row].folder + values.rows[row].name);
}

void FileSearchPlace::RowDoubleClick(std::size_t row) {
  if (row >= values.rows.size()) return;
  const std::string path = values.rows[row].folder + values.rows[row].name;
  const std::size_t dot = values.rows[row].name.rfind('.');
  const std::string extension =
      dot == std::string::npos ? std::string() : LowerAsciiBytes(values.rows[row].name.substr(dot));
  for (const std::string_view text : {".txt", ".css", ".js", ".rss", ".rdf", ".xml"}) {
    if (extension.find(text) != std::string::npos) {
      host_.launcher.OpenWithTextEditor(path);
      return;
    }
  }
  host_.launcher.OpenWithAssociatedProgram(path);
}

}  // namespace pellucor

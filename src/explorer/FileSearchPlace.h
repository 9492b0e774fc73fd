#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "files/FindFile.h"
#include "ports/Clipboard.h"
#include "ports/Launcher.h"

// A place of the window that searches files: the explorer's search and the file search tab.
// Each owns a file search engine that walks on a worker thread; the rows it finds and its
// progress reach the window's thread in batches, in the order they were found.
namespace pellucor {

/// The mask boxes' preset list, in its order.
inline constexpr std::array<std::string_view, 18> kPresetMasks = {
    "*.html", "*.htm", "*.css*", "*.js*", "*.gif*", "*.jpg*", "*.png*", "*.bmp*", "*.swf*",
    "*.exe",  "*.dll", "*.doc*", "*.txt", "*.xml*", "*.rss*", "*.rdf*", "*.jt*",  "*.csv"};

/// A found file as the result list shows it: name, folder (ending in "/"), size, last write.
struct FoundRow {
  std::string name;
  std::string folder;
  std::string size;
  std::string time;
};

enum class SearchPlaceKind { Explorer, FileSearchTab };

/// The place's boxes, list, status bar panels and button states (Shift_JIS texts).
struct FileSearchValues {
  std::string mask;
  std::string folder;
  std::string phrase;
  std::vector<FoundRow> rows;
  std::array<std::string, 3> status;
  bool startEnabled = true;
  bool abortEnabled = false;
  bool sortable = true;  // column clicks sort only while no search runs
};

struct FileSearchHost {
  Clipboard& clipboard;
  Launcher& launcher;
  /// Hands a task to the window's thread (queued, never run at once).
  std::function<void(std::function<void()>)> post;
  /// Runs pending window events while an abort waits for the worker.
  std::function<void()> abortPump;
  /// Called on the window's thread whenever the values changed.
  std::function<void()> changed;
};

class FileSearchPlace {
 public:
  FileSearchPlace(SearchPlaceKind kind, FileSearchHost host);
  /// A running search is aborted and its worker waited for.
  ~FileSearchPlace();
  FileSearchPlace(const FileSearchPlace&) = delete;
  FileSearchPlace& operator=(const FileSearchPlace&) = delete;

  FileSearchValues values;
  int SortColumn = -1;  // -1 none, 0 name, 1 folder, 2 size, 3 time
  bool SortDescending = false;

  /// Starts a search of the mask box's masks in the folder box's folders and their subfolders
  /// for files holding the phrase (as typed, blanks included); nothing when the mask or the
  /// folder is blank or a search runs.
  void Start();
  /// Ends the running search; the rows found so far stay, the summary says it was stopped.
  void Abort();
  void ClearList();
  /// The clipboard's text into the mask box; on the file search tab the search then starts.
  void PasteMask();
  void PastePhrase();
  void ClearMask();
  void ClearPhrase();
  /// A column clicked: the same column again flips the order. Every column sorts as text,
  /// ASCII letters without case ("10KB" before "9KB").
  void SortBy(int column);
  /// File search tab: the row's path goes to the clipboard.
  void RowClick(std::size_t row);
  /// The row's file opened: a text file in the text editor, any other with its program.
  void RowDoubleClick(std::size_t row);

  [[nodiscard]] TFindFile& finder() { return finder_; }

 private:
  void Flush();
  void Finish();

  SearchPlaceKind kind_;
  FileSearchHost host_;
  TFindFile finder_;
  std::chrono::steady_clock::time_point started_;
  // What the worker found since the last batch reached the window's thread.
  std::mutex mutex_;
  std::vector<FoundRow> pending_;
  std::string pendingFolder_;
  std::size_t folderCount_ = 0;
  bool flushPosted_ = false;
};

}  // namespace pellucor

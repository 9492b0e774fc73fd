#pragma once

#include <functional>
#include <memory>

#include "explorer/FileSearchPlace.h"

class QComboBox;
class QLabel;
class QTreeWidget;
class QWidget;

// A file search place in the window: its boxes, buttons, result list and status bar built by
// name, bound to a FileSearchPlace, and the rows that reach the window's thread shown as they
// come.
namespace pellucor::app {

/// The names of one place's controls.
struct SearchPlaceNames {
  const char* maskBox;
  const char* folderBox;  // nullptr: the place's folder box stands elsewhere
  const char* phraseBox;
  const char* start;
  const char* abort;
  const char* clearList;
  const char* pasteMask;
  const char* pastePhrase;
  const char* clearMask;
  const char* clearPhrase;
  const char* list;
  const char* statusBar;
};

/// The controls of the file search tab and of the explorer's search.
extern const SearchPlaceNames kFileSearchTabNames;
extern const SearchPlaceNames kExplorerSearchNames;

/// Lays out the place's controls in `parent` (a vertical layout is made when it has none).
void BuildSearchPlace(const SearchPlaceNames& names, QWidget& parent);

class FileSearchPlaceController {
 public:
  using Runner = std::function<void(const std::function<void()>&)>;

  /// `folderText` gives the folder to search when a search starts (the place's folder box).
  FileSearchPlaceController(QWidget& window, const SearchPlaceNames& names, SearchPlaceKind kind,
                            Clipboard& clipboard, Launcher& launcher,
                            std::function<std::string()> folderText, Runner run);
  ~FileSearchPlaceController();

  [[nodiscard]] FileSearchPlace& place() { return *place_; }

 private:
  void Pull();
  /// Shows what changed: the boxes, the buttons, the status bar, the rows (new ones appended,
  /// all again after a sort or a clearing).
  void Show(bool allRows);

  QWidget& window_;
  SearchPlaceNames names_;
  Runner run_;
  std::function<std::string()> folderText_;
  std::unique_ptr<FileSearchPlace> place_;
  QComboBox* mask_ = nullptr;
  QComboBox* phrase_ = nullptr;
  QTreeWidget* list_ = nullptr;
  std::size_t shownRows_ = 0;
};

}  // namespace pellucor::app

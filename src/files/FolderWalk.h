#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "files/FileInfo.h"
#include "files/SearchPlan.h"

// The walk of one target folder: its folders in depth-first order, the entries that match its
// masks, and the questions it asks its owner on the way.
namespace pellucor {

/// What a folder-change handler decides about the folder it is told of.
enum class TFolderIgnore {
  fiNone,               // search the folder's own entries and its subfolders
  fiJustThis,           // skip the folder's own entries, still descend
  fiJustSubfolders,     // search the folder's own entries, do not descend
  fiThisAndSubfolders,  // skip both
};

/// The owner of a walk. Every call comes on the thread that runs the walk.
class TFolderWalkHost {
 public:
  virtual ~TFolderWalkHost() = default;
  /// The walk enters `folder` (a Shift_JIS path ending in "/") at `level` (the target folder is
  /// level 1); the answer says what to search there.
  virtual TFolderIgnore FolderEntered(const std::string& folder, std::uint16_t level) = 0;
  /// The walk leaves a folder and is back at `level` (0 after the target folder).
  virtual void FolderLeft(std::uint16_t level) = 0;
  virtual bool Accept(const std::string& folder, const TFileInfo& entry) = 0;
  virtual void FileMatched(const std::string& folder, const TFileInfo& entry) = 0;
  /// An entry of `folder` that the walk would look at (its name matches a mask, or it is a
  /// subfolder to descend into) but whose name (`systemName`, as the file system holds it) has
  /// no exact Shift_JIS form: it is neither reported nor descended into. Told once per entry.
  virtual void NameSkipped(const std::string& folder, std::string_view systemName) = 0;
  /// A folder the walk entered but could not open or list (no permission, the descriptor limit,
  /// a path too long); `error` is the system's error number. Its entries go unsearched.
  virtual void FolderUnreadable(const std::string& /*folder*/, int /*error*/) {}
  [[nodiscard]] virtual bool Aborted() const = 0;
};

/// The Shift_JIS form of a name as the file system holds it (normally UTF-8): nullopt when the
/// name has no Shift_JIS form that converts back to exactly the same bytes, so that no name is
/// ever changed on its way through a search.
[[nodiscard]] std::optional<std::string> ShiftJisName(std::string_view systemName);

/// Walks `target`: for each folder, from the target folder down, FolderEntered; then, when the
/// answer allows it and the level is at least MinLevel, the entries that match each mask (the
/// last mask first; an entry that matches two masks is reported twice) are tested with Accept
/// and reported with FileMatched; then, when the folder is recursive, the answer allows it and
/// MaxLevel is 0 or above the level, every subfolder in listing order. Stops as soon as Aborted
/// says so. A folder that cannot be listed is passed over silently. Symbolic links are never
/// descended into (only the target folder itself may be one), and a folder met again below
/// itself (a bind mount of an ancestor) is not listed again, so the walk always ends. The depth
/// stops at 65535 levels and at the number of folders the process may hold open.
void WalkTargetFolder(const TTargetFolder& target, TFolderWalkHost& host);

}  // namespace pellucor

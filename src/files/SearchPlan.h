#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/SearchCriteria.h"

// The search plan: the criteria turned into the folders to walk, each with its masks, built when
// a search starts and freed when it ends.
namespace pellucor {

struct TTargetFolder {
  /// Absolute (unless the current folder has no Shift_JIS form), normalised, ending in "/".
  std::string Path;
  bool Recursive = true;
  /// The masks of the folder, in the order they were added; the walk lists them last first.
  std::vector<std::string> Masks;
  std::uint16_t MinLevel = 0;
  std::uint16_t MaxLevel = 0;
};

class TTargetFolderList {
 public:
  /// The target folder of `path` (a normalised path), added at the end when the list does not
  /// hold it yet. Paths compare exactly: Linux names differ in case.
  TTargetFolder& FolderFor(const std::string& path);

  /// The folders in the order they were first named, which is the order of the walk.
  [[nodiscard]] const std::vector<TTargetFolder>& Folders() const { return folders_; }

  std::vector<std::string> ExcludedMasks;

 private:
  std::vector<TTargetFolder> folders_;
};

/// The plan of one search, with private copies of the criteria its tests use.
struct TTargetSearch {
  TTargetFolderList TargetFolders;
  TAttributeCriteria Attribute;
  TDateTimeCriteria TimeStamp;
  TSizeCriteria Size;
  TContentCriteria Content;
};

/// The pieces of a ";"-separated list, each trimmed of bytes up to 0x20, without empty pieces
/// and without repeats; `foldCase` says whether repeats compare without ASCII case.
enum class RepeatCompare { Exact, IgnoreAsciiCase };
[[nodiscard]] std::vector<std::string> SplitSearchList(std::string_view list,
                                                       RepeatCompare compare);

/// `folder` made absolute against `currentFolder` (an absolute path; empty when unknown, which
/// leaves a relative folder relative), with ".", ".." and repeated "/" resolved by the text alone
/// and a "/" at the end.
[[nodiscard]] std::string AbsoluteFolder(std::string_view folder, std::string_view currentFolder);

/// The plan for `criteria`: the excluded masks; a target folder for each Included entry (its
/// folder part, with its file name part as a mask); the masks of FileName (repeats in any case
/// dropped); a target folder for each folder of Location with all those masks appended, so a
/// folder named twice gets each mask twice; a leading "<" or ">" decides Recursive, otherwise
/// Subfolders does. With a phrase, folders are no longer allowed entries.
[[nodiscard]] TTargetSearch BuildSearchPlan(const TSearchCriteria& criteria,
                                            std::string_view currentFolder);

}  // namespace pellucor

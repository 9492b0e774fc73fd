#include "files/SearchPlan.h"

#include <algorithm>

#include "text/ShiftJis.h"
#include "text/TextTrim.h"

namespace pellucor {
namespace {

bool EqualWithoutCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && UpperCaseText(a) == UpperCaseText(b);
}

// A leading "<" (do not descend) or ">" (descend) taken off `entry`; otherwise `subfolders`.
bool TakeRecursion(std::string_view& entry, bool subfolders) {
  if (entry.starts_with('<') || entry.starts_with('>')) {
    const bool recursive = entry.front() == '>';
    entry.remove_prefix(1);
    return recursive;
  }
  return subfolders;
}

void SetLevels(TTargetFolder& folder, bool recursive, const TFileCriteria& files) {
  folder.Recursive = recursive;
  folder.MinLevel = files.MinLevel;
  folder.MaxLevel = files.MaxLevel;
}

}  // namespace

TTargetFolder& TTargetFolderList::FolderFor(const std::string& path) {
  const auto found =
      std::find_if(folders_.begin(), folders_.end(),
                   [&path](const TTargetFolder& folder) { return folder.Path == path; });
  if (found != folders_.end()) return *found;
  folders_.push_back(TTargetFolder{path, true, {}, 0, 0});
  return folders_.back();
}

std::vector<std::string> SplitSearchList(std::string_view list, RepeatCompare compare) {
  std::vector<std::string> pieces;
  for (std::size_t start = 0; start <= list.size();) {
    std::size_t end = list.find(';', start);
    if (end == std::string_view::npos) end = list.size();
    const std::string_view piece = TrimControlChars(list.substr(start, end - start));
    const bool repeated =
        std::any_of(pieces.begin(), pieces.end(), [&](const std::string& earlier) {
          return compare == RepeatCompare::Exact ? earlier == piece
                                                 : EqualWithoutCase(earlier, piece);
        });
    if (!piece.empty() && !repeated) pieces.emplace_back(piece);
    start = end + 1;
  }
  return pieces;
}

std::string AbsoluteFolder(std::string_view folder, std::string_view currentFolder) {
  const std::string_view base = folder.starts_with('/') ? std::string_view() : currentFolder;
  const bool rooted = folder.starts_with('/') || base.starts_with('/');
  std::vector<std::string_view> parts;
  for (const std::string_view path : {base, folder}) {
    for (std::size_t start = 0; start < path.size();) {
      std::size_t end = path.find('/', start);
      if (end == std::string_view::npos) end = path.size();
      const std::string_view part = path.substr(start, end - start);
      if (part == "..") {
        // Above the root is the root; above a relative folder's start stays relative.
        if (!parts.empty() && parts.back() != "..")
          parts.pop_back();
        else if (!rooted)
          parts.push_back(part);
      } else if (!part.empty() && part != ".") {
        parts.push_back(part);
      }
      start = end + 1;
    }
  }
  std::string path = rooted ? "/" : "";
  for (const std::string_view part : parts) {
    path += part;
    path += '/';
  }
  return path.empty() ? "./" : path;
}

TTargetSearch BuildSearchPlan(const TSearchCriteria& criteria, std::string_view currentFolder) {
  const TFileCriteria& files = criteria.Files;
  TTargetSearch plan{{}, criteria.Attribute, criteria.TimeStamp, criteria.Size, criteria.Content};
  TTargetFolderList& targets = plan.TargetFolders;
  targets.ExcludedMasks = files.Excluded;

  for (const std::string& included : files.Included) {
    std::string_view entry = included;
    const bool recursive = TakeRecursion(entry, files.Subfolders);
    const std::size_t slash = entry.rfind('/');
    const std::string_view folder =
        slash == std::string_view::npos ? std::string_view() : entry.substr(0, slash + 1);
    const std::string_view mask = slash == std::string_view::npos ? entry : entry.substr(slash + 1);
    TTargetFolder& target = targets.FolderFor(AbsoluteFolder(folder, currentFolder));
    target.Masks.emplace_back(mask);
    SetLevels(target, recursive, files);
  }

  const std::vector<std::string> masks =
      SplitSearchList(files.FileName, RepeatCompare::IgnoreAsciiCase);
  for (const std::string& piece : SplitSearchList(files.Location, RepeatCompare::Exact)) {
    std::string_view folder = piece;
    const bool recursive = TakeRecursion(folder, files.Subfolders);
    TTargetFolder& target = targets.FolderFor(AbsoluteFolder(folder, currentFolder));
    target.Masks.insert(target.Masks.end(), masks.begin(), masks.end());
    SetLevels(target, recursive, files);
  }

  if (!plan.Content.Phrase.empty()) plan.Attribute.Attributes.Exclude(TFileAttribute::ffDirectory);
  return plan;
}

}  // namespace pellucor

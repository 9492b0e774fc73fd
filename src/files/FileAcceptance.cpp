#include "files/FileAcceptance.h"

#include <algorithm>
#include <string>

#include "files/FileMasks.h"
#include "files/PhraseSearch.h"
#include "files/TimeBounds.h"

namespace pellucor {
namespace {

bool AttributesAllowed(const TAttributeCriteria& criteria, TFileAttributes attributes) {
  if (criteria.ExactMatch) return attributes == criteria.Attributes;
  return attributes.IsSubsetOf(criteria.Attributes);
}

bool SizeAllowed(const TSizeCriteria& criteria, std::uint64_t size) {
  return (criteria.Min == 0 || size >= criteria.Min) && (criteria.Max == 0 || size <= criteria.Max);
}

bool TimeAllowed(TFileTime time, TDateTime before, TDateTime after) {
  if (before == 0 && after == 0) return true;  // no local time conversion needed
  const TDateTime local = LocalDateTime(time);
  return WithinBeforeBound(local, before) && WithinAfterBound(local, after);
}

bool TimesAllowed(const TDateTimeCriteria& criteria, const TFileInfo& entry) {
  return TimeAllowed(entry.CreationTime, criteria.CreatedBefore, criteria.CreatedAfter) &&
         TimeAllowed(entry.LastWriteTime, criteria.ModifiedBefore, criteria.ModifiedAfter) &&
         TimeAllowed(entry.LastAccessTime, criteria.AccessedBefore, criteria.AccessedAfter);
}

}  // namespace

bool AcceptFile(const TTargetSearch& plan, std::string_view folder, const TFileInfo& entry,
                const std::atomic<bool>* stop) {
  if (!AttributesAllowed(plan.Attribute, entry.Attr)) return false;
  if (!SizeAllowed(plan.Size, entry.Size)) return false;
  if (!TimesAllowed(plan.TimeStamp, entry)) return false;
  const std::vector<std::string>& excluded = plan.TargetFolders.ExcludedMasks;
  if (std::any_of(excluded.begin(), excluded.end(),
                  [&](const std::string& mask) { return MatchPathMask(folder, entry.Name, mask); }))
    return false;
  if (plan.Content.Phrase.empty()) return true;
  std::string path(folder);
  path += entry.Name;
  return FileContainsPhrase(path, plan.Content, stop);
}

}  // namespace pellucor

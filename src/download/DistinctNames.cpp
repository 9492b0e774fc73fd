#include "download/DistinctNames.h"

#include <unordered_map>
#include <unordered_set>

#include "download/PageResourceStages.h"
#include "html/ReferenceText.h"
#include "text/SafePath.h"
#include "text/ShiftJis.h"

namespace pellucor {
namespace {

// "dir/name.ext" as "dir/name_N.ext"; a name without an extension (or one that starts with its
// only dot) takes the number at its end.
std::string Numbered(std::string_view path, int number) {
  const std::size_t slash = path.rfind('/');
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || dot <= nameStart) dot = path.size();
  std::string numbered(path.substr(0, dot));
  numbered += '_';
  numbered += std::to_string(number);
  numbered += path.substr(dot);
  return numbered;
}

// Neither absolute ("scheme:"), protocol-relative, root-relative nor a fragment alone: a path
// from the folder the page's references lead from.
bool IsRelativeReference(std::string_view reference) {
  if (reference.empty() || reference.starts_with('/') || reference.starts_with('#')) return false;
  const std::size_t colon = reference.find(':');
  return colon == std::string_view::npos || reference.find_first_of("/?#") < colon;
}

}  // namespace

std::vector<RenamedReference> GiveDistinctLocalNames(std::vector<std::string>& rows) {
  std::vector<RenamedReference> renamed;
  std::unordered_map<std::string, std::string> urlOfPath;
  for (std::string& row : rows) {
    const ReferenceRow fields = SplitReferenceRow(row);
    if (fields.localPath == row || fields.url.empty()) continue;
    const std::string path = MakeSafeFilePath(fields.localPath);
    const auto [taken, added] = urlOfPath.try_emplace(path, fields.url);
    if (added || taken->second == fields.url) continue;
    // The first free number in this run; the same page run again gets the same names.
    std::string distinct;
    for (int number = 2;; ++number) {
      distinct = Numbered(path, number);
      const auto [free, claimed] = urlOfPath.try_emplace(distinct, fields.url);
      if (claimed || free->second == fields.url) break;
    }
    row = JoinReferenceRow(fields.reference, fields.url, distinct);
    renamed.push_back({fields.reference, std::move(distinct)});
  }
  return renamed;
}

std::string ReferenceFromFolder(std::string_view pageFolder, std::string_view path) {
  // The common folders go; each folder of the page's beyond them is climbed.
  std::size_t common = 0;
  for (std::size_t k = 0; k < pageFolder.size() && k < path.size() && pageFolder[k] == path[k];
       ++k) {
    if (pageFolder[k] == '/') common = k + 1;
  }
  std::string reference;
  for (std::size_t k = common; k < pageFolder.size(); ++k) {
    if (pageFolder[k] == '/') reference += "../";
  }
  reference += path.substr(common);
  return reference;
}

void RewriteRenamedReferencesIn(std::string& page, const std::vector<RenamedReference>& renamed,
                                std::string_view pageFolder) {
  for (const RenamedReference& rename : renamed)
    ReplaceWholeReferenceIn(page, rename.reference,
                            ReferenceFromFolder(pageFolder, rename.localPath));
}

void AppendBasedReferences(std::span<const std::string> rows,
                           std::vector<RenamedReference>& references) {
  std::unordered_set<std::string> listed;
  for (const RenamedReference& reference : references)
    listed.insert(reference.reference);
  for (const std::string& row : rows) {
    ReferenceRow fields = SplitReferenceRow(row);
    if (fields.localPath == row || fields.url.empty() || !IsRelativeReference(fields.reference))
      continue;
    if (!listed.insert(fields.reference).second) continue;
    references.push_back({std::move(fields.reference), MakeSafeFilePath(fields.localPath)});
  }
}

}  // namespace pellucor

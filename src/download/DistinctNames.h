#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// Local names are made from URLs without their hosts, and through name mappings ("?" to "@"),
// so two different addresses can come to one local name. The later one gets a name of its own:
// neither file is lost, none is shown as the other, and the page refers to each by its name.
namespace pellucor {

/// A reference of the page that was given a local name of its own.
struct RenamedReference {
  std::string reference;  // as the page writes it
  std::string localPath;  // the file it is saved as
};

/// Goes through reference rows ("reference TAB url TAB local path", in the order they are
/// fetched) and gives each row whose local path a row before it took for another URL the first
/// free name "stem_2.ext", "stem_3.ext" ... of its folder. Rows of one URL share their file, and
/// rows that are not whole rows are left alone. Returns the renamed references, in row order.
[[nodiscard]] std::vector<RenamedReference> GiveDistinctLocalNames(std::vector<std::string>& rows);

/// How a page in `pageFolder` (ending in "/") refers to `path`, a file below the same save
/// folder: the path relative to the page's folder ("img/a.png", "../img/a.png").
[[nodiscard]] std::string ReferenceFromFolder(std::string_view pageFolder, std::string_view path);

/// Each renamed reference, where the page writes it as a whole value (in quotes or in
/// parentheses), made to refer to the file it was saved as, for a page in `pageFolder`.
void RewriteRenamedReferencesIn(std::string& page, const std::vector<RenamedReference>& renamed,
                                std::string_view pageFolder);

/// Appends the relative references of reference rows (neither absolute, protocol-relative,
/// root-relative nor a fragment), each with the file its row saves it as, unless the list holds
/// the reference already. They were resolved against a base tag: once the tag is gone from the
/// saved page, these are what must be made to lead to their files from the page's folder.
/// Rows without all three fields are passed over.
void AppendBasedReferences(std::span<const std::string> rows,
                           std::vector<RenamedReference>& references);

}  // namespace pellucor

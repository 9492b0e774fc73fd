#include "text/EmptyFolder.h"

#include <sys/stat.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "text/CodePage932.h"

namespace pellucor {
namespace {

namespace fs = std::filesystem;

// Folders of the system itself; the program never deletes anything below them.
constexpr std::array<std::string_view, 13> kSystemFolders = {
    "/bin",    "/boot", "/dev", "/etc",  "/lib", "/lib32", "/lib64",
    "/libx32", "/proc", "/run", "/sbin", "/sys", "/usr",
};

bool IsWithin(const fs::path& path, const fs::path& folder) {
  auto inner = path.begin();
  for (auto outer = folder.begin(); outer != folder.end(); ++outer, ++inner) {
    if (outer->empty()) continue;  // the empty element after a trailing "/"
    if (inner == path.end() || *inner != *outer) return false;
  }
  return true;
}

bool IsProtected(const fs::path& canonical) {
  // "/" has one element, a top-level folder two.
  if (std::distance(canonical.begin(), canonical.end()) <= 2) return true;
  for (const std::string_view system : kSystemFolders) {
    if (IsWithin(canonical, fs::path(system))) return true;
  }
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    std::error_code error;
    const fs::path homeFolder = fs::weakly_canonical(home, error);
    if (!error && IsWithin(homeFolder, canonical)) return true;  // home or one of its ancestors
  }
  return false;
}

// The walk itself, on a folder already checked. Mirrors the two passes: first every real
// subfolder is emptied, then every entry that is not a folder is deleted, each pass stopping at
// its first failure.
bool EmptyCheckedFolder(const fs::path& folder) {
  std::error_code error;
  std::vector<fs::directory_entry> entries;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    entries.push_back(*it);
  if (error) return false;
  bool outcome = true;
  for (const fs::directory_entry& entry : entries) {
    const fs::file_status status = entry.symlink_status(error);
    if (error) return false;
    if (fs::is_directory(status)) {
      outcome = EmptyCheckedFolder(entry.path());
      if (!outcome) return false;
    } else if (fs::is_regular_file(status)) {
      // The read-only state of a file: give the owner write permission back before deleting.
      fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, error);
    }
  }
  for (const fs::directory_entry& entry : entries) {
    const fs::file_status status = entry.symlink_status(error);
    if (error) return false;
    if (fs::is_directory(status)) continue;
    outcome = fs::remove(entry.path(), error) && !error;
    if (!outcome) return false;
  }
  return outcome;
}

}  // namespace

bool EmptyFolder(std::string_view folder) {
  if (folder.empty()) return false;
  const std::optional<std::string> name = SjisToUtf8Exact(folder);
  if (!name) return false;
  fs::path path(*name);
  while (path.has_relative_path() && !path.has_filename())
    path = path.parent_path();
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  if (error || !fs::is_directory(status)) return false;  // missing, not a folder, or a link
  const fs::path canonical = fs::canonical(path, error);
  if (error || IsProtected(canonical)) return false;
  return EmptyCheckedFolder(canonical);
}

}  // namespace pellucor

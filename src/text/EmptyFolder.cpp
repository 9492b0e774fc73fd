#include "text/EmptyFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "text/CodePage932.h"
#include "text/FileDescriptor.h"

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

EmptyFolderResult Failed(std::string what, int error) {
  return {false, std::move(what) + ": " + std::strerror(error)};
}

// The names in the folder open as `folder`, without "." and "..".
std::optional<std::vector<std::string>> NamesIn(int folder) {
  const int copy = ::dup(folder);
  if (copy < 0) return std::nullopt;
  DIR* stream = ::fdopendir(copy);
  if (stream == nullptr) {
    ::close(copy);
    return std::nullopt;
  }
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(stream)) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  ::closedir(stream);
  return names;
}

// The walk itself, on a folder already checked and open as `folder`; `path` names it for
// messages. Mirrors the two passes: first every real subfolder is emptied, then every entry that
// is not a folder is deleted, each pass stopping at its first failure. Every step is relative
// to an open folder and never follows a link, so an entry swapped meanwhile fails the walk.
EmptyFolderResult EmptyOpenFolder(int folder, const std::string& path) {
  const std::optional<std::vector<std::string>> names = NamesIn(folder);
  if (!names) return Failed("cannot list " + path, errno);
  std::vector<bool> isFolder(names->size());
  for (std::size_t i = 0; i < names->size(); ++i) {
    const std::string& name = (*names)[i];
    struct stat status {};
    if (::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
      return Failed("cannot look at " + path + "/" + name, errno);
    isFolder[i] = S_ISDIR(status.st_mode);
    if (isFolder[i]) {
      const FileDescriptor sub(
          ::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
      if (sub.get() < 0) return Failed("cannot open " + path + "/" + name, errno);
      EmptyFolderResult inner = EmptyOpenFolder(sub.get(), path + "/" + name);
      if (!inner) return inner;
    } else if (S_ISREG(status.st_mode) && (status.st_mode & S_IWUSR) == 0) {
      // The read-only state of a file: give the owner write permission back before deleting,
      // on the file itself (opened without following a link), never on what a link names.
      const FileDescriptor file(
          ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
      struct stat opened {};
      if (file.get() >= 0 && ::fstat(file.get(), &opened) == 0 && S_ISREG(opened.st_mode))
        (void)::fchmod(file.get(), opened.st_mode | S_IWUSR);
    }
  }
  for (std::size_t i = 0; i < names->size(); ++i) {
    if (isFolder[i]) continue;
    // Without AT_REMOVEDIR a folder that took the name meanwhile is not removed.
    if (::unlinkat(folder, (*names)[i].c_str(), 0) != 0)
      return Failed("cannot delete " + path + "/" + (*names)[i], errno);
  }
  return {true, {}};
}

}  // namespace

EmptyFolderResult EmptyFolder(std::string_view folder) {
  if (folder.empty()) return {false, "no folder given"};
  const std::optional<std::string> name = SjisToUtf8Exact(folder);
  if (!name) return {false, "the folder's name has no system form"};
  fs::path path(*name);
  while (path.has_relative_path() && !path.has_filename())
    path = path.parent_path();
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  if (error || status.type() == fs::file_type::not_found)
    return {false, "the folder does not exist: " + *name};
  if (fs::is_symlink(status)) return {false, "the folder is a symbolic link: " + *name};
  if (!fs::is_directory(status)) return {false, "not a folder: " + *name};
  const fs::path canonical = fs::canonical(path, error);
  if (error) return {false, "the folder cannot be resolved: " + *name};
  if (IsProtected(canonical))
    return {false, "a system folder, the home folder or one above it is never emptied: " +
                       canonical.string()};
  const FileDescriptor root(
      ::open(canonical.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (root.get() < 0) return Failed("cannot open " + canonical.string(), errno);
  return EmptyOpenFolder(root.get(), canonical.string());
}

}  // namespace pellucor

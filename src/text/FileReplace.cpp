#include "text/FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "text/FileDescriptor.h"

namespace pellucor {
namespace {

FileReplaceResult Failed(std::string_view what, int error) {
  return {false, std::string(what) + ": " + std::strerror(error)};
}

// A name beside the target that no other writer of this process or another picks: the process
// id and a counter, created with O_EXCL so a name already taken is never reused.
int CreateTemporaryBeside(int folder, const std::string& name, std::string& temporary) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = name + ".part-" + std::to_string(::getpid()) + "-" +
                std::to_string(counter.fetch_add(1, std::memory_order_relaxed));
    // 0666 lets the umask decide, as for any new file of the user.
    const int descriptor = ::openat(folder, temporary.c_str(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
  }
  errno = EEXIST;
  return -1;
}

// What stands at `name` in the open folder, as a refusal; empty when nothing or a regular file
// does.
std::string Obstacle(int folder, const char* name) {
  struct stat existing {};
  if (::fstatat(folder, name, &existing, AT_SYMLINK_NOFOLLOW) != 0 || S_ISREG(existing.st_mode))
    return {};
  if (S_ISDIR(existing.st_mode)) return "a folder stands at this name";
  if (S_ISLNK(existing.st_mode)) return "a symbolic link stands at this name";
  return "something other than a file stands at this name";
}

// The bytes to a new file beside `name` in the open folder, then renamed over it.
FileReplaceResult ReplaceAt(int folder, const std::string& name, std::string_view bytes,
                            FlushToDisk flush) {
  if (std::string obstacle = Obstacle(folder, name.c_str()); !obstacle.empty())
    return {false, std::move(obstacle)};
  std::string temporary;
  const int descriptor = CreateTemporaryBeside(folder, name, temporary);
  if (descriptor < 0) return Failed("the file could not be created", errno);
  int error = 0;
  for (std::string_view rest = bytes; !rest.empty();) {
    const ssize_t count = ::write(descriptor, rest.data(), rest.size());
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) {
      error = count < 0 ? errno : ENOSPC;
      break;
    }
    rest.remove_prefix(static_cast<std::size_t>(count));
  }
  if (error == 0 && flush == FlushToDisk::Yes && ::fsync(descriptor) != 0) error = errno;
  // On some file systems a full disk shows only when the file is closed.
  if (::close(descriptor) != 0 && error == 0) error = errno;
  if (error != 0) {
    ::unlinkat(folder, temporary.c_str(), 0);
    return Failed("the file could not be written", error);
  }
  if (::renameat(folder, temporary.c_str(), folder, name.c_str()) != 0) {
    error = errno;
    ::unlinkat(folder, temporary.c_str(), 0);
    return Failed("the file could not be put in place", error);
  }
  return {true, {}};
}

// The components of a path below a folder; nullopt for "." or "..", which could lead out.
std::optional<std::vector<std::string>> ComponentsOf(std::string_view relative) {
  std::vector<std::string> components;
  while (!relative.empty()) {
    const std::size_t slash = relative.find('/');
    const std::string_view component = relative.substr(0, slash);
    if (component == "." || component == "..") return std::nullopt;
    if (!component.empty()) components.emplace_back(component);
    if (slash == std::string_view::npos) break;
    relative.remove_prefix(slash + 1);
  }
  return components;
}

// Walks from `folder` down `components`, creating missing folders, never following a link.
// The open descriptor of the last one, or -1 with `reason` set.
int OpenFoldersBelow(const std::string& folder, const std::vector<std::string>& components,
                     std::string& reason) {
  FileDescriptor current(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (current.get() < 0) {
    reason = std::string("the save folder cannot be opened: ") + std::strerror(errno);
    return -1;
  }
  std::string walked = folder;
  for (const std::string& component : components) {
    walked += "/" + component;
    int next =
        ::openat(current.get(), component.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (next < 0 && errno == ENOENT) {
      if (::mkdirat(current.get(), component.c_str(), 0777) != 0 && errno != EEXIST) {
        reason = "the folder " + walked + " cannot be created: " + std::strerror(errno);
        return -1;
      }
      next = ::openat(current.get(), component.c_str(),
                      O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    }
    if (next < 0) {
      struct stat existing {};
      const bool link =
          ::fstatat(current.get(), component.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0 &&
          S_ISLNK(existing.st_mode);
      reason = link ? "a symbolic link stands where the folder " + walked + " belongs"
                    : "the folder " + walked + " cannot be used: " + std::strerror(errno);
      return -1;
    }
    current.Reset(next);
  }
  return current.Release();
}

// The part of `path` below `folder` (without the separating "/"), or nullopt when the path does
// not lie below it as text.
std::optional<std::string_view> Below(const std::string& folder, const std::string& path) {
  std::string_view base = folder;
  while (base.size() > 1 && base.ends_with('/'))
    base.remove_suffix(1);
  std::string_view rest = path;
  if (!rest.starts_with(base)) return std::nullopt;
  rest.remove_prefix(base.size());
  if (base != "/" && !rest.starts_with('/')) return std::nullopt;
  while (rest.starts_with('/'))
    rest.remove_prefix(1);
  return rest;
}

}  // namespace

FileReplaceResult ReplaceFileContents(const std::string& systemPath, std::string_view bytes,
                                      FlushToDisk flush) {
  if (systemPath.empty() || systemPath.ends_with('/')) return {false, "no file name"};
  const std::size_t slash = systemPath.rfind('/');
  const std::string parent = slash == std::string::npos ? std::string(".")
                             : slash == 0               ? std::string("/")
                                                        : systemPath.substr(0, slash);
  const FileDescriptor folder(::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() < 0) return Failed("the folder cannot be opened", errno);
  return ReplaceAt(folder.get(),
                   slash == std::string::npos ? systemPath : systemPath.substr(slash + 1), bytes,
                   flush);
}

FileReplaceResult ReplaceFileInside(const std::string& folder, const std::string& systemPath,
                                    std::string_view bytes, FlushToDisk flush) {
  const std::optional<std::string_view> below = Below(folder, systemPath);
  if (!below || below->empty() || below->ends_with('/')) return {false, "outside the save folder"};
  std::optional<std::vector<std::string>> components = ComponentsOf(*below);
  if (!components || components->empty()) return {false, "outside the save folder"};
  const std::string name = std::move(components->back());
  components->pop_back();
  std::string reason;
  const FileDescriptor parent(OpenFoldersBelow(folder, *components, reason));
  if (parent.get() < 0) return {false, std::move(reason)};
  return ReplaceAt(parent.get(), name, bytes, flush);
}

FileReplaceResult CreateFoldersInside(const std::string& folder, const std::string& systemFolder) {
  const std::optional<std::string_view> below = Below(folder, systemFolder);
  if (!below) return {false, "outside the save folder"};
  const std::optional<std::vector<std::string>> components = ComponentsOf(*below);
  if (!components) return {false, "outside the save folder"};
  std::string reason;
  const FileDescriptor last(OpenFoldersBelow(folder, *components, reason));
  if (last.get() < 0) return {false, std::move(reason)};
  return {true, {}};
}

}  // namespace pellucor

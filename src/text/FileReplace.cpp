#include "text/FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace pellucor {
namespace {

FileReplaceResult Failed(std::string_view what, int error) {
  return {false, std::string(what) + ": " + std::strerror(error)};
}

// A name beside the target that no other writer of this process or another picks: the process
// id and a counter, created with O_EXCL so a name already taken is never reused.
int CreateTemporaryBeside(const std::string& target, std::string& temporary) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = target + ".part-" + std::to_string(::getpid()) + "-" +
                std::to_string(counter.fetch_add(1, std::memory_order_relaxed));
    // 0666 lets the umask decide, as for any new file of the user.
    const int descriptor =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
  }
  errno = EEXIST;
  return -1;
}

}  // namespace

FileReplaceResult ReplaceFileContents(const std::string& systemPath, std::string_view bytes,
                                      FlushToDisk flush) {
  if (systemPath.empty()) return {false, "no file name"};
  struct stat existing {};
  if (::lstat(systemPath.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
    if (S_ISDIR(existing.st_mode)) return {false, "a folder stands at this name"};
    if (S_ISLNK(existing.st_mode)) return {false, "a symbolic link stands at this name"};
    return {false, "something other than a file stands at this name"};
  }
  std::string temporary;
  const int descriptor = CreateTemporaryBeside(systemPath, temporary);
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
    ::unlink(temporary.c_str());
    return Failed("the file could not be written", error);
  }
  if (std::rename(temporary.c_str(), systemPath.c_str()) != 0) {
    error = errno;
    ::unlink(temporary.c_str());
    return Failed("the file could not be put in place", error);
  }
  return {true, {}};
}

}  // namespace pellucor

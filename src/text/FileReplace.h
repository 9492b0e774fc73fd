#pragma once

#include <string>
#include <string_view>

// The one way the program replaces a file's contents: the bytes go to a temporary file beside
// the target, which is then renamed over it. A failed write (a full disk, a folder standing at
// the name) leaves the old file as it was and no partial file behind.
namespace pellucor {

/// Whether the new file is forced to the disk before it replaces the old one. The settings file
/// is; the many files of a download are not, as a flush per file would slow a run for little.
enum class FlushToDisk { Yes, No };

struct FileReplaceResult {
  bool written = false;
  std::string reason;  // why not, for a message (ASCII); empty when written

  explicit operator bool() const { return written; }
};

/// Writes `bytes` to the file at `systemPath` (a UTF-8 system name), replacing it. Fails, with
/// the target untouched, when something other than a regular file stands at the path (a folder,
/// a symbolic link, a named pipe: nothing is written through a link, and nothing that could
/// block is opened), when the temporary file cannot be created or written, or when the rename
/// fails. The new file has the ordinary permissions of a new file (0666 less the umask).
[[nodiscard]] FileReplaceResult ReplaceFileContents(const std::string& systemPath,
                                                    std::string_view bytes,
                                                    FlushToDisk flush = FlushToDisk::No);

/// ReplaceFileContents for a file that must lie inside `folder` as the system resolves it, not
/// only as the path reads: the folders between them are walked from an open descriptor of
/// `folder` without following any link, and created when missing. Fails, writing nothing
/// outside, when `systemPath` does not start with `folder` + "/", when a name on the way is "."
/// or "..", or when a link or a file stands where a folder belongs. `folder` itself may be a
/// link (the user chose it). Both are UTF-8 system names.
[[nodiscard]] FileReplaceResult ReplaceFileInside(const std::string& folder,
                                                  const std::string& systemPath,
                                                  std::string_view bytes,
                                                  FlushToDisk flush = FlushToDisk::No);

/// The folder `systemFolder` and its missing parents below `folder`, created as
/// ReplaceFileInside creates them: never through a link, never outside `folder`.
[[nodiscard]] FileReplaceResult CreateFoldersInside(const std::string& folder,
                                                    const std::string& systemFolder);

}  // namespace pellucor

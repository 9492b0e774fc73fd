#pragma once

#include <string>
#include <string_view>

namespace pellucor {

struct EmptyFolderResult {
  bool emptied = false;
  std::string reason;  // why not (ASCII), for a message; empty when emptied

  explicit operator bool() const { return emptied; }
};

/// Deletes every file below the folder and keeps the folders, emptied. Refused (false, nothing
/// touched): an empty text, a folder that does not exist or has no system name, a symbolic link,
/// "/" and every top-level folder, the home folder and its ancestors, and the system's own
/// folders (/usr, /etc, /bin and the like) and everything below them. The walk holds each
/// folder open and works relative to it, so a subfolder swapped for a link while it runs is
/// refused, not followed: nothing outside the folder is ever deleted. Symbolic links inside are
/// deleted as links. False when a file or subfolder could not be emptied; the files after it are
/// left.
[[nodiscard]] EmptyFolderResult EmptyFolder(std::string_view folder);

}  // namespace pellucor

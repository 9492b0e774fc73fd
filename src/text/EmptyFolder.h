#pragma once

#include <string_view>

namespace pellucor {

/// Deletes every file below the folder and keeps the folders, emptied. Refused (false, nothing
/// touched): an empty text, a folder that does not exist or has no system name, a symbolic link,
/// "/" and every top-level folder, the home folder and its ancestors, and the system's own
/// folders (/usr, /etc, /bin and the like) and everything below them. Symbolic links inside are
/// deleted as links, never followed. Returns the outcome of the last step taken: false when a
/// file or subfolder could not be emptied, and the files after it are left.
[[nodiscard]] bool EmptyFolder(std::string_view folder);

}  // namespace pellucor

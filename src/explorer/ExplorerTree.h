#pragma once

#include <string>
#include <string_view>
#include <vector>

// The explorer's tree on Linux: the places a user cares about at the drive level (the root
// folder, the home folder, mounted removable, network and optical media), and the folders and
// files below them, listed again at every expansion. Paths and names are the system's own
// (UTF-8), so that a name without a Shift_JIS form is still shown and reached.
namespace pellucor {

enum class NodeKind { Drive = 0, Folder = 1, File = 2 };

/// The kinds of place at the drive level, as the tree's pictures tell them apart.
enum class DriveType { Fixed, Removable, Network, Optical, Other };

struct TreeNode {
  std::string text;  // what the tree shows
  std::string path;  // the full system path
  NodeKind kind = NodeKind::Folder;
  int picture = 0;
  /// Whether the node has an expand button: folders and places do, files and links to folders
  /// do not (a link is shown, but not followed, so no loop can be walked).
  bool expandable = false;
};

/// The tree's picture of a place: fixed 5, removable 8, network 9, optical 6, other 0.
[[nodiscard]] int DrivePicture(DriveType type);

/// The drive level from the mount table's text (the lines of /proc/mounts: device, mount
/// point, file system type, ...): the root folder and `home` first, then every mount point of
/// a removable disk (a device under /dev mounted below /media, /run/media or /mnt), a network
/// file system or an optical disc, in the table's order; file systems of the system itself
/// (proc, tmpfs, overlay, ...) are left out. Mount points' escaped blanks ("\040") are read.
[[nodiscard]] std::vector<TreeNode> DriveLevel(std::string_view mountTable, std::string_view home);

struct FolderListing {
  bool listed = false;  // false: the folder could not be read
  std::vector<TreeNode> children;
};

/// The entries of a folder as the tree shows them: names beginning with "." are left out, as
/// are read-only files (no write permission for anyone) and entries that are neither folders
/// nor regular files; folders and files are sorted together by name without letter case, a
/// folder as if its name began with "_".
[[nodiscard]] FolderListing ListFolder(std::string_view path);

}  // namespace pellucor

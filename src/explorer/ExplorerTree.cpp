#include "explorer/ExplorerTree.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <sstream>

#include "text/ShiftJis.h"

namespace pellucor {
namespace {

constexpr int kFolderPicture = 0;
constexpr int kFilePicture = 10;

// A mount table field with its octal escapes ("\040" for a blank) read.
std::string Unescaped(std::string_view field) {
  std::string text;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const std::string_view digits = field.substr(i + 1, 3);
      if (std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '7'; })) {
        text.push_back(
            static_cast<char>((digits[0] - '0') * 64 + (digits[1] - '0') * 8 + (digits[2] - '0')));
        i += 3;
        continue;
      }
    }
    text.push_back(field[i]);
  }
  return text;
}

DriveType TypeOfMount(std::string_view device, std::string_view point, std::string_view type) {
  for (const std::string_view network :
       {"nfs", "nfs4", "cifs", "smbfs", "smb3", "fuse.sshfs", "sshfs", "afs", "9p"}) {
    if (type == network) return DriveType::Network;
  }
  if (type == "iso9660" || type == "udf") return DriveType::Optical;
  const bool mediaPlace = point.starts_with("/media/") || point.starts_with("/run/media/") ||
                          point.starts_with("/mnt/");
  if (device.starts_with("/dev/") && mediaPlace) return DriveType::Removable;
  return DriveType::Other;
}

TreeNode Place(const std::string& path, DriveType type) {
  return {path, path, NodeKind::Drive, DrivePicture(type), true};
}

}  // namespace

int DrivePicture(DriveType type) {
  switch (type) {
    case DriveType::Fixed:
      return 5;
    case DriveType::Removable:
      return 8;
    case DriveType::Network:
      return 9;
    case DriveType::Optical:
      return 6;
    case DriveType::Other:
      break;
  }
  return 0;
}

std::vector<TreeNode> DriveLevel(std::string_view mountTable, std::string_view home) {
  std::vector<TreeNode> places = {Place("/", DriveType::Fixed)};
  if (!home.empty() && home != "/") places.push_back(Place(std::string(home), DriveType::Fixed));
  std::istringstream lines{std::string(mountTable)};
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    std::string device;
    std::string point;
    std::string type;
    if (!(fields >> device >> point >> type)) continue;
    point = Unescaped(point);
    const DriveType kind = TypeOfMount(device, point, type);
    if (kind == DriveType::Other) continue;
    const bool known = std::any_of(places.begin(), places.end(),
                                   [&](const TreeNode& place) { return place.path == point; });
    if (!known) places.push_back(Place(point, kind));
  }
  return places;
}

FolderListing ListFolder(std::string_view path) {
  const std::string folder(path);
  const std::unique_ptr<DIR, int (*)(DIR*)> directory(opendir(folder.c_str()), closedir);
  if (!directory) return {};
  const std::string prefix = folder.ends_with('/') ? folder : folder + "/";
  struct Entry {
    std::string key;
    TreeNode node;
  };
  std::vector<Entry> entries;
  while (const dirent* entry = readdir(directory.get())) {
    const std::string name = entry->d_name;
    if (name.empty() || name.front() == '.') continue;
    const std::string full = prefix + name;
    struct stat target {};
    if (stat(full.c_str(), &target) != 0) continue;
    struct stat self {};
    const bool link = lstat(full.c_str(), &self) == 0 && S_ISLNK(self.st_mode);
    if (S_ISDIR(target.st_mode)) {
      entries.push_back(
          {LowerAsciiBytes("_" + name), {name, full, NodeKind::Folder, kFolderPicture, !link}});
    } else if (S_ISREG(target.st_mode) && (target.st_mode & 0222) != 0) {
      entries.push_back({LowerAsciiBytes(name), {name, full, NodeKind::File, kFilePicture, false}});
    }
  }
  std::sort(entries.begin(), entries.end(),
            [](const Entry& a, const Entry& b) { return a.key < b.key; });
  FolderListing listing{true, {}};
  for (Entry& entry : entries)
    listing.children.push_back(std::move(entry.node));
  return listing;
}

}  // namespace pellucor

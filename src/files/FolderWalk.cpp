#include "files/FolderWalk.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <limits>
#include <vector>

#include "files/FileMasks.h"
#include "files/TimeBounds.h"
#include "text/CodePage932.h"

namespace pellucor {
namespace {

bool IsAscii(std::string_view name) {
  return std::all_of(name.begin(), name.end(),
                     [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

// One entry of a listing. Most names are ASCII, whose Shift_JIS form is the name itself.
struct Entry {
  std::string systemName;
  std::string sjisName;  // empty when it equals systemName
  unsigned char type = DT_UNKNOWN;
  // A name without an exact Shift_JIS form: sjisName is then a stand-in with "?" for what it
  // lacks, good for telling whether the entry would have been looked at, never for reporting.
  bool unnamed = false;
  bool skipReported = false;
  [[nodiscard]] const std::string& Name() const { return sjisName.empty() ? systemName : sjisName; }
};

// A folder on the walk's stack.
struct Frame {
  std::string path;  // Shift_JIS, ending in "/"
  DIR* listing = nullptr;
  dev_t device = 0;
  ino_t inode = 0;
  std::vector<Entry> subfolders;
  std::size_t next = 0;
};

// statx gives the birth time; a kernel without it leaves fstatat, whose creation time is the
// time of the last status change.
std::atomic<bool> statxMissing{false};

TFileTime FromTimestamp(const struct statx_timestamp& time) {
  return {time.tv_sec, time.tv_nsec};
}

TFileTime FromTimespec(const struct timespec& time) {
  return {time.tv_sec, static_cast<std::uint32_t>(time.tv_nsec)};
}

TFileAttributes AttributesOf(mode_t mode, std::string_view name) {
  TFileAttributes attributes;
  if (S_ISREG(mode)) attributes.Include(TFileAttribute::ffArchive);
  if (S_ISDIR(mode)) attributes.Include(TFileAttribute::ffDirectory);
  if ((mode & S_IWUSR) == 0) attributes.Include(TFileAttribute::ffReadonly);
  if (name.starts_with('.')) attributes.Include(TFileAttribute::ffHidden);
  return attributes;
}

// The entry record of `entry` in the folder `folder`; a symbolic link is described by what it
// points to, a dangling one by the link itself. nullopt when the entry is gone.
std::optional<TFileInfo> Describe(int folder, const Entry& entry) {
  TFileInfo info;
  info.Name = entry.Name();
  if (!statxMissing.load(std::memory_order_relaxed)) {
    struct statx status {};
    constexpr unsigned kMask = STATX_BASIC_STATS | STATX_BTIME;
    int result = ::statx(folder, entry.systemName.c_str(), AT_NO_AUTOMOUNT, kMask, &status);
    if (result != 0 && errno == ENOENT)
      result = ::statx(folder, entry.systemName.c_str(), AT_NO_AUTOMOUNT | AT_SYMLINK_NOFOLLOW,
                       kMask, &status);
    if (result == 0) {
      info.Size = status.stx_size;
      info.Attr = AttributesOf(status.stx_mode, info.Name);
      info.LastWriteTime = FromTimestamp(status.stx_mtime);
      info.LastAccessTime = FromTimestamp(status.stx_atime);
      info.CreationTime =
          FromTimestamp((status.stx_mask & STATX_BTIME) != 0 ? status.stx_btime : status.stx_ctime);
      info.Time = LocalDateTime(info.LastWriteTime);
      return info;
    }
    if (errno != ENOSYS) return std::nullopt;
    statxMissing.store(true, std::memory_order_relaxed);
  }
  struct stat status {};
  if (::fstatat(folder, entry.systemName.c_str(), &status, 0) != 0 &&
      ::fstatat(folder, entry.systemName.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
    return std::nullopt;
  info.Size = static_cast<std::uint64_t>(status.st_size);
  info.Attr = AttributesOf(status.st_mode, info.Name);
  info.LastWriteTime = FromTimespec(status.st_mtim);
  info.LastAccessTime = FromTimespec(status.st_atim);
  info.CreationTime = FromTimespec(status.st_ctim);
  info.Time = LocalDateTime(info.LastWriteTime);
  return info;
}

// Whether `entry` of the folder `folder` is a folder of its own (not a link to one).
bool IsSubfolder(int folder, const Entry& entry) {
  if (entry.type != DT_UNKNOWN) return entry.type == DT_DIR;
  struct stat status {};
  return ::fstatat(folder, entry.systemName.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
         S_ISDIR(status.st_mode);
}

class Walk {
 public:
  Walk(const TTargetFolder& target, TFolderWalkHost& host) : target_(target), host_(host) {}
  ~Walk() {
    for (Frame& frame : stack_) {
      if (frame.listing != nullptr) ::closedir(frame.listing);
    }
  }
  Walk(const Walk&) = delete;
  Walk& operator=(const Walk&) = delete;

  void Run() {
    const std::optional<std::string> systemPath = SjisToUtf8Exact(target_.Path);
    Enter(target_.Path, systemPath ? ::open(systemPath->c_str(), kOpenFlags) : -1);
    while (!stack_.empty()) {
      Frame& top = stack_.back();
      if (host_.Aborted() || top.next == top.subfolders.size()) {
        Leave();
        continue;
      }
      const Entry& sub = top.subfolders[top.next++];
      const int parent = dirfd(top.listing);
      std::string path = top.path + sub.Name() + "/";
      Enter(std::move(path), ::openat(parent, sub.systemName.c_str(), kOpenFlags | O_NOFOLLOW));
    }
  }

 private:
  static constexpr int kOpenFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK;

  [[nodiscard]] std::uint16_t Level() const { return static_cast<std::uint16_t>(stack_.size()); }

  // Enters the folder `path`, opened as `descriptor` (-1 when it could not be opened).
  void Enter(std::string path, int descriptor) {
    const int openError = descriptor < 0 ? errno : 0;
    stack_.emplace_back();
    stack_.back().path = std::move(path);
    Frame& frame = stack_.back();
    const std::uint16_t level = Level();
    const TFolderIgnore action = host_.FolderEntered(frame.path, level);
    const bool searchEntries =
        (action == TFolderIgnore::fiNone || action == TFolderIgnore::fiJustSubfolders) &&
        level >= target_.MinLevel;
    const bool descend = target_.Recursive &&
                         (action == TFolderIgnore::fiNone || action == TFolderIgnore::fiJustThis) &&
                         (target_.MaxLevel == 0 || target_.MaxLevel > level) &&
                         level < std::numeric_limits<std::uint16_t>::max();
    if (descriptor < 0) {
      // A link that is no folder is refused by O_NOFOLLOW on purpose; anything else is told.
      if (openError != ELOOP && openError != ENOTDIR) host_.FolderUnreadable(frame.path, openError);
      return;
    }
    if ((!searchEntries && !descend) || !Unvisited(descriptor, frame)) {
      ::close(descriptor);
      return;
    }
    frame.listing = ::fdopendir(descriptor);
    if (frame.listing == nullptr) {
      host_.FolderUnreadable(frame.path, errno);
      ::close(descriptor);
      return;
    }
    std::vector<Entry> entries = List(frame);
    if (searchEntries) SearchEntries(frame, entries);
    if (descend && !host_.Aborted()) {
      for (Entry& entry : entries) {
        if (!IsSubfolder(dirfd(frame.listing), entry)) continue;
        if (entry.unnamed)
          ReportSkipped(frame, entry);
        else
          frame.subfolders.push_back(std::move(entry));
      }
    }
  }

  void Leave() {
    if (stack_.back().listing != nullptr) ::closedir(stack_.back().listing);
    stack_.pop_back();
    host_.FolderLeft(Level());
  }

  // Notes the folder's identity and whether it is not one of the folders above it.
  bool Unvisited(int descriptor, Frame& frame) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) return false;
    frame.device = status.st_dev;
    frame.inode = status.st_ino;
    return std::none_of(stack_.begin(), stack_.end() - 1, [&status](const Frame& above) {
      return above.device == status.st_dev && above.inode == status.st_ino;
    });
  }

  std::vector<Entry> List(const Frame& frame) {
    std::vector<Entry> entries;
    while (const dirent* item = ::readdir(frame.listing)) {
      const std::string_view name = item->d_name;
      if (name == "." || name == "..") continue;
      Entry entry;
      entry.systemName = name;
      entry.type = item->d_type;
      if (!IsAscii(name)) {
        std::optional<std::string> sjis = ShiftJisName(name);
        entry.unnamed = !sjis;
        entry.sjisName = sjis ? std::move(*sjis) : Utf8ToSjis(name).text;
      }
      entries.push_back(std::move(entry));
    }
    return entries;
  }

  void ReportSkipped(const Frame& frame, Entry& entry) {
    if (entry.skipReported) return;
    entry.skipReported = true;
    host_.NameSkipped(frame.path, entry.systemName);
  }

  void SearchEntries(const Frame& frame, std::vector<Entry>& entries) {
    const int folder = dirfd(frame.listing);
    for (auto mask = target_.Masks.rbegin(); mask != target_.Masks.rend(); ++mask) {
      for (Entry& entry : entries) {
        if (host_.Aborted()) return;
        if (!MatchListingMask(entry.Name(), *mask)) continue;
        if (entry.unnamed) {
          ReportSkipped(frame, entry);
          continue;
        }
        const std::optional<TFileInfo> info = Describe(folder, entry);
        if (info && host_.Accept(frame.path, *info)) host_.FileMatched(frame.path, *info);
      }
    }
  }

  const TTargetFolder& target_;
  TFolderWalkHost& host_;
  std::vector<Frame> stack_;
};

}  // namespace

std::optional<std::string> ShiftJisName(std::string_view systemName) {
  if (IsAscii(systemName)) return std::string(systemName);
  std::optional<std::string> sjis = Utf8ToSjisExact(systemName);
  if (!sjis) return std::nullopt;
  // Characters that share one Shift_JIS form would come back as another name.
  const std::optional<std::string> back = SjisToUtf8Exact(*sjis);
  if (!back || *back != systemName) return std::nullopt;
  return sjis;
}

void WalkTargetFolder(const TTargetFolder& target, TFolderWalkHost& host) {
  Walk(target, host).Run();
}

}  // namespace pellucor

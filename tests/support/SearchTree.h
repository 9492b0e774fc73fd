#pragma once

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "files/FindFile.h"
#include "support/TempFolder.h"

namespace pellucor::testing {

/// A temporary folder with helpers to fill it and to run a search over it: the tree the file
/// search and the find command are tried on.
class SearchTree {
 public:
  SearchTree() = default;

  [[nodiscard]] const std::string& root() const { return folder_.path(); }
  [[nodiscard]] std::string operator/(std::string_view name) const { return folder_ / name; }

  /// Files given relative to the root, with their bytes; folders end in "/".
  void Add(const std::vector<std::pair<std::string, std::string>>& entries) const {
    for (const auto& [name, bytes] : entries) {
      if (name.ends_with('/'))
        std::filesystem::create_directories(folder_ / name);
      else
        WriteBytes(folder_ / name, bytes);
    }
  }

  /// Files as Add makes them, all with the same last write and last access time (SetTimes).
  void AddDated(const std::vector<std::pair<std::string, std::string>>& files, int year, int month,
                int day, int hour) const {
    Add(files);
    for (const auto& [name, bytes] : files)
      SetTimes(name, year, month, day, hour);
  }

  /// Points a search at the root, for the masks ("*.h;*.txt").
  void Aim(TFindFile& finder, const std::string& masks) const {
    finder.Criteria.Files.Location = root();
    finder.Criteria.Files.FileName = masks;
  }

  /// Sets the last write and last access time of a file to a local date and time.
  void SetTimes(const std::string& name, int year, int month, int day, int hour) const {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_isdst = -1;
    const timespec time{std::mktime(&local), 0};
    const timespec times[2] = {time, time};
    ::utimensat(AT_FDCWD, (folder_ / name).c_str(), times, 0);
  }

  /// Each match as its folder below the root and its name ("sub/c.h"), sorted, repeats kept.
  [[nodiscard]] std::vector<std::string> Matches(TFindFile& finder) const {
    std::vector<std::string> found;
    std::mutex guard;
    finder.OnFileMatch = [&](TFindFile&, const std::string& folder, const TFileInfo& entry) {
      const std::lock_guard lock(guard);
      found.push_back(folder.substr(std::min(folder.size(), root().size() + 1)) + entry.Name);
    };
    finder.Execute();
    finder.WaitFor();
    finder.OnFileMatch = nullptr;
    std::sort(found.begin(), found.end());
    return found;
  }

 private:
  TempFolder folder_;
};

}  // namespace pellucor::testing

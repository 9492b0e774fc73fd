#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

// What the file search knows about one folder entry: its attribute bits in the program's terms
// and the record handed to a match handler.
namespace pellucor {

/// The attribute bits a search can ask for. On Linux: archive is every regular file, read-only a
/// file its owner may not write, hidden a name that starts with ".", directory a folder; no entry
/// is ever a system file.
enum class TFileAttribute : std::uint8_t {
  ffArchive = 1,
  ffReadonly = 2,
  ffHidden = 4,
  ffSystem = 8,
  ffDirectory = 16,
};

/// A set of TFileAttribute bits.
class TFileAttributes {
 public:
  constexpr TFileAttributes() = default;
  constexpr TFileAttributes(std::initializer_list<TFileAttribute> attributes) {
    for (const TFileAttribute attribute : attributes)
      Include(attribute);
  }

  [[nodiscard]] constexpr bool Contains(TFileAttribute attribute) const {
    return (bits_ & static_cast<std::uint8_t>(attribute)) != 0;
  }
  constexpr void Include(TFileAttribute attribute) {
    bits_ |= static_cast<std::uint8_t>(attribute);
  }
  constexpr void Exclude(TFileAttribute attribute) {
    bits_ &= static_cast<std::uint8_t>(~static_cast<std::uint8_t>(attribute));
  }
  /// True when every bit of this set is also in `allowed`.
  [[nodiscard]] constexpr bool IsSubsetOf(TFileAttributes allowed) const {
    return (bits_ & ~allowed.bits_) == 0;
  }
  [[nodiscard]] constexpr bool IsEmpty() const { return bits_ == 0; }
  friend constexpr bool operator==(TFileAttributes, TFileAttributes) = default;

 private:
  std::uint8_t bits_ = 0;
};

/// A file time as the system keeps it: seconds and nanoseconds since 1970-01-01 UTC.
struct TFileTime {
  std::int64_t Seconds = 0;
  std::uint32_t Nanoseconds = 0;
};

/// Days since 1899-12-30 in local time; the fraction is the time of day.
using TDateTime = double;

/// The entry record of a match. `Name` is a Shift_JIS text. `Size` is the whole size in bytes,
/// so files of 4 GiB and more are measured correctly. `CreationTime` is the birth time where the
/// file system records one, otherwise the time of the last status change.
struct TFileInfo {
  std::string Name;
  std::uint64_t Size = 0;
  TFileAttributes Attr;
  TDateTime Time = 0;  // the last write, as a local date-time
  TFileTime CreationTime;
  TFileTime LastAccessTime;
  TFileTime LastWriteTime;
};

}  // namespace pellucor

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A small INI store with the semantics of private-profile files: sections and keys matched
// without regard to ASCII case, every write going straight to the file, erasing a section with
// all its keys. The API speaks Shift_JIS texts like the rest of the core; the file on disk is
// UTF-8. Files are replaced atomically (written beside and renamed), so a crash never leaves a
// half-written file.
namespace pellucor {

class IniFile {
 public:
  /// Longest value a read returns, in bytes; longer values are cut at a character boundary.
  static constexpr std::size_t kLongestValue = 2047;

  /// The parsed contents of the file at `path` (a Shift_JIS path); an empty document when the
  /// file does not exist or cannot be read.
  [[nodiscard]] static IniFile Load(std::string_view path);

  /// The value of the key in the section, or nullopt when either is missing. Blanks around the
  /// value and one pair of enclosing quotes are removed.
  [[nodiscard]] std::optional<std::string> Value(std::string_view section,
                                                 std::string_view key) const;

  /// Sets the key, replacing its line or adding it at the end of its section; a missing section
  /// is added at the end of the file.
  void SetValue(std::string_view section, std::string_view key, std::string_view value);

  /// Removes the section line and all its keys; nothing when there is no such section.
  void EraseSection(std::string_view section);

  /// Writes the document to `path` through a temporary file and a rename; false when the path
  /// has no system name or the file cannot be written (the old file then stays as it was).
  [[nodiscard]] bool Save(std::string_view path) const;

 private:
  // Lines as they are in the file (UTF-8), so that what the program does not touch - comments,
  // blank lines, unknown sections - is written back unchanged.
  std::vector<std::string> lines_;
};

/// Reads one key; `fallback` when the file, the section or the key is missing.
[[nodiscard]] std::string ReadIniString(std::string_view path, std::string_view section,
                                        std::string_view key, std::string_view fallback = {});

/// Writes one key (read, change, write the whole file). False when the file cannot be written.
[[nodiscard]] bool WriteIniString(std::string_view path, std::string_view section,
                                  std::string_view key, std::string_view value);

/// Erases a section. False when the file cannot be written.
[[nodiscard]] bool EraseIniSection(std::string_view path, std::string_view section);

/// Erases the section, then writes the entries under prefix + "0", prefix + "1", ... stopping
/// before the first empty entry. False when the file cannot be written.
[[nodiscard]] bool WriteIniList(std::string_view path, std::string_view section,
                                std::string_view prefix, const std::vector<std::string>& list);

/// The value under prefix + the decimal index; empty when missing.
[[nodiscard]] std::string ReadIniListItem(std::string_view path, std::string_view section,
                                          std::string_view prefix, int index);

}  // namespace pellucor

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "files/FileInfo.h"

// The criteria of a file search. Each class is a plain value: copying one copies every property.
// Every text is Shift_JIS; paths use "/" as their separator.
namespace pellucor {

/// Which files, where.
struct TFileCriteria {
  /// File masks separated by ";", each a name pattern with "*" and "?".
  std::string FileName;
  /// Folders separated by ";"; each may start with "<" (do not descend) or ">" (descend).
  std::string Location;
  /// Entries of a folder path followed by one file mask, each optionally starting with "<" or ">".
  std::vector<std::string> Included;
  /// Masks of files to leave out, optionally with a folder path (and a drive, see MatchPathMask).
  std::vector<std::string> Excluded;
  /// Descend into subfolders when an entry carries no "<" or ">".
  bool Subfolders = true;
  /// Files are reported only from folders at this depth or deeper (the named folder is depth 1).
  std::uint16_t MinLevel = 0;
  /// When not 0, folders at this depth are not descended further.
  std::uint16_t MaxLevel = 0;
};

struct TAttributeCriteria {
  /// The allowed attributes.
  TFileAttributes Attributes{TFileAttribute::ffArchive, TFileAttribute::ffReadonly,
                             TFileAttribute::ffHidden, TFileAttribute::ffSystem};
  /// Require exactly these attributes.
  bool ExactMatch = false;
};

/// Time bounds as local day numbers (see TimeBounds.h); 0 means no bound.
struct TDateTimeCriteria {
  TDateTime CreatedBefore = 0;
  TDateTime CreatedAfter = 0;
  TDateTime ModifiedBefore = 0;
  TDateTime ModifiedAfter = 0;
  TDateTime AccessedBefore = 0;
  TDateTime AccessedAfter = 0;
};

/// Size bounds in bytes; 0 means no bound.
struct TSizeCriteria {
  std::uint32_t Min = 0;
  std::uint32_t Max = 0;
};

struct TContentCriteria {
  /// Bytes the file must contain; empty means no content test.
  std::string Phrase;
  /// ASCII letters compare without case.
  bool IgnoreCase = true;
  /// The phrase must stand between bytes that are no ASCII letter or digit.
  bool WholeWord = false;
};

struct TSearchCriteria {
  TFileCriteria Files;
  TAttributeCriteria Attribute;
  TDateTimeCriteria TimeStamp;
  TSizeCriteria Size;
  TContentCriteria Content;
};

}  // namespace pellucor

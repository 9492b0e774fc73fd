#pragma once

#include <string>
#include <string_view>

// Lexical checks that keep every path a run writes inside its save folder. Paths are Shift_JIS
// texts. Every "/" separates; so does a "\" where it starts a character (the second byte of "表"
// or "ソ" does not), because a saved folder must not climb out when it is opened on Windows
// either.
namespace pellucor {

/// True when `path` names `folder` itself or a place below it, after both have been normalised
/// lexically: "." segments and empty segments (repeated separators) go, ".." removes the segment
/// before it (at the root of an absolute path it stays at the root). An absolute path is never
/// inside a relative folder and the other way round. False for an empty path or folder and for
/// any text holding a NUL byte, which no system call could name. Symbolic links are not
/// resolved here; the writer checks those on the disk.
[[nodiscard]] bool IsInsideFolder(std::string_view path, std::string_view folder);

/// Why the folder cannot be a save folder, or empty when it can: the names of a run's files are
/// the save folder's path followed by names made from URLs, and the mappings that make those
/// names safe (MakeSafeFilePath, and the "+" and "http:" that a file write refuses) apply to the
/// whole path. A save folder whose own name they would change (": ? * | \" < > + %20 %2F &amp;",
/// a backslash, "//") would send the run's files to another folder, possibly outside it, so it
/// is refused before the run; so is one with "." or ".." segments.
[[nodiscard]] std::string SaveFolderProblem(std::string_view folder);

/// The path with names that stay visible and harmless on the disk: a segment that starts with
/// "." but is not all dots (".config", ".ssh") gets "_" for that dot, so a saved page never
/// makes a hidden folder (a save folder may be the home folder, where ".config/autostart" would
/// run at the next login); and every control byte (below 0x20, and 0x7F) becomes "_". Segments
/// of dots only ("." and "..", relative steps) are left as they are.
[[nodiscard]] std::string WithVisibleNames(std::string_view path);

/// Whether WithVisibleNames would change the path.
[[nodiscard]] bool HasHiddenOrControlNames(std::string_view path);

/// Whether DropDotSegments keeps empty segments (repeated, leading and trailing separators).
enum class EmptySegments { Keep, Drop };

/// The text with every segment that consists of dots only ("." "..", "...") removed, so that it
/// can never climb above the place it is put. "<" and ">" do not count when a segment is judged,
/// because the safe-path mapping deletes them later and would turn ".<." into "..". Separators
/// are written as "/". With EmptySegments::Keep the remaining segments keep their separators as
/// they were ("a//b/" stays); with Drop the result has no leading, trailing or repeated "/".
[[nodiscard]] std::string DropDotSegments(std::string_view text, EmptySegments empties);

}  // namespace pellucor

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Local paths made from URL text. Paths are Shift_JIS texts with "/" as the separator; there
// are no drive letters, so every path is treated as one without a drive. Names keep the
// mappings that make a saved folder open on Windows too.
namespace pellucor {

/// The text made into a path that Windows would also accept, in this order: "/" after the first
/// "=http" become "~"; "?" to "@"; "|" to "~"; "*" to ";"; "&amp;" to "&" (when there is an
/// "&"); "<" and ">" removed; every ":" but that of the first "http://" to ";"; "%3A%2F%2F" to
/// ";~~"; "%2F" to "~"; a double quote to "'"; "%26" to "&"; "%20" to " "; "\" to "/"; "//" to
/// "/" in one pass.
[[nodiscard]] std::string MakeSafeFilePath(std::string_view text);

/// Class of the path's last character: 0 for an empty path, -1 when it cannot be in a name (NUL,
/// or bytes that form no character), 3 for the separator "/", 4 for the wildcards "*" and "?",
/// and 1 for every other character (a POSIX name may hold any of them). 2 (a character of short
/// names only) does not occur here.
[[nodiscard]] int ClassifyPathChars(std::string_view path);

/// Number of path separators ("/") in the path.
[[nodiscard]] std::size_t CountBackslashes(std::string_view path);

/// The folder above `folder`, without a trailing "/": "/a/b/" and "/a/b" give "/a". The folder
/// above a top-level folder is "/".
[[nodiscard]] std::string ParentFolder(std::string_view folder);

}  // namespace pellucor

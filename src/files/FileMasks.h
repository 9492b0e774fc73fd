#pragma once

#include <string_view>

// Name patterns of the file search. Names, masks and folders are Shift_JIS texts; "?" stands for
// one character, single- or double-byte, and ASCII letters compare without case everywhere.
namespace pellucor {

/// The program's own pattern walk: "?" matches any one character, a "*" matches the whole rest
/// of the name at once (so "*.h" never matches: use MatchFileMask), other characters must be
/// equal. When the name ends first the rest of the pattern must be only "*" and "?" ("a?"
/// matches "a"); when the pattern ends first there is no match.
[[nodiscard]] bool WildcardMatch(std::string_view name, std::string_view pattern);

/// A file name against one mask, name part and extension (from the last ".") matched apart with
/// WildcardMatch. A mask without "." matches the name part alone, whatever the extension ("abc"
/// matches "abc.txt"). A file without "." counts as having the extension ".", so "*." matches it.
[[nodiscard]] bool MatchFileMask(std::string_view fileName, std::string_view mask);

/// A file in `folder` (an absolute path ending in "/") against a mask that may carry a folder
/// part ("sub/*.tmp", "/var/tmp/*"). A folder part must end the folder (without case, and only
/// at a character start); a relative part such as "sub/" therefore also matches ".../mysub/".
/// Linux has no drives: a leading "X:" drive in the mask's folder part never matches, unless it
/// is a wildcard ("*:" or "?:"), which matches and is then dropped. A mask without a file name
/// part ("sub/") matches every file of a matching folder.
[[nodiscard]] bool MatchPathMask(std::string_view folder, std::string_view fileName,
                                 std::string_view mask);

/// The folder listing's own matching of an entry name against a mask, as a wildcard listing of
/// the system does it: "*" matches any run of characters, "?" exactly one; "*.*" matches every
/// name; a name without "." also matches a mask ending in ".*" or "." with that ending taken off
/// ("abc.*" and "abc." match "abc", "*." matches every name without extension).
[[nodiscard]] bool MatchListingMask(std::string_view name, std::string_view mask);

}  // namespace pellucor

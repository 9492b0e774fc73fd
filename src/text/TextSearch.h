#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Search and replace helpers with the program's conventions: positions are 1-based byte
// positions and 0 means "not found"; the plain search respects case and matches only at
// character starts; replace-all ignores ASCII case.
namespace pellucor {

/// Position of `pattern` searched from just after the character at `position` (at position + 1,
/// or + 2 when that byte leads a double-byte character); 0 searches the whole text. 0 when
/// absent, when the pattern is empty or when the start lies past the end.
[[nodiscard]] std::size_t PosFrom(std::string_view pattern, std::string_view text,
                                  std::size_t position);

/// Position of `pattern` compared byte by byte from `position` on (that byte included), without
/// regard to character boundaries. A position below 2 searches the whole text with the plain
/// character-aware search. 0 when absent or when the pattern is empty.
[[nodiscard]] std::size_t BytePosFrom(std::string_view pattern, std::string_view text,
                                      std::size_t position);

/// Text between the first `start` marker and the next `end` marker after it; empty when either
/// is missing.
[[nodiscard]] std::string TextBetween(std::string_view text, std::string_view start,
                                      std::string_view end);

/// The text without every span from a `start` marker through the following `end` marker. The
/// end marker is looked for from the last byte of the start marker on, so with start = end = a
/// quote each step deletes just that quote. A start marker without an end marker after it ends
/// the deleting and stays in the text.
[[nodiscard]] std::string DeleteAllBetween(std::string_view text, std::string_view start,
                                           std::string_view end);

/// DeleteAllBetween on the text itself, without a copy of it; returns whether anything was
/// deleted.
bool DeleteAllBetweenIn(std::string& text, std::string_view start, std::string_view end);

/// Every occurrence of `pattern`, in any ASCII case, replaced by `replacement` - but only when
/// the pattern occurs somewhere in its exact case; otherwise the text is returned unchanged.
[[nodiscard]] std::string ReplaceAllText(std::string_view text, std::string_view pattern,
                                         std::string_view replacement);

/// As ReplaceAllText, but the text before `position` is kept as it is. A position of 0 or past
/// the end leaves the text unchanged.
[[nodiscard]] std::string ReplaceAllAfter(std::string_view text, std::string_view pattern,
                                          std::string_view replacement, std::size_t position);

/// ReplaceAllAfter on the text itself; returns whether anything was replaced. A text without a
/// match is neither copied nor changed.
bool ReplaceAllAfterIn(std::string& text, std::string_view pattern, std::string_view replacement,
                       std::size_t position);

}  // namespace pellucor

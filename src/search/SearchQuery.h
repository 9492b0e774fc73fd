#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "search/SearchEndpoints.h"

// The parts of a search query URL: the keyword as typed, tidied and encoded, and the fixed text
// around it.
namespace pellucor {

/// The keyword box's text in its three forms.
struct SearchKeyword {
  std::string trimmed;    // without blanks and control characters at both ends
  std::string collapsed;  // runs of blanks and full-width blanks reduced (CollapseSpaces)
  std::string encoded;    // the collapsed text as percent-escaped UTF-8, blanks written "+"
};

/// The keyword box's text (Shift_JIS) prepared for a query; nullopt when it is blank. In the
/// encoded form every byte of 0x80 and above is "%" and two lower-case hexadecimal digits, and
/// so is a byte below 0x80 that follows one (a blank after a Japanese character is "%20", not
/// "+").
[[nodiscard]] std::optional<SearchKeyword> PrepareSearchKeyword(std::string_view text);

/// "http://" + host + path of the engine's endpoint for the mode; empty for a mode that is
/// neither 0 nor 1.
[[nodiscard]] std::string SearchPrefix(SearchEngine engine, int mode);

/// The fixed parameters after the keyword of a new search; empty for a mode that is neither 0
/// nor 1.
[[nodiscard]] std::string_view NewSearchTail(SearchEngine engine, int mode);

/// The fixed parameters after the keyword when paging to the result numbered `start`.
[[nodiscard]] std::string PagingTail(SearchEngine engine, int start);

}  // namespace pellucor

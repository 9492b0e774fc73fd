#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pellucor {

/// Splits a keyword box's text into `SearchKeywords` (emptied first) and returns their count.
/// The text is trimmed (blanks, control characters and full-width blanks at both ends); each
/// full-width blank counts as two blanks; each pair of blanks, in one pass, as one blank, so
/// three blanks in a row give an empty keyword between two others; then blanks separate the
/// keywords. A keyword that begins with a double quote runs to the closing quote (which is not
/// kept) and may hold separators; a doubled quote inside stands for one. Control characters
/// also separate keywords.
int EdictScan(std::string_view text, std::vector<std::string>& SearchKeywords);

}  // namespace pellucor

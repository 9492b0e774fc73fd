#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ports/Browser.h"
#include "ports/EventPump.h"

// The search-and-highlight boxes over the browsers: the words typed there are marked in the
// page shown, each word in a background colour of its own and in bold. Only the document shown
// changes; the marks last until the page is loaded again.
namespace pellucor {

/// The opening tag that marks the word at the place (0-based) of the word list: red, yellow,
/// magenta, orange, aqua, then Lime for every later word.
[[nodiscard]] std::string_view HighlightOpeningTag(std::size_t place);

/// Marks every occurrence of every word in the browser's document, word i with the tag of place
/// i, with the busy cursor shown. A busy browser is left as it is (NoDocument). The first word
/// the document cannot take (no document, a frameset, an error) ends the whole operation: later
/// words are not marked. Marked for an empty list.
MarkOutcome SearchAndHighlightText(Browser& browser, const std::vector<std::string>& words,
                                   EventPump& pump);

/// The search command of a highlight box: the box text trimmed and split into keywords
/// (EdictScan), which are then marked. Nothing happens for a blank box. Returns the keywords.
std::vector<std::string> HighlightSearch(std::string_view box, Browser& browser, EventPump& pump);

}  // namespace pellucor

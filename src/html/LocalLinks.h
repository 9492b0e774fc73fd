#pragma once

#include <string>
#include <string_view>

namespace pellucor {

/// Makes the links of a saved top page work from the disk. `name` is the top page's file name
/// ("index.html" when empty): directory links ("href=\"../\"", "href=''", ".../\">") get it
/// appended; backslashes become "/"; and, after a case-sensitive "<body", links to dynamic
/// pages get the local names the pages are saved under (".php?q=1\"" to ".php@q=1.html\"",
/// ".php\"" to ".php.html\"", directory links to "index.html"). Absolute URLs are protected from
/// the rewriting.
[[nodiscard]] std::string MakeLocalLinks(std::string_view name, std::string_view text);

/// The part of MakeLocalLinks for links to pages with queries: every query Q - the text between
/// ".asp?", ".jsp?", ".php?" or ".html?" and the next quote, line ends taken out, as CollectBetween
/// finds them, marker after marker - in the order found: each Q + "\"" after a case-sensitive
/// "<body", in any ASCII case, becomes Q + ".html\"", provided the text holds Q + "\"" in its exact
/// case at that moment. Linear in the length of the text whenever no query is empty or ends as
/// ".html" does (the only queries whose passes can make new matches of a query).
void LinkQueryPagesIn(std::string& text);

/// MakeLocalLinks on the text itself.
void MakeLocalLinksIn(std::string_view name, std::string& text);

}  // namespace pellucor

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

/// MakeLocalLinks on the text itself.
void MakeLocalLinksIn(std::string_view name, std::string& text);

}  // namespace pellucor

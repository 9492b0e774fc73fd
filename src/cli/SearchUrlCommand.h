#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pellucor::cli {

/// `pellucor-cli search-url google|yahoo [--mode 0|1] [--next N] KEYWORD...`: the query URL
/// that a new search and N presses of "next 100" navigate to. Returns the exit status.
int RunSearchUrl(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& error);

extern const char* const kSearchUrlUsage;

}  // namespace pellucor::cli

#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pellucor::cli {

/// `pellucor-cli colors [--sorted] FILE`: the colour list of a style sheet or page, one item a
/// line. Returns the exit status.
int RunColors(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& error);

extern const char* const kColorsUsage;

}  // namespace pellucor::cli

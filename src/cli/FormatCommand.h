#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pellucor::cli {

/// `pellucor-cli format IN [-o OUT]`: the page in Shift_JIS and in the house style of saved
/// pages. Returns the exit status.
int RunFormat(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& error,
              bool outIsTerminal);

extern const char* const kFormatUsage;

}  // namespace pellucor::cli

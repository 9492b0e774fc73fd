#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pellucor::cli {

/// `pellucor-cli to-sjis [--charset NAME] IN [-o OUT]`: the page IN converted to Shift_JIS the
/// way a downloaded page is. Returns the exit status.
int RunToSjis(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& error,
              bool outIsTerminal);

extern const char* const kToSjisUsage;

}  // namespace pellucor::cli

#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pellucor::cli {

/// `pellucor-cli colorize IN [-o OUT.rtf]`: the page in Shift_JIS as syntax-coloured RTF, the
/// document a source view loads. The RTF bytes are written as they are, also to a terminal.
/// Returns the exit status.
int RunColorize(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& error);

extern const char* const kColorizeUsage;

}  // namespace pellucor::cli

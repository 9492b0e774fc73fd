#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pellucor::cli {

/// `pellucor-cli convert decode|encode ITEM [TEXT]`: the web code converter's conversion of
/// TEXT (or of standard input) by the item of its option groups. Returns the exit status.
int RunConvert(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
               std::ostream& error);

extern const char* const kConvertUsage;

}  // namespace pellucor::cli

#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pellucor::cli {

/// `pellucor-cli probe URL`: the HTTP probe's summary and the response headers of URL. Returns
/// the exit status.
int RunProbe(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& error);

extern const char* const kProbeUsage;

}  // namespace pellucor::cli

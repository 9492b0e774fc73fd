#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pellucor::cli {

/// `pellucor-cli download [options] URL SAVE_FOLDER` and `pellucor-cli download --demo`: one
/// download run of the engine, headless. Returns the exit status.
int RunDownload(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& error,
                bool errorIsTerminal);

extern const char* const kDownloadUsage;

}  // namespace pellucor::cli

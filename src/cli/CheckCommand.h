#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "check/OfflineCheck.h"

namespace pellucor::cli {

/// `pellucor-cli check PAGE`: the offline check of a saved page. Returns the exit status: 0
/// when everything it loads is saved, 1 when something is missing or goes to the web, 2 for a
/// page that cannot be read or is not a regular file, 64 for a usage error.
int RunCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& error);

/// The check's findings, one a line ("missing  FILE: REFERENCE" or "leak  FILE: REFERENCE",
/// followed by " -> TARGET" when the target is written otherwise than the reference), then its
/// summary line: "offline check: N references, all saved" or "offline check: N references, M
/// missing, L leaks". Files inside the checked page's folder are shown relative to it, others
/// by their absolute path; control characters are escaped.
void PrintOfflineCheck(const OfflineCheckResult& result, std::ostream& out);

extern const char* const kCheckUsage;

}  // namespace pellucor::cli

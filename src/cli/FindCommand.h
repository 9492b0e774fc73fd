#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pellucor::cli {

/// `pellucor-cli find --mask MASKS --dir FOLDERS [options]`: the file search, one line per match
/// and the summary at the end. Ctrl-C (SIGINT) while it runs aborts the search, which still ends
/// with its summary. Matches are written to `out` from the search's worker thread, the summary
/// from the calling thread once the worker has ended. Returns the exit status.
int RunFind(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& error);

extern const char* const kFindUsage;

}  // namespace pellucor::cli

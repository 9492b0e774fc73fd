#include "cli/TerminalNetSearch.h"

namespace pellucor::cli {

TerminalNetSearch::TerminalNetSearch(std::ostream& messages)
    : dialogs_(Answer::No, std::string(), messages),
      search_(NetSearchHost{dialogs_, clipboard_, pump_, launcher_, base_, target_, newWindow_,
                            http_, downloadTab_, startupComplete_,
                            [](std::chrono::milliseconds) {}}) {}

}  // namespace pellucor::cli

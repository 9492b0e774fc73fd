#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace pellucor::cli {

/// What a command printed and the status it returned.
struct CommandRun {
  int status;
  std::string out;
  std::string error;
};

/// Runs `command(out, error)` with both streams captured.
template <typename Command>
CommandRun Capture(Command command) {
  std::ostringstream out;
  std::ostringstream error;
  const int status = command(static_cast<std::ostream&>(out), static_cast<std::ostream&>(error));
  return {status, out.str(), error.str()};
}

/// One command line of an exit status table and the status it must end with.
struct ExitStatusCase {
  const char* name;
  std::vector<std::string> arguments;
  int status;
};

/// A failure as the commands leave it: nothing on standard output, and the reason in one line on
/// the error stream, so that a script can show it as it is.
inline void ExpectOneLineFailure(const CommandRun& run) {
  EXPECT_EQ(std::count(run.error.begin(), run.error.end(), '\n'), 1) << run.error;
  EXPECT_EQ(run.out, "");
}

/// Runs each case through `run` (arguments to CommandRun) and checks its status with the
/// streams every command promises beside it: --help (0) prints the usage of `command` on
/// standard output; a usage error (64) or bad input (2) is a one-line failure. Status 1, "ended
/// early or found nothing", is checked by `endedEarly`: a one-line failure too, unless the
/// command still reports on standard output then (the search's summary, the download's log).
template <typename Run>
void ExpectExitStatuses(
    std::string_view command, Run run, std::span<const ExitStatusCase> cases,
    const std::function<void(const CommandRun&)>& endedEarly = ExpectOneLineFailure) {
  const std::string usage = "usage: pellucor-cli " + std::string(command);
  for (const ExitStatusCase& c : cases) {
    SCOPED_TRACE(c.name);
    const CommandRun outcome = run(c.arguments);
    EXPECT_EQ(outcome.status, c.status) << outcome.error;
    if (c.status == 0) {
      EXPECT_TRUE(outcome.out.starts_with(usage)) << outcome.out;
    } else if (c.status == 1) {
      endedEarly(outcome);
    } else {
      ExpectOneLineFailure(outcome);
    }
  }
}

}  // namespace pellucor::cli

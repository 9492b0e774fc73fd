#pragma once

#include <ostream>
#include <sstream>
#include <string>

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

}  // namespace pellucor::cli

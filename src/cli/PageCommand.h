#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CommandLine.h"
#include "text/CodePage932.h"

namespace pellucor::cli {

/// The frame of a command that turns one page file into Shift_JIS text: `NAME [options] IN
/// [-o OUT]`, with --help, a usage error (64) for a wrong argument count or option, a one-line
/// error and status 2 for an unreadable IN or unwritable OUT or a failed conversion. The output
/// goes to OUT as Shift_JIS bytes, or to `out` - shown as UTF-8 when it is a terminal.
struct PageCommand {
  std::string name;
  const char* usage;
  std::vector<std::string> valueOptions;  // besides "-o"
  /// Turns the page's bytes into the Shift_JIS result; a conversion error ends the command with
  /// its message.
  std::function<ConvertedText(std::string_view page, const CommandLine& line)> transform;
  /// Checks the options before the input is read; returns false after writing a usage error.
  std::function<bool(const CommandLine& line, std::ostream& error)> checkOptions;
};

int RunPageCommand(const PageCommand& command, const std::vector<std::string>& arguments,
                   std::ostream& out, std::ostream& error, bool outIsTerminal);

}  // namespace pellucor::cli

#include "cli/ToSjisCommand.h"

#include <array>
#include <ostream>
#include <utility>

#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "cli/PageCommand.h"
#include "text/CodePage932.h"
#include "text/HtmlCharset.h"

namespace pellucor::cli {
namespace {

// The names of the charset codes, in the order of the charset option groups.
constexpr std::array<std::pair<std::string_view, CharsetCode>, 6> kCharsetNames = {{
    {"auto", CharsetCode::Automatic},
    {"euc-jp", CharsetCode::EucJp},
    {"utf-8", CharsetCode::Utf8},
    {"shift_jis", CharsetCode::ShiftJis},
    {"iso-2022-jp", CharsetCode::Iso2022Jp},
    {"utf-8n", CharsetCode::Utf8N},
}};

std::optional<CharsetCode> CharsetNamed(std::string_view name) {
  for (const auto& [charsetName, code] : kCharsetNames) {
    if (charsetName == name) return code;
  }
  return std::nullopt;
}

}  // namespace

const char* const kToSjisUsage =
    "usage: pellucor-cli to-sjis [--charset NAME] IN [-o OUT]\n"
    "\n"
    "Converts the page IN to Shift_JIS as a downloaded page is converted: its encoding is\n"
    "taken from its declarations (or forced with --charset) and its line ends are normalised.\n"
    "Writes the Shift_JIS bytes to OUT, or to standard output (shown as UTF-8 on a terminal).\n"
    "\n"
    "  --charset NAME  auto (the default), euc-jp, utf-8, shift_jis, iso-2022-jp or utf-8n\n"
    "  -o OUT          the file to write\n"
    "\n"
    "Exit status: 0 done, 2 IN cannot be read or OUT cannot be written, 64 usage error.\n";

int RunToSjis(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& error,
              bool outIsTerminal) {
  const auto charsetOf = [](const CommandLine& line) {
    return CharsetNamed(line.Value("--charset").value_or("auto"));
  };
  const PageCommand command{
      "to-sjis",
      kToSjisUsage,
      {"--charset"},
      [&charsetOf](std::string_view page, const CommandLine& line) {
        return ConvertHtmlToSjis(page, *charsetOf(line));
      },
      [&charsetOf](const CommandLine& line, std::ostream& errors) {
        if (charsetOf(line)) return true;
        errors << "unknown charset " << *line.Value("--charset")
               << " (auto, euc-jp, utf-8, shift_jis, iso-2022-jp or utf-8n)\n";
        return false;
      },
  };
  return RunPageCommand(command, arguments, out, error, outIsTerminal);
}

}  // namespace pellucor::cli

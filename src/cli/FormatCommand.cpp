#include "cli/FormatCommand.h"

#include "cli/PageCommand.h"
#include "html/HtmlFormatter.h"
#include "html/SaveCharset.h"

namespace pellucor::cli {

const char* const kFormatUsage =
    "usage: pellucor-cli format IN [-o OUT]\n"
    "\n"
    "Converts the page IN to Shift_JIS (from the encoding its declarations name, else the one\n"
    "detected) and formats it as saved pages are: no tabs or blank lines, Shift_JIS charset\n"
    "declarations, lower-case tag and attribute names, one line per block-level tag, CR LF line\n"
    "ends. Writes the Shift_JIS bytes to OUT, or to standard output (shown as UTF-8 on a\n"
    "terminal).\n"
    "\n"
    "  -o OUT   the file to write\n"
    "\n"
    "Exit status: 0 done, 2 IN cannot be read or OUT cannot be written, 64 usage error.\n";

int RunFormat(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& error,
              bool outIsTerminal) {
  const PageCommand command{
      "format",
      kFormatUsage,
      {},
      [](std::string_view page, const CommandLine&) {
        ConvertedText converted = HTMLToShiftJIS(page);
        if (converted.ok()) converted.text = FormatHTMLSource(converted.text);
        return converted;
      },
      {},
  };
  return RunPageCommand(command, arguments, out, error, outIsTerminal);
}

}  // namespace pellucor::cli

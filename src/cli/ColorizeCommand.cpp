#include "cli/ColorizeCommand.h"

#include "cli/PageCommand.h"
#include "html/SaveCharset.h"
#include "syntax/HtmlRtf.h"

namespace pellucor::cli {

const char* const kColorizeUsage =
    "usage: pellucor-cli colorize IN [-o OUT.rtf]\n"
    "\n"
    "Converts the page IN to Shift_JIS (from the encoding its declarations name, else the one\n"
    "detected) and writes its source as RTF with syntax colours: tags red, attribute values\n"
    "and strings green, symbols fuchsia, text and blanks blue, comments maroon. The text keeps\n"
    "its Shift_JIS bytes (font character set 128); the RTF goes to OUT or to standard output\n"
    "as it is.\n"
    "\n"
    "  -o OUT.rtf  the file to write\n"
    "\n"
    "Exit status: 0 done, 2 IN cannot be read or OUT cannot be written, 64 usage error.\n";

int RunColorize(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& error) {
  const PageCommand command{
      "colorize",
      kColorizeUsage,
      {},
      [](std::string_view page, const CommandLine&) {
        ConvertedText converted = HTMLToShiftJIS(page);
        if (converted.ok()) converted.text = HtmlToRtf(converted.text);
        return converted;
      },
      {},
  };
  // RTF is a file format: a terminal gets its bytes too, not a UTF-8 rendering of them.
  return RunPageCommand(command, arguments, out, error, /*outIsTerminal=*/false);
}

}  // namespace pellucor::cli

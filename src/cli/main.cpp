#include <malloc.h>
#include <unistd.h>

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CheckCommand.h"
#include "cli/ColorizeCommand.h"
#include "cli/ColorsCommand.h"
#include "cli/ConvertCommand.h"
#include "cli/DownloadCommand.h"
#include "cli/ExitStatus.h"
#include "cli/FindCommand.h"
#include "cli/FormatCommand.h"
#include "cli/LargeBlocks.h"
#include "cli/ProbeCommand.h"
#include "cli/SearchUrlCommand.h"
#include "cli/ToSjisCommand.h"

namespace {

using pellucor::cli::kDone;
using pellucor::cli::kUsageError;

constexpr const char* kUsage =
    "usage: pellucor-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  check     list what a saved page misses on the disk and what still goes to the web\n"
    "  colorize  write a page's source as syntax-coloured RTF\n"
    "  colors    list the colour values of a style sheet or page with their selectors\n"
    "  convert   decode or encode percent-escaped, Japanese-encoded and Base64 text\n"
    "  download  download a page with its style sheets, scripts and images into a folder\n"
    "  find      search folders for files by mask and content\n"
    "  format    convert a page to Shift_JIS and format it as saved pages are\n"
    "  probe     show the HTTP headers of a URL with the net search's probe\n"
    "  search-url  print the query URL of a Google or Yahoo! JAPAN search\n"
    "  to-sjis   convert a page to Shift_JIS as a downloaded page is converted\n"
    "\n"
    "pellucor-cli COMMAND --help describes a command.\n"
    "Exit status: 0 done, 1 ended early or found nothing, 2 bad input, 64 usage error.\n";

}  // namespace

int main(int argc, char** argv) {
  // A long page passes through many whole-text steps, each of which makes a string the page's
  // size. glibc serves blocks past 32 MiB with a fresh mapping each time and gives it back on
  // free, so every such step paid a page fault per 4 KiB again: a 40 MiB page took three times
  // as long per byte as a 30 MiB one. Served from the heap and kept there, the blocks are
  // reused. (The number is a threshold, not a limit: larger blocks are still mapped.)
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  ReserveHugePageHeap();
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  if (arguments.empty()) {
    std::cerr << kUsage;
    return kUsageError;
  }
  const std::string_view command = arguments.front();
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kUsage;
    return kDone;
  }
  const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
  const bool terminal = ::isatty(STDOUT_FILENO) == 1;
  if (command == "download")
    return pellucor::cli::RunDownload(rest, std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1);
  if (command == "check") return pellucor::cli::RunCheck(rest, std::cout, std::cerr);
  if (command == "colorize") return pellucor::cli::RunColorize(rest, std::cout, std::cerr);
  if (command == "colors") return pellucor::cli::RunColors(rest, std::cout, std::cerr);
  if (command == "convert") return pellucor::cli::RunConvert(rest, std::cin, std::cout, std::cerr);
  if (command == "find") return pellucor::cli::RunFind(rest, std::cout, std::cerr);
  if (command == "format") return pellucor::cli::RunFormat(rest, std::cout, std::cerr, terminal);
  if (command == "probe") return pellucor::cli::RunProbe(rest, std::cout, std::cerr);
  if (command == "search-url") return pellucor::cli::RunSearchUrl(rest, std::cout, std::cerr);
  if (command == "to-sjis") {
    return pellucor::cli::RunToSjis(rest, std::cout, std::cerr, terminal);
  }
  std::cerr << "unknown command " << command << " (see pellucor-cli --help)\n";
  return kUsageError;
}

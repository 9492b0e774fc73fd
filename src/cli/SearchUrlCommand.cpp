#include "cli/SearchUrlCommand.h"

#include <charconv>
#include <optional>
#include <ostream>

#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "cli/TerminalNetSearch.h"
#include "text/CodePage932.h"

namespace pellucor::cli {
namespace {

std::optional<int> NonNegativeNumber(std::string_view text, int limit) {
  int value = 0;
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (failure != std::errc() || end != text.data() + text.size() || value < 0 || value > limit)
    return std::nullopt;
  return value;
}

}  // namespace

const char* const kSearchUrlUsage =
    "usage: pellucor-cli search-url google|yahoo [--mode 0|1] [--next N] KEYWORD...\n"
    "\n"
    "Prints the query URL that the net search navigates to for KEYWORD (several words are\n"
    "joined by blanks) after a new search and N presses of \"next 100\" (default 0). The\n"
    "keyword is trimmed, its runs of blanks collapsed, and sent as percent-escaped UTF-8.\n"
    "\n"
    "  --mode 0|1  0 Japanese (Google Japan, Yahoo! JAPAN; the default), 1 English\n"
    "              (international Google and Yahoo)\n"
    "  --next N    pages on N times by 100 results\n"
    "\n"
    "Exit status: 0 done, 2 a blank keyword or one that cannot be written in Shift_JIS,\n"
    "64 usage error.\n";

int RunSearchUrl(const std::vector<std::string>& arguments, std::ostream& out,
                 std::ostream& error) {
  const std::optional<CommandLine> line =
      CommandLine::Parse(arguments, {"--mode", "--next"}, {"-h", "--help"}, error);
  if (!line) return kUsageError;
  if (line->Has("-h") || line->Has("--help")) {
    out << kSearchUrlUsage;
    return kDone;
  }
  const std::vector<std::string>& positional = line->Positional();
  if (positional.size() < 2 || (positional[0] != "google" && positional[0] != "yahoo")) {
    error << "search-url needs google or yahoo and a keyword (see pellucor-cli search-url "
             "--help)\n";
    return kUsageError;
  }
  const std::optional<int> mode = NonNegativeNumber(line->Value("--mode").value_or("0"), 1);
  if (!mode) {
    error << "--mode takes 0 or 1\n";
    return kUsageError;
  }
  // Each press moves by 100 results; the limit keeps the result number within an int.
  const std::optional<int> presses =
      NonNegativeNumber(line->Value("--next").value_or("0"), 1'000'000);
  if (!presses) {
    error << "--next takes a number from 0 to 1000000\n";
    return kUsageError;
  }
  std::string words = positional[1];
  for (std::size_t i = 2; i < positional.size(); ++i)
    words += " " + positional[i];
  const std::optional<std::string> keyword = Utf8ToSjisExact(words);
  if (!keyword) {
    error << "the keyword cannot be written in Shift_JIS\n";
    return kBadInput;
  }

  TerminalNetSearch terminal(error);
  NetSearch& search = terminal.search();
  search.tab.ComboBoxSearchKeyWord = *keyword;
  search.tab.RadioGroupIMEMode = *mode;
  if (positional[0] == "google") {
    search.sbSearchGoogleClick();
  } else {
    search.sbSearchYahooClick();
  }
  if (search.tab.edNSUrl.empty()) {
    error << "the keyword is blank\n";
    return kBadInput;
  }
  for (int i = 0; i < *presses; ++i)
    search.btnSearchNextClick();
  out << SjisToUtf8(search.tab.edNSUrl) << "\n";
  return kDone;
}

}  // namespace pellucor::cli

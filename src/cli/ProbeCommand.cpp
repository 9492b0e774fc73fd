#include "cli/ProbeCommand.h"

#include <optional>
#include <ostream>

#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "cli/TerminalNetSearch.h"
#include "text/CodePage932.h"
#include "text/ShiftJis.h"
#include "web/UrlKinds.h"

namespace pellucor::cli {
namespace {

// A box's text for the terminal: UTF-8 with LF line ends.
std::string ForTerminal(std::string_view box) {
  return ReplaceAll(SjisToUtf8(box), "\r\n", "\n", CaseMode::Exact);
}

}  // namespace

const char* const kProbeUsage =
    "usage: pellucor-cli probe URL\n"
    "\n"
    "Asks the server for the headers of URL with HEAD requests, following redirects but\n"
    "refusing one to a location containing \"404.htm\", and prints the probe's summary (the\n"
    "URL reached, its Last-Modified time in local time, its Content-Length or -1, its file\n"
    "name) and then the status line and headers of the response.\n"
    "\n"
    "Exit status: 0 done, 1 the page was not found (no connection, an error status or a refused\n"
    "redirect; the message goes to standard error), 2 a URL that is not a web URL, 64 usage\n"
    "error.\n";

int RunProbe(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& error) {
  const std::optional<CommandLine> line =
      CommandLine::Parse(arguments, {}, {"-h", "--help"}, error);
  if (!line) return kUsageError;
  if (line->Has("-h") || line->Has("--help")) {
    out << kProbeUsage;
    return kDone;
  }
  if (line->Positional().size() != 1) {
    error << "probe needs one URL (see pellucor-cli probe --help)\n";
    return kUsageError;
  }
  const std::optional<std::string> url = Utf8ToSjisExact(line->Positional().front());
  if (!url || !IsWebUrl(*url)) {
    error << "not a web URL: " << line->Positional().front() << "\n";
    return kBadInput;
  }

  TerminalNetSearch terminal(error);
  NetSearch& search = terminal.search();
  search.tab.ComboBoxNSTargetUrl = *url;
  search.sbNSGethhtpClick();
  // A failed probe has shown its message (on standard error) and left the boxes empty.
  if (search.tab.MemoMemoNSHTTPGetFile.empty()) return kEndedEarly;
  out << ForTerminal(search.tab.MemoMemoNSHTTPGetFile) << ForTerminal(search.tab.MemoNSHTTPGet);
  return kDone;
}

}  // namespace pellucor::cli

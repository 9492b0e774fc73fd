#include "cli/CheckCommand.h"

#include <optional>
#include <ostream>

#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "cli/TerminalText.h"

namespace pellucor::cli {
namespace {

// A path inside `folder` relative to it, any other as it is.
std::string ShownPath(const std::string& path, const std::string& folder) {
  return path.starts_with(folder) ? path.substr(folder.size()) : path;
}

}  // namespace

const char* const kCheckUsage =
    "usage: pellucor-cli check PAGE\n"
    "\n"
    "Checks the saved page PAGE as a browser opens it from the disk: every reference that the\n"
    "page, its frames and inline frames and its style sheets (linked, @import-ed and inline)\n"
    "make the browser load must name a saved file. Prints one line per reference that does\n"
    "not, \"missing  FILE: REFERENCE\", and per reference that still goes to the web (http:,\n"
    "https:, \"//host/...\" or under a base tag that points to the web), \"leak  FILE:\n"
    "REFERENCE\", each followed by \" -> TARGET\" when it resolves to something written\n"
    "otherwise; then \"offline check: N references, all saved\" or \"offline check: N\n"
    "references, M missing, L leaks\". Links (a href, form action) are not checked; a\n"
    "query or fragment is no part of a file name.\n"
    "\n"
    "Exit status: 0 all saved, 1 something is missing or leaks, 2 PAGE cannot be read or is\n"
    "not a regular file, 64 usage error.\n";

void PrintOfflineCheck(const OfflineCheckResult& result, std::ostream& out) {
  const std::string folder = result.page.substr(0, result.page.rfind('/') + 1);
  for (const OfflineFinding& finding : result.findings) {
    const std::string target = ShownPath(finding.target, folder);
    out << (finding.kind == FindingKind::Missing ? "missing  " : "leak  ")
        << TerminalTextUtf8(ShownPath(finding.file, folder)) << ": "
        << TerminalTextUtf8(finding.reference);
    if (target != finding.reference) out << " -> " << TerminalTextUtf8(target);
    out << "\n";
  }
  out << "offline check: " << result.referenceCount << " references, ";
  if (result.findings.empty()) {
    out << "all saved\n";
  } else {
    out << result.Count(FindingKind::Missing) << " missing, " << result.Count(FindingKind::Leak)
        << " leaks\n";
  }
}

int RunCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& error) {
  const std::optional<CommandLine> line =
      CommandLine::Parse(arguments, {}, {"-h", "--help"}, error);
  if (!line) return kUsageError;
  if (line->Has("-h") || line->Has("--help")) {
    out << kCheckUsage;
    return kDone;
  }
  if (line->Positional().size() != 1) {
    error << "check needs exactly one page (see pellucor-cli check --help)\n";
    return kUsageError;
  }
  const OfflineCheckResult result = CheckSavedPage(line->Positional().front());
  if (!result.ok()) {
    error << TerminalTextUtf8(result.failure) << "\n";
    return kBadInput;
  }
  PrintOfflineCheck(result, out);
  return result.findings.empty() ? kDone : kEndedEarly;
}

}  // namespace pellucor::cli

#include "html/LocalLinks.h"

#include <array>
#include <vector>

#include "html/HtmlScan.h"
#include "html/ReplaceRows.h"
#include "text/TextSearch.h"

namespace pellucor {
namespace {

constexpr int kDeepestDirectoryLink = 10;

// Query markers whose query text is collected, in this order.
constexpr std::array<std::string_view, 4> kQueryMarkers = {".asp?", ".jsp?", ".php?", ".html?"};

// Applied after the body tag only, in this order. The two directory rows always use the fixed
// name "index.html".
constexpr std::array<ReplaceRow, 18> kBodyLinkRows = {{
    {".jsp\"", ".jsp.html\""},
    {".asp\"", ".asp.html\""},
    {".php\"", ".php.html\""},
    {",html\"", ",html.html\""},
    {".shtml\"", ".shtml.html\""},
    {".jsp'", ".jsp.html'"},
    {".asp'", ".asp.html'"},
    {".php'", ".php.html'"},
    {",html'", ",html.html'"},
    {".shtml'", ".shtml.html'"},
    {".html?", ".html@"},
    {".jsp?", ".jsp@"},
    {".asp?", ".asp@"},
    {".php?", ".php@"},
    {".shtml?", ".shtml@"},
    {"/\" ", "/index.html\" "},
    {"/\">", "/index.html\">"},
    {"@#@", ""},
}};

std::string Climbs(int levels) {
  std::string climbs;
  for (int level = 0; level < levels; ++level)
    climbs += "../";
  return climbs;
}

}  // namespace

std::string MakeLocalLinks(std::string_view name, std::string_view text) {
  const std::string top = name.empty() ? std::string("index.html") : std::string(name);
  std::string page(text);
  // Absolute URLs are protected while separators and colons are rewritten.
  ReplaceAllIn(page, "http://", "http||", CaseMode::IgnoreAsciiCase);
  ReplaceAllIn(page, "https://", "https||", CaseMode::IgnoreAsciiCase);
  ReplaceAllIn(page, ":/", ";/", CaseMode::Exact);
  if (const std::size_t colon = FindText(page, "@~@", CaseMode::Exact); colon != std::string::npos)
    page.replace(colon, 3, ":");
  for (int levels = kDeepestDirectoryLink; levels >= 0; --levels) {
    const std::string climbs = Climbs(levels);
    ReplaceAllIn(page, " href=\"" + climbs + "\"", " href=\"" + climbs + top + "\"",
                 CaseMode::IgnoreAsciiCase);
  }
  ReplaceAllIn(page, "/\">", "/" + top + "\">", CaseMode::Exact);
  for (int levels = kDeepestDirectoryLink; levels >= 0; --levels) {
    const std::string climbs = Climbs(levels);
    ReplaceAllIn(page, " href='" + climbs + "'", " href=\"" + climbs + top + "\"",
                 CaseMode::IgnoreAsciiCase);
  }
  ReplaceAllIn(page, "\\", "/", CaseMode::Exact);
  ReplaceAllIn(page, "https||", "https://", CaseMode::IgnoreAsciiCase);
  ReplaceAllIn(page, "http||", "http://", CaseMode::IgnoreAsciiCase);
  ReplaceAllIn(page, "/'>", "/" + top + "'>", CaseMode::Exact);

  // Links after the body tag to pages with queries take the names such pages are saved under.
  const std::size_t body = PosFrom("<body", page, 0);
  std::vector<std::string> queries;
  for (const std::string_view marker : kQueryMarkers) {
    for (std::string& query : CollectBetween(page, marker, "\""))
      queries.push_back(std::move(query));
  }
  for (const std::string& query : queries)
    page = ReplaceAllAfter(page, query + "\"", query + ".html\"", body);
  for (const ReplaceRow& row : kBodyLinkRows)
    page = ReplaceAllAfter(page, row.pattern, row.replacement, body);
  return page;
}

}  // namespace pellucor

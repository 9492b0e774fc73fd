#include "html/LocalLinks.h"

#include <algorithm>
#include <array>
#include <unordered_set>
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

// Whether the text's end, ASCII letters without case, is the end of ".html" (all of it for a text
// of five bytes or more).
bool EndsAsHtmlExtension(std::string_view text) {
  constexpr std::string_view kExtension = ".html";
  const std::size_t length = std::min(text.size(), kExtension.size());
  for (std::size_t k = 1; k <= length; ++k) {
    if (FoldAscii(static_cast<unsigned char>(text[text.size() - k])) !=
        FoldAscii(static_cast<unsigned char>(kExtension[kExtension.size() - k])))
      return false;
  }
  return true;
}

}  // namespace

std::string MakeLocalLinks(std::string_view name, std::string_view text) {
  std::string page(text);
  MakeLocalLinksIn(name, page);
  return page;
}

void MakeLocalLinksIn(std::string_view name, std::string& page) {
  const std::string top = name.empty() ? std::string("index.html") : std::string(name);
  // Absolute URLs are protected while separators and colons are rewritten.
  ReplaceAllIn(page, "http://", "http||");
  ReplaceAllIn(page, "https://", "https||");
  ReplaceAllIn(page, ":/", ";/");
  if (const std::size_t colon = FindText(page, "@~@"); colon != std::string::npos)
    page.replace(colon, 3, ":");
  for (int levels = kDeepestDirectoryLink; levels >= 0; --levels) {
    const std::string climbs = Climbs(levels);
    ReplaceAllIn(page, " href=\"" + climbs + "\"", " href=\"" + climbs + top + "\"");
  }
  ReplaceAllIn(page, "/\">", "/" + top + "\">");
  for (int levels = kDeepestDirectoryLink; levels >= 0; --levels) {
    const std::string climbs = Climbs(levels);
    ReplaceAllIn(page, " href='" + climbs + "'", " href=\"" + climbs + top + "\"");
  }
  ReplaceAllIn(page, "\\", "/");
  ReplaceAllIn(page, "https||", "https://");
  ReplaceAllIn(page, "http||", "http://");
  ReplaceAllIn(page, "/'>", "/" + top + "'>");

  // Links after the body tag to pages with queries take the names such pages are saved under.
  const std::size_t body = PosFrom("<body", page, 0);
  // A query is met once for every quote before the next marker, so mostly the same few over
  // and over; each is kept once with the number of times it came in a row.
  std::vector<std::pair<std::string, std::size_t>> queries;
  for (const std::string_view marker : kQueryMarkers) {
    ForEachBetween(page, marker, "\"", [&queries](const std::string& query) {
      if (!queries.empty() && queries.back().first == query) {
        ++queries.back().second;
      } else {
        queries.emplace_back(query, 1);
      }
    });
  }
  // A query's pass puts ".html" before each quote that ends a match of it after the body tag,
  // and that is all any of these passes writes. So once a query's pass has run, running it
  // again changes nothing, unless some pass made a new match of it - which an ".html" before a
  // quote can do only for a query that ends as ".html" does. Every other query is looked for
  // once.
  std::unordered_set<std::string_view> settled;
  for (const auto& [query, times] : queries) {
    if (settled.contains(query)) continue;
    const bool settles = !query.empty() && !EndsAsHtmlExtension(query);
    for (std::size_t time = 0; time < (settles ? 1 : times); ++time)
      ReplaceAllAfterIn(page, query + "\"", query + ".html\"", body);
    if (settles) settled.insert(query);
  }
  for (const ReplaceRow& row : kBodyLinkRows)
    ReplaceAllAfterIn(page, row.pattern, row.replacement, body);
}

}  // namespace pellucor

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

using QueryRuns = std::vector<std::pair<std::string, std::size_t>>;

// The pass of one query: every match of `query` + quote after the body tag, in any ASCII case,
// becomes `query` + ".html" + quote - provided the page holds the pattern in its exact case.
void RewriteQueryLink(std::string& page, std::size_t body, const std::string& query) {
  ReplaceAllAfterIn(page, query + "\"", query + ".html\"", body);
}

// Whether `window` matches `query` as the replace-all of its pass compares: ASCII letters that
// are characters of their own in the query without regard to case, every other byte exactly.
bool MatchesQuery(std::string_view window, std::string_view query) {
  for (std::size_t k = 0; k < query.size();) {
    const std::size_t length = CharLengthAt(query, k);
    for (std::size_t b = k; b < k + length; ++b) {
      const auto wanted = static_cast<unsigned char>(query[b]);
      const auto byte = static_cast<unsigned char>(window[b]);
      if (length == 1 ? FoldAscii(byte) != FoldAscii(wanted) : byte != wanted) return false;
    }
    k += length;
  }
  return true;
}

// A hash of the text read backwards from its end, as a walk back from a quote reads it.
constexpr std::uint64_t kHashFactor = 0x100000001b3;

std::uint64_t BackwardHash(std::string_view text, bool folded) {
  std::uint64_t hash = 0;
  for (std::size_t k = text.size(); k-- > 0;) {
    const auto byte = static_cast<unsigned char>(text[k]);
    hash = hash * kHashFactor + (folded ? FoldAscii(byte) : byte);
  }
  return hash;
}

std::uint64_t HashKey(std::uint64_t hash, std::size_t length) {
  return hash ^ (static_cast<std::uint64_t>(length) * 0x9e3779b97f4a7c15);
}

// The passes of the queries, in order, when each query is looked for once (see below). A pass
// only rewrites matches, each ending at a quote, as the query and ".html"; once that is done at
// a quote no query of these ends a match there any more: each quote changes at most once, at the
// first query in order whose pass runs and that matches there. A pass runs when its pattern is in
// the page in its exact case; such an occurrence goes when its quote changes. So the page is walked
// once: at every quote the queries that end there, in any case (those starting after the body tag)
// and in their exact case (anywhere), are found by walking back from it - no query holds a
// quote or a line end, so the walk stops at one - and then the passes are played over these
// lists instead of the page.
void RewriteDistinctQueryLinks(std::string& page, std::size_t body,
                               const std::vector<const std::string*>& queries) {
  const std::size_t after = body - 1;  // matches start here or later
  std::size_t longest = 0;
  std::unordered_multimap<std::uint64_t, std::uint32_t> exact;
  std::unordered_multimap<std::uint64_t, std::uint32_t> folded;
  std::vector<bool> isLength;
  for (std::uint32_t index = 0; index < queries.size(); ++index) {
    const std::string& query = *queries[index];
    longest = std::max(longest, query.size());
    if (isLength.size() <= query.size()) isLength.resize(query.size() + 1, false);
    isLength[query.size()] = true;
    exact.emplace(HashKey(BackwardHash(query, false), query.size()), index);
    folded.emplace(HashKey(BackwardHash(query, true), query.size()), index);
  }
  // Where characters start: a match must start at one.
  std::vector<bool> charStart(page.size(), false);
  for (std::size_t at = 0; at < page.size(); at += CharLengthAt(page, at))
    charStart[at] = true;

  struct Ending {
    std::size_t quote;
    std::uint32_t query;
  };
  std::vector<Ending> exactEndings;  // by quote
  std::vector<Ending> matchEndings;  // by quote
  std::vector<std::size_t> exactCount(queries.size(), 0);
  for (std::size_t quote = page.find('"'); quote != std::string::npos;
       quote = page.find('"', quote + 1)) {
    std::uint64_t exactHash = 0;
    std::uint64_t foldedHash = 0;
    for (std::size_t length = 1; length <= longest && length <= quote; ++length) {
      const auto byte = static_cast<unsigned char>(page[quote - length]);
      if (byte == '"' || byte == '\r' || byte == '\n') break;
      exactHash = exactHash * kHashFactor + byte;
      foldedHash = foldedHash * kHashFactor + FoldAscii(byte);
      const std::size_t start = quote - length;
      if (!isLength[length] || !charStart[start]) continue;
      const std::string_view window(page.data() + start, length);
      const auto [exactFirst, exactLast] = exact.equal_range(HashKey(exactHash, length));
      for (auto it = exactFirst; it != exactLast; ++it) {
        if (window != *queries[it->second]) continue;
        exactEndings.push_back({quote, it->second});
        ++exactCount[it->second];
      }
      if (start < after) continue;
      const auto [foldedFirst, foldedLast] = folded.equal_range(HashKey(foldedHash, length));
      for (auto it = foldedFirst; it != foldedLast; ++it) {
        if (MatchesQuery(window, *queries[it->second])) matchEndings.push_back({quote, it->second});
      }
    }
  }

  // The matches of each query, in page order.
  std::vector<std::size_t> firstMatch(queries.size() + 1, 0);
  for (const Ending& ending : matchEndings)
    ++firstMatch[ending.query + 1];
  for (std::size_t index = 1; index < firstMatch.size(); ++index)
    firstMatch[index] += firstMatch[index - 1];
  std::vector<std::size_t> matchQuotes(matchEndings.size());
  {
    std::vector<std::size_t> next(firstMatch.begin(), firstMatch.end() - 1);
    for (const Ending& ending : matchEndings)
      matchQuotes[next[ending.query]++] = ending.quote;
  }
  std::vector<Ending>().swap(matchEndings);

  std::vector<bool> changed(page.size(), false);
  std::vector<Ending> changes;  // each quote changed and the query whose pass changed it
  for (std::uint32_t index = 0; index < queries.size(); ++index) {
    if (exactCount[index] == 0) continue;
    for (std::size_t k = firstMatch[index]; k < firstMatch[index + 1]; ++k) {
      const std::size_t quote = matchQuotes[k];
      if (changed[quote]) continue;
      changed[quote] = true;
      changes.push_back({quote, index});
      const auto byQuote = [](const Ending& ending, std::size_t at) { return ending.quote < at; };
      for (auto it = std::lower_bound(exactEndings.begin(), exactEndings.end(), quote, byQuote);
           it != exactEndings.end() && it->quote == quote; ++it)
        --exactCount[it->query];
    }
  }
  if (changes.empty()) return;
  // A match is replaced by the query as it is written, then ".html".
  std::sort(changes.begin(), changes.end(),
            [](const Ending& a, const Ending& b) { return a.quote < b.quote; });
  std::string result;
  result.reserve(page.size() + changes.size() * 5);
  std::size_t copied = 0;
  for (const auto& [quote, index] : changes) {
    const std::string& query = *queries[index];
    result.append(page, copied, quote - query.size() - copied);
    result.append(query);
    result.append(".html");
    copied = quote;
  }
  result.append(page, copied, std::string::npos);
  page = std::move(result);
}

// The passes of the queries after the body tag (at 1-based `body`, 0 for none): for each query
// in the order met, the pass of RewriteQueryLink, as many times as it came in a row.
void RewriteQueryLinks(std::string& page, std::size_t body, const QueryRuns& queries) {
  if (body == 0 || queries.empty()) return;
  // Once a query's pass has run, running it again changes nothing, unless some pass made a new
  // match of it. A pass writes a query and ".html" where a match ended before a quote, which
  // makes a new match only of a query that ends as ".html" does, or of an empty one. Every other
  // query needs its first pass alone.
  const bool eachOnce = std::all_of(queries.begin(), queries.end(), [](const auto& run) {
    return !run.first.empty() && !EndsAsHtmlExtension(run.first);
  });
  if (eachOnce) {
    std::vector<const std::string*> distinct;
    std::unordered_set<std::string_view> seen;
    for (const auto& run : queries) {
      if (seen.insert(run.first).second) distinct.push_back(&run.first);
    }
    RewriteDistinctQueryLinks(page, body, distinct);
    return;
  }
  std::unordered_set<std::string_view> settled;
  for (const auto& [query, times] : queries) {
    if (settled.contains(query)) continue;
    const bool settles = !query.empty() && !EndsAsHtmlExtension(query);
    for (std::size_t time = 0; time < (settles ? 1 : times); ++time)
      RewriteQueryLink(page, body, query);
    if (settles) settled.insert(query);
  }
}

}  // namespace

void LinkQueryPagesIn(std::string& page) {
  const std::size_t body = PosFrom("<body", page, 0);
  // A query is met once for every quote before the next marker, so mostly the same few over
  // and over; each is kept once with the number of times it came in a row.
  QueryRuns queries;
  for (const std::string_view marker : kQueryMarkers) {
    ForEachBetween(page, marker, "\"", [&queries](const std::string& query) {
      if (!queries.empty() && queries.back().first == query) {
        ++queries.back().second;
      } else {
        queries.emplace_back(query, 1);
      }
    });
  }
  RewriteQueryLinks(page, body, queries);
}

std::string MakeLocalLinks(std::string_view name, std::string_view text) {
  std::string page(text);
  MakeLocalLinksIn(name, page);
  return page;
}

void MakeLocalLinksIn(std::string_view name, std::string& page) {
  const std::string top = name.empty() ? std::string("index.html") : std::string(name);
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
  LinkQueryPagesIn(page);
  const std::size_t body = PosFrom("<body", page, 0);
  for (const ReplaceRow& row : kBodyLinkRows)
    ReplaceAllAfterIn(page, row.pattern, row.replacement, body);
}

}  // namespace pellucor

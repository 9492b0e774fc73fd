#include "search/SearchQuery.h"

#include "text/CodePage932.h"
#include "text/PercentCoding.h"
#include "text/ShiftJis.h"
#include "text/TextTrim.h"

namespace pellucor {
namespace {

const SearchEndpoint* EndpointOf(SearchEngine engine, int mode) {
  for (const SearchEndpoint& endpoint : kSearchEndpoints) {
    if (endpoint.engine == engine && endpoint.mode == mode) return &endpoint;
  }
  return nullptr;
}

}  // namespace

std::optional<SearchKeyword> PrepareSearchKeyword(std::string_view text) {
  const std::string_view trimmed = TrimControlChars(text);
  if (trimmed.empty()) return std::nullopt;
  SearchKeyword keyword;
  keyword.trimmed = std::string(trimmed);
  keyword.collapsed = CollapseSpaces(trimmed);
  // PercentEncode already drops every "%00".
  keyword.encoded = PercentEncode(SjisToUtf8(keyword.collapsed));
  return keyword;
}

std::string SearchPrefix(SearchEngine engine, int mode) {
  const SearchEndpoint* endpoint = EndpointOf(engine, mode);
  if (endpoint == nullptr) return {};
  return "http://" + std::string(endpoint->host) + std::string(endpoint->path);
}

std::string_view NewSearchTail(SearchEngine engine, int mode) {
  const SearchEndpoint* endpoint = EndpointOf(engine, mode);
  return endpoint == nullptr ? std::string_view() : endpoint->newSearchTail;
}

std::string PagingTail(SearchEngine engine, int start) {
  const std::string number = std::to_string(start);
  if (engine == SearchEngine::Yahoo) return std::string(kYahooPagingTail) + number;
  return ReplaceAll(kGooglePagingTail, "start=100", "start=" + number, CaseMode::IgnoreAsciiCase);
}

}  // namespace pellucor

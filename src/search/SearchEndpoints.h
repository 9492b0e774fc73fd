#pragma once

#include <array>
#include <string_view>

// Where the net search sends its queries: the four search hosts and the fixed parts of the query
// URLs. Each URL is "http://", the host, the path with its query field, the encoded keyword, and
// a tail of fixed parameters.
namespace pellucor {

enum class SearchEngine { Google, Yahoo };

inline constexpr std::string_view kGoogleJapanSearchHost = "www.google.co.jp";
inline constexpr std::string_view kGoogleSearchHost = "www.google.com";
inline constexpr std::string_view kYahooJapanSearchHost = "search.yahoo.co.jp";
inline constexpr std::string_view kYahooSearchHost = "search.yahoo.com";

inline constexpr std::string_view kYahooNewSearchTail = "&aq=-1&oq=&ei=UTF-8&fr=top_ga1_sa&x=wrt";

/// One engine and input mode (0 Japanese, 1 English): the host, the path up to the keyword, and
/// the parameters after it in a new search.
struct SearchEndpoint {
  SearchEngine engine;
  int mode;
  std::string_view host;
  std::string_view path;
  std::string_view newSearchTail;
};

inline constexpr std::array<SearchEndpoint, 4> kSearchEndpoints = {{
    {SearchEngine::Google, 0, kGoogleJapanSearchHost, "/search?as_q=",
     "&num=100&hl=ja&ie=UTF-8&oe=UTF-8&btnG=Google+%E6%A4%9C%E7%B4%A2&as_epq=&as_oq=&as_eq=&lr="
     "&as_ft=i&as_filetype=&as_qdr=all&as_occt=any&as_dt=i&as_sitesearch="},
    {SearchEngine::Google, 1, kGoogleSearchHost, "/search?as_q=",
     "&as_epq=&as_oq=&as_eq=&hl=ja&num=100&lr=lang_en&cr=&as_ft=i&as_filetype=&as_qdr=all"
     "&as_occt=any&as_dt=i&as_sitesearch=&as_rights=&safe=images&btnG=Google+%E6%A4%9C%E7%B4%A2"},
    {SearchEngine::Yahoo, 0, kYahooJapanSearchHost, "/search?p=", kYahooNewSearchTail},
    {SearchEngine::Yahoo, 1, kYahooSearchHost, "/search?p=", kYahooNewSearchTail},
}};

/// The parameters after the keyword when Google pages on; "start=100" names the first result.
inline constexpr std::string_view kGooglePagingTail =
    "&num=100&hl=ja&lr=&ie=UTF-8&oe=UTF-8&as_qdr=all&start=100&sa=N";
/// The parameters after the keyword when Yahoo pages on, followed by the first result's number.
inline constexpr std::string_view kYahooPagingTail = "&aq=-1&ei=UTF-8&pstart=1&fr=ush-jp_full&b=";

}  // namespace pellucor

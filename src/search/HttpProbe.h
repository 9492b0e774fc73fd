#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "httpclient/HttpClient.h"

namespace pellucor {

/// The request headers the probe sends, among them its fixed User-Agent.
[[nodiscard]] const std::vector<std::string>& ProbeRequestHeaders();

/// HEAD requests that ask a web server for the headers of a URL, following redirects one by one
/// under the probe's rule, so that the URL they end at is known.
class HttpProbe {
 public:
  explicit HttpProbe(HttpClient& client) : client_(client) {}

  /// The URL of the current probe, replaced by each redirect that is followed.
  std::string ProbeUrl;

  /// Probes the URL: true when the server answered it (after redirects) with a success status,
  /// and `url` is then replaced by the URL the redirects ended at. Any failure - no connection,
  /// an error status, a refused redirect - empties `url` and gives false.
  bool CheckHTTPUrl(std::string& url);

  /// The redirect rule: a location containing "404.htm" (exact case) is refused; any other
  /// becomes ProbeUrl and is followed.
  bool IdHTTPNSRedirect(std::string_view location);

  /// One HEAD request for the URL with the probe's headers and redirect rule. A refused
  /// redirect ends it as a failure (HttpFailure::Transfer) with the redirect's response.
  [[nodiscard]] HttpResponse Head(std::string_view url);

  /// Whether a response of Head counts as found: no failure and a 2xx status.
  [[nodiscard]] static bool Found(const HttpResponse& response);

 private:
  HttpClient& client_;
};

/// The last path segment of the URL, without its query and fragment: "http://h/a/f.html?x=1"
/// gives "f.html"; a URL ending in "/" and a bare host give "".
[[nodiscard]] std::string UrlLastSegment(std::string_view url);

}  // namespace pellucor

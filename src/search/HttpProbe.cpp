#include "search/HttpProbe.h"

namespace pellucor {

const std::vector<std::string>& ProbeRequestHeaders() {
  static const std::vector<std::string> headers = {
      "User-Agent: Mozilla/3.0 (compatible; Indy Library)",
      "Accept: text/html, */*",
      "Content-Type: text/html",
  };
  return headers;
}

bool HttpProbe::IdHTTPNSRedirect(std::string_view location) {
  // Servers that answer a missing page with a redirect to their error page would otherwise
  // pass as found.
  if (location.find("404.htm") != std::string_view::npos) return false;
  ProbeUrl = std::string(location);
  return true;
}

HttpResponse HttpProbe::Head(std::string_view url) {
  bool refused = false;
  HttpResponse response = client_.Head(
      url,
      [this, &refused](const std::string& location, const HttpResponse&) {
        refused = !IdHTTPNSRedirect(location);
        return !refused;
      },
      ProbeRequestHeaders());
  if (refused && response.ok()) {
    response.failure = HttpFailure::Transfer;
    response.failureText = "the redirect was refused";
  }
  return response;
}

bool HttpProbe::Found(const HttpResponse& response) {
  return response.ok() && response.status >= 200 && response.status < 300;
}

bool HttpProbe::CheckHTTPUrl(std::string& url) {
  ProbeUrl = url;
  if (!Found(Head(url))) {
    url.clear();
    return false;
  }
  url = ProbeUrl;
  return true;
}

std::string UrlLastSegment(std::string_view url) {
  const std::size_t end = url.find_first_of("?#");
  if (end != std::string_view::npos) url = url.substr(0, end);
  const std::size_t scheme = url.find("//");
  const std::size_t pathStart = url.find('/', scheme == std::string_view::npos ? 0 : scheme + 2);
  if (pathStart == std::string_view::npos) return {};
  return std::string(url.substr(url.rfind('/') + 1));
}

}  // namespace pellucor

#include "web/ResultLink.h"

#include <array>

#include "text/ShiftJis.h"
#include "text/TextSearch.h"

namespace pellucor {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;

// Markers of a percent-encoded target behind two asterisks, in the order they are tried.
constexpr std::array<std::string_view, 3> kEncodedTargetMarkers = {"**https%3aA", "**https%3A",
                                                                   "**http%3A"};

constexpr std::array<std::string_view, 8> kNotFollowed = {
    ".pdf", ".xls", ".doc", ".zip", ".lzh", "mailto:", ".nfs", "related",
};

std::string DecodeUrlDelimiters(std::string_view text) {
  std::string decoded = ReplaceAll(text, "%3A", ":", CaseMode::IgnoreAsciiCase);
  decoded = ReplaceAll(decoded, "%3F", "?", CaseMode::IgnoreAsciiCase);
  decoded = ReplaceAll(decoded, "%2F", "/", CaseMode::IgnoreAsciiCase);
  return ReplaceAll(decoded, "%26", "&", CaseMode::Exact);
}

std::string AfterMarker(std::string_view link, std::size_t at, std::size_t markerLength) {
  return "http:" + std::string(link.substr(at + markerLength));
}

// The links that carry the target in plain text or behind a Google Japan redirect.
std::string DecodePlainTarget(std::string_view link) {
  if (const std::size_t at = FindText(link, "**http:", CaseMode::Exact); at != kNotFound)
    return AfterMarker(link, at, 7);
  if (const std::size_t at = FindText(link, "**http%3a", CaseMode::Exact); at != kNotFound)
    return AfterMarker(link, at, 9);
  if (link.starts_with(kGoogleJapanRedirectQ)) return TextBetween(link, "?q=", "&sa=");
  if (link.starts_with(kGoogleJapanRedirectSa)) {
    const std::string target =
        ReplaceAll(TextBetween(link, "&url=", "&ei="), "%3A", ":", CaseMode::IgnoreAsciiCase);
    return ReplaceAll(target, "%2F", "/", CaseMode::IgnoreAsciiCase);
  }
  return std::string(link);
}

}  // namespace

std::string DecodeResultLink(std::string_view link) {
  for (const std::string_view marker : kEncodedTargetMarkers) {
    if (const std::size_t at = FindText(link, marker, CaseMode::Exact); at != kNotFound)
      return DecodeUrlDelimiters(link.substr(at + 2));
  }

  if (const std::size_t at = FindText(link, "=http%3A", CaseMode::Exact); at != kNotFound) {
    // From the byte before the "=" on, so the field's "=" is the first one of the text.
    const std::string decoded = DecodeUrlDelimiters(link.substr(at == 0 ? 0 : at - 1));
    std::string target = TextBetween(decoded, "=", "ei=");
    if (target.ends_with('&')) target.pop_back();
    return target;
  }

  std::string target = DecodePlainTarget(link);
  if (ContainsText(target, kWikipediaDomain, CaseMode::Exact))
    target = ReplaceAll(target, "%25", "%", CaseMode::Exact);
  return target;
}

bool IsFollowableLink(std::string_view link) {
  const std::string lower = LowerCaseText(link);
  for (const std::string_view pattern : kNotFollowed) {
    if (ContainsText(lower, pattern, CaseMode::Exact)) return false;
  }
  return true;
}

}  // namespace pellucor

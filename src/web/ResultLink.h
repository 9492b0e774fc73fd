#pragma once

#include <string>
#include <string_view>

// Links on the result pages of web search engines are redirect links that carry the target
// address, partly percent-encoded, in their query. These turn them back into the target.
namespace pellucor {

/// The two forms of Google Japan's redirect link that carry the target in a query field.
inline constexpr std::string_view kGoogleJapanRedirectQ = "https://www.google.co.jp/url?q=";
inline constexpr std::string_view kGoogleJapanRedirectSa = "https://www.google.co.jp/url?sa=";
/// The encyclopedia whose addresses keep their "%" encoded once more in result links.
inline constexpr std::string_view kWikipediaDomain = "wikipedia.org";

/// The target address of a result link. Markers are searched in their exact case; the
/// replacements ignore case.
/// 1. After "**https%3aA", "**https%3A" or "**http%3A" (the first of these that occurs): the text
///    from behind the asterisks with "%3A", "%3F", "%2F", "%26" turned into ":", "?", "/", "&".
///    Two asterisks and "http%3A%2F%2Fa%2Fb%3Fc%26d" give "http://a/b?c&d".
/// 2. Else with "=http%3A": the same four replacements on the text from the byte before it,
///    then the text between the first "=" and the next "ei=" (empty when either is missing),
///    without one final "&".
/// 3. Else "http:" + what follows "**http:" or "**http%3a"; or for a link starting with
///    kGoogleJapanRedirectQ the text between "?q=" and the next "&sa=" (empty without "&sa=");
///    or for one starting with kGoogleJapanRedirectSa the text between "&url=" and the next
///    "&ei=" with "%3A" and "%2F" decoded; otherwise the link unchanged. A result of this step
///    that contains kWikipediaDomain has every "%25" turned into "%".
[[nodiscard]] std::string DecodeResultLink(std::string_view link);

/// False when the lower-cased link contains ".pdf", ".xls", ".doc", ".zip", ".lzh", "mailto:",
/// ".nfs" or "related": documents and mail addresses are not followed, only pages.
[[nodiscard]] bool IsFollowableLink(std::string_view link);

}  // namespace pellucor

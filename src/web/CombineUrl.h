#pragma once

#include <string>
#include <string_view>

namespace pellucor {

/// The absolute URL of a reference found in a page whose URL is `base`.
/// - A reference with "http" (exact case) first occurring after its first character is taken
///   from that "http" on, without looking at the base: "/go?to=http://h/x" gives "http://h/x",
///   and "x_http_y.css" gives "http_y.css".
/// - Otherwise every "\/" in the reference becomes "/" and every "@.css" (any case) is removed,
///   and the reference is resolved against the base as RFC 3986 section 5.2 says (strict
///   parser: "http:g" stays "http:g"), with dot segments removed from the path.
/// The result is cut at its first NUL byte. Empty when a relative reference meets a base
/// without a scheme, and when the result would not fit the 10240-byte limit of an address.
[[nodiscard]] std::string CombineUrl(std::string_view base, std::string_view reference);

/// The address that the relative references of the page at `pageUrl` resolve against, as a
/// browser resolves them: the value of its base tag, itself resolved against the page, when
/// that gives a web address; the page's own URL when there is no base tag or its value is no
/// address (a frame target such as "_top").
[[nodiscard]] std::string ReferenceBase(std::string_view pageUrl, std::string_view baseHrefValue);

}  // namespace pellucor

#pragma once

#include <string>
#include <string_view>

// References as a page writes them in its attribute values, made into the addresses a browser
// reads from them, and protocol-relative references given the page's scheme.
namespace pellucor {

/// The character references of an attribute value decoded where they stand for ASCII: "&amp;",
/// "&quot;", "&apos;", "&lt;", "&gt;" (also in capitals where HTML has them so) and "&#N;" or
/// "&#xH;" below 128; anything else, a bare "&" included, stays as written. Then one pair of
/// matching quotes around the whole (from "url(&quot;c.png&quot;)") is taken off.
[[nodiscard]] std::string ReferenceFromAttribute(std::string_view written);

/// Every place where the text holds `reference` as a whole value, in double or single quotes or
/// in parentheses, given `replacement` instead (exact case): a reference rewritten this way
/// leaves alone a longer one that begins with it.
void ReplaceWholeReferenceIn(std::string& text, std::string_view reference,
                             std::string_view replacement);

/// Every protocol-relative reference of the text ("//host/..." right after "=", "(", or one of
/// these and a quote) written with `scheme` ("http" or "https") in front, so that it is read as
/// the absolute address it is: a reference to the page's own host is then rewritten as any
/// other, and one to another host as other hosts' are. "//" that follows anything else (a
/// comment in a script, a path) stays, and so does one whose host has no dot, colon or is not
/// "localhost". Returns whether anything was changed.
bool ExpandProtocolRelativeIn(std::string& text, std::string_view scheme);

}  // namespace pellucor

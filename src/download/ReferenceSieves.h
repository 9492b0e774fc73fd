#pragma once

#include <optional>
#include <string>
#include <string_view>

// The sieves of the reference scans: each takes one candidate text that a scan collected
// between marker pairs and keeps it as a reference to fetch, or skips it. Pure functions of the
// candidate (and the page's base tag), so each rule can be checked by a table of cases; the
// scans keep their order and do the lists, the local names and the files.
namespace pellucor {

enum class SievedKind {
  StyleOrScript,
  Image,
  HostOnly,  // not fetched, but its host ("//host/") is noted for the page's host list
};

struct SievedReference {
  SievedKind kind = SievedKind::Image;
  std::string reference;  // the reference as it is kept in the row
  /// Second sieve: "//host/" of a protocol-relative reference, whose `reference` then is the
  /// absolute "http:" address; empty otherwise.
  std::string host;
};

/// The first sieve of the page scan, over the head's references and the page's quoted strings:
/// a style sheet or script (ClassifyResourceUrl gives Text), cleaned of quotes and of the comma
/// after ".js", an analytics address made the standard script; or an image without "+" or
/// quotes. (Every relative reference is resolved against the page's base, ReferenceBase, by the
/// caller.) Skipped: blanks,
/// backslashes, a closing "/", "javascript", fewer than 4 bytes, "&..." entities, ".jsp",
/// ".XMLDOM", Google addresses with "%", and script code ("(", ")", "{", "+") that is no URL.
[[nodiscard]] std::optional<SievedReference> SievePageCandidate(std::string_view candidate);

/// The second sieve of the page scan, over the body's references, the browser's images and the
/// movies: a script (".js", no "+" or blank) or an image-like reference (an extension of a
/// picture or movie, or a query), quotes removed and cut at "<". Skipped: a closing "/" or "=",
/// no "." and no "=", a path without query or picture extension, "[", ">", links to pages,
/// backslashes, code, "utf-8", search pages and anything with "+" (a protocol-relative one still
/// gives its host, as HostOnly).
[[nodiscard]] std::optional<SievedReference> SieveBodyCandidate(std::string_view candidate);

/// The sieve of a fetched style sheet's or script's references: a style sheet or script
/// (".css", ".js", ".kss", ".rdf", ".xml", ".txt", ".htc") or an image (".gif", ".jpg",
/// ".jpeg", ".png", ".swf"), taken from a "src=" or "url(...)" around it, cut at ">" and "<",
/// without quotes, after "href," and without the comma after ".js"; an analytics address made
/// the standard script. Skipped: entities, fewer than 4 bytes, a closing "/", names that start
/// with ".js" or ".css", DOM and XMLHTTP code, parentheses, "+" and "{"; images that link to
/// pages, code, backslashes, search pages and Google addresses with "%".
[[nodiscard]] std::optional<SievedReference> SieveSheetReference(std::string_view candidate);

/// Without the comma that a script list leaves after the first ".js" ("a.js,b.js").
[[nodiscard]] std::string WithoutFirstJsComma(std::string text);

}  // namespace pellucor

#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The textual forms of a URL that the download engine takes apart and puts together. A URL is
// plain text exactly as typed or found in a page; it is taken apart only by searching for "//"
// and "/". The scheme and host are everything up to the first "/" after the first "//".
namespace pellucor {

/// The 62 scheme-and-host prefixes that StripSchemeAndWww removes, in the order it removes them:
/// 40 "https://" forms, then 22 "http://" forms.
[[nodiscard]] std::span<const std::string_view> StrippedUrlPrefixes();

/// The URL without its scheme and "www"-style host prefix: each of the StrippedUrlPrefixes is
/// removed where it first occurs, anywhere in the text and in its exact case. So
/// "http://h/?u=http://www.x/" loses the "http://www." of its query first and then its own
/// "http://".
[[nodiscard]] std::string StripSchemeAndWww(std::string_view url);

/// The scheme a reference without one ("//host/...") takes on the page at `url`: "https" for an
/// https: page, "http" for any other.
[[nodiscard]] std::string_view SchemeOf(std::string_view url);

/// Scheme and host with a trailing "/": "http://www.host/dir/f.html" gives "http://www.host/",
/// "http://host" gives "http://host/". A text without "//" comes back unchanged.
[[nodiscard]] std::string UrlRoot(std::string_view url);

/// The path below the host without its leading "/", after StripSchemeAndWww:
/// "http://www.host/dir/f.html" gives "dir/f.html"; a URL without a path gives the bare host. A
/// text without "//" comes back unchanged.
[[nodiscard]] std::string UrlPathPart(std::string_view url);

/// The directory below the host without leading or trailing "/": "http://www.host/a/b/f.html"
/// gives "a/b"; a file in the root and a bare host give "". A text without "//" comes back
/// unchanged.
[[nodiscard]] std::string UrlDirPath(std::string_view url);

/// The absolute directory URL, ending in "/": "http://host/a/f.html" gives "http://host/a/",
/// "http://host" and "http://host/" give "http://host/". Empty for a text without "//".
[[nodiscard]] std::string UrlDirectory(std::string_view url);

/// What UrlFileName does with a text that has no "//" (not a URL but perhaps a path).
enum class NoUrlText { KeepWhole = 0, TakeLastSegment = 1 };

/// The last path segment after StripSchemeAndWww, query included: "http://host/a/f.html?x=1"
/// gives "f.html?x=1", a URL ending in "/" gives "", a bare host gives the host. A text without
/// "//" comes back whole with NoUrlText::KeepWhole and loses everything up to its last "/" with
/// TakeLastSegment.
[[nodiscard]] std::string UrlFileName(std::string_view url, NoUrlText noUrl = NoUrlText::KeepWhole);

/// The run of "../" that leads from the local file of the page up to the local copy of the site
/// root: one per directory level of the page's path ("dir/f.html" and "dir/" give "../",
/// "a/b/f.html" gives "../../"). Each segment of a non-empty dummy top folder adds one level
/// ("main/top" adds two), as the page is saved that much deeper. Empty for a text without "//",
/// for a URL without a "/" after the host, and for a file directly in the root without a dummy
/// folder.
[[nodiscard]] std::string RootRelativePrefix(std::string_view pageUrl,
                                             std::string_view dummyFolder);

/// The URL with the first occurrence (exact case) of its UrlRoot replaced: with "../",
/// "http://host/css/a.css" becomes "../css/a.css". A URL whose root does not occur in it
/// ("http://host") comes back unchanged; a text without "//" is its own root and is replaced as
/// a whole.
[[nodiscard]] std::string ReplaceUrlRoot(std::string_view url, std::string_view replacement);

/// When `text` contains "http://" (exact case): `hosts` is cleared and gets, for every
/// "http://" from left to right, the text between it and the next "/" without CR and LF (empty
/// when no "/" follows), and the result is true. Otherwise the result is false and `hosts` is
/// left as it was.
bool CollectHttpHosts(std::string_view text, std::vector<std::string>& hosts);

}  // namespace pellucor

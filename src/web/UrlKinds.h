#pragma once

#include <string_view>

// What kind of address a text is: a web URL, a page, a resource to fetch, or a link under the
// mouse of a browser.
namespace pellucor {

/// True when the text, without blanks and control characters at both ends, starts with
/// "http://" or "https://" (exact case).
[[nodiscard]] bool IsWebUrl(std::string_view text);

/// True when "http://" or "https://" stands anywhere in the text: the looser test the fetch
/// operations make before they try a URL.
[[nodiscard]] bool MentionsWebScheme(std::string_view text);

/// True when the URL names an HTML page or a directory, looked at in lower case: it ends with
/// "/"; or its path's last segment has an extension and the path contains ".htm" or ".php"
/// (or "http://" or "https://"); or it is a bare host containing one of those. So
/// "http://host/" and "http://host/a.html" are pages, while "http://host",
/// "http://host/dir/page" and "http://host/a.asp" are not. False for a text without "//".
[[nodiscard]] bool IsPageUrl(std::string_view url);

/// True when the reference's path (before any "?" or "#") ends, in any case, with the
/// extension of a file that pages load but the classifications below do not know: web fonts
/// (".woff2", ".woff", ".ttf", ".otf", ".eot"), newer image formats (".webp", ".avif", ".svg",
/// ".bmp"), module scripts (".mjs") and web app manifests (".webmanifest"). A run saves such
/// files as they come, byte for byte, as it saves images.
[[nodiscard]] bool IsModernFileReference(std::string_view reference);

/// The class of a referenced resource, decided from its address alone.
enum class ResourceClass : int {
  NotFetched = -1,  // a page, a mail address, a text with a blank, or an unknown kind
  Text = 1,         // style sheet, script or other text resource
  Image = 2,
};

/// Looks at the lower-cased reference, in this order: a blank, or ".htm", "mailto:" or "type="
/// give NotFetched; ".gif", ".jpg", ".jpeg", ".png" or ".ico" give Image; ".css", ".js",
/// ".kss", ".rdf", ".xml", ".txt", ".rss", ".htc", ".php", "?", "=" or "&" give Text; anything
/// else is NotFetched. These are substring tests: "a.json" is Text, "x.jpg.html" NotFetched.
[[nodiscard]] ResourceClass ClassifyResourceUrl(std::string_view reference);

/// True when a status-bar text reported by a browser is the address of a link under the mouse
/// rather than one of the browser's own progress messages: false for an empty text and for a
/// text containing "ページ", "ダウン", a blank, a full-width blank, "画像", "内容" or "選択".
[[nodiscard]] bool IsLinkStatusText(std::string_view statusText);

}  // namespace pellucor

#include "web/UrlForms.h"

#include <algorithm>
#include <array>

#include "text/ShiftJis.h"
#include "web/PathBounds.h"

namespace pellucor {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;

// Removed in this order, each at its first occurrence. The "a" and "b" host forms exist only
// for "https://".
constexpr std::array<std::string_view, 62> kStrippedUrlPrefixes = {
    // 40 forms for "https://"
    "https://wwwz.",
    "https://www19.",
    "https://www18.",
    "https://www17.",
    "https://www16.",
    "https://www15.",
    "https://www14.",
    "https://www13.",
    "https://www12.",
    "https://www11.",
    "https://www10.",
    "https://www9.",
    "https://www8.",
    "https://www7.",
    "https://www6.",
    "https://www5.",
    "https://www4.",
    "https://www3.",
    "https://www2.",
    "https://www1.",
    "https://www9b.",
    "https://www8b.",
    "https://www7b.",
    "https://www6b.",
    "https://www5b.",
    "https://www4b.",
    "https://www3b.",
    "https://www2b.",
    "https://www1b.",
    "https://www9a.",
    "https://www8a.",
    "https://www7a.",
    "https://www6a.",
    "https://www5a.",
    "https://www4a.",
    "https://www3a.",
    "https://www2a.",
    "https://www1a.",
    "https://www.",
    "https://",
    // 22 forms for "http://"
    "http://wwwz.",
    "http://www19.",
    "http://www18.",
    "http://www17.",
    "http://www16.",
    "http://www15.",
    "http://www14.",
    "http://www13.",
    "http://www12.",
    "http://www11.",
    "http://www10.",
    "http://www9.",
    "http://www8.",
    "http://www7.",
    "http://www6.",
    "http://www5.",
    "http://www4.",
    "http://www3.",
    "http://www2.",
    "http://www1.",
    "http://www.",
    "http://",
};

// Several forms "mask" the first "//" of a URL: while they look for "/", the two slashes of
// the scheme separator do not count. These find the first and the last "/" outside it.
std::size_t FirstSlashOutside(std::string_view text, std::size_t masked) {
  for (std::size_t i = text.find('/'); i != kNotFound; i = text.find('/', i + 1)) {
    if (masked == kNotFound || (i != masked && i != masked + 1)) return i;
  }
  return kNotFound;
}

std::size_t LastSlashOutside(std::string_view text, std::size_t masked) {
  for (std::size_t i = text.rfind('/'); i != kNotFound;
       i = i == 0 ? kNotFound : text.rfind('/', i - 1)) {
    if (masked == kNotFound || (i != masked && i != masked + 1)) return i;
  }
  return kNotFound;
}

}  // namespace

std::span<const std::string_view> StrippedUrlPrefixes() {
  return kStrippedUrlPrefixes;
}

std::string StripSchemeAndWww(std::string_view url) {
  std::string text(url);
  // Every form begins with "http": a text without those bytes holds none of them.
  if (url.find("http") == kNotFound) return text;
  // Every form begins with "https://" or "http://": forms whose beginning is not in the text are
  // passed over, and the text is looked at again only when a form was removed from it.
  bool hasSecure = text.find("https://") != kNotFound;
  bool hasPlain = text.find("http://") != kNotFound;
  for (const std::string_view prefix : kStrippedUrlPrefixes) {
    if (!(prefix[4] == 's' ? hasSecure : hasPlain)) continue;
    // The first occurrence at a character start, as FindText finds it, found by a plain byte
    // search: a URL is short, and sixty compiled searches of it cost more than the rest of its
    // local name.
    std::size_t at = text.find(prefix);
    while (at != kNotFound && CharStartFrom(text, 0, at) != at)
      at = text.find(prefix, at + 1);
    if (at == kNotFound) continue;
    text.erase(at, prefix.size());
    hasSecure = text.find("https://") != kNotFound;
    hasPlain = text.find("http://") != kNotFound;
  }
  return text;
}

std::string_view SchemeOf(std::string_view url) {
  return url.size() >= 6 && EqualIgnoringAsciiCase(url.substr(0, 6), "https:") ? "https" : "http";
}

std::string UrlRoot(std::string_view url) {
  const std::size_t scheme = url.find("//");
  if (scheme == kNotFound) return std::string(url);
  const std::size_t hostEnd = url.find('/', scheme + 2);
  if (hostEnd == kNotFound) return std::string(url) + "/";
  return std::string(url.substr(0, hostEnd + 1));
}

std::string UrlPathPart(std::string_view url) {
  if (url.find("//") == kNotFound) return std::string(url);
  std::string stripped = StripSchemeAndWww(url);
  const std::size_t slash = FirstSlashOutside(stripped, stripped.find("//"));
  if (slash == kNotFound) return stripped;
  return stripped.substr(slash + 1);
}

std::string UrlDirPath(std::string_view url) {
  if (url.find("//") == kNotFound) return std::string(url);
  std::string stripped = StripSchemeAndWww(url);
  const std::size_t last = stripped.rfind('/');
  if (last == kNotFound) return {};
  const std::string_view directory = std::string_view(stripped).substr(0, last);
  const std::size_t first = directory.find('/');
  if (first == kNotFound) return {};
  return std::string(directory.substr(first + 1));
}

std::string UrlDirectory(std::string_view url) {
  const std::size_t scheme = url.find("//");
  if (scheme == kNotFound) return {};
  std::string directory(url);
  if (const std::size_t last = LastSlashOutside(url, scheme); last != kNotFound)
    directory.resize(last);
  // A "/" of the masked scheme separator does not count as the directory's closing "/".
  const bool endsWithSlash = directory.ends_with('/') && directory.size() - 1 != scheme + 1;
  if (!endsWithSlash) directory += '/';
  return directory;
}

std::string UrlFileName(std::string_view url, NoUrlText noUrl) {
  if (url.find("//") == kNotFound && noUrl == NoUrlText::KeepWhole) return std::string(url);
  std::string stripped = StripSchemeAndWww(url);
  const std::size_t last = LastSlashOutside(stripped, stripped.find("//"));
  if (last == kNotFound) return stripped;
  return stripped.substr(last + 1);
}

std::string RootRelativePrefix(std::string_view pageUrl, std::string_view dummyFolder) {
  const std::size_t scheme = pageUrl.find("//");
  if (scheme == kNotFound) return {};
  const std::size_t hostEnd = pageUrl.find('/', scheme + 2);
  if (hostEnd == kNotFound) return {};
  const std::string_view path = pageUrl.substr(hostEnd + 1);
  const std::string dummy = DropDotSegments(dummyFolder, EmptySegments::Drop);
  // A file directly in the site root needs no way up - unless a dummy top folder puts it
  // deeper on the disk, which is what that folder is for.
  if (!path.empty() && path.find('/') == kNotFound && dummy.empty()) return {};

  // One level for every "/" after the scheme's "//" except a closing one; the dummy folder
  // counts by its segments, the same way the page's folder is made deeper on the disk.
  const std::string_view afterScheme = pageUrl.substr(scheme + 2);
  std::size_t levels =
      static_cast<std::size_t>(std::count(afterScheme.begin(), afterScheme.end(), '/'));
  const bool endsWithSlash = pageUrl.ends_with('/');
  if (endsWithSlash) --levels;
  if (!dummy.empty())
    levels += static_cast<std::size_t>(std::count(dummy.begin(), dummy.end(), '/')) + 1;
  // The file itself is not a level.
  if (!endsWithSlash && levels > 1) --levels;

  std::string prefix;
  prefix.reserve(levels * 3);
  for (std::size_t i = 0; i < levels; ++i)
    prefix += "../";
  return prefix;
}

std::string ReplaceUrlRoot(std::string_view url, std::string_view replacement) {
  const std::string root = UrlRoot(url);
  const std::size_t at = FindText(url, root, CaseMode::Exact);
  if (at == kNotFound) return std::string(url);
  std::string result(url.substr(0, at));
  result += replacement;
  result += url.substr(at + root.size());
  return result;
}

bool CollectHttpHosts(std::string_view text, std::vector<std::string>& hosts) {
  constexpr std::string_view kHttp = "http://";
  std::size_t at = FindText(text, kHttp, CaseMode::Exact);
  if (at == kNotFound) return false;
  hosts.clear();
  for (; at != kNotFound; at = FindText(text, kHttp, at + kHttp.size(), CaseMode::Exact)) {
    const std::size_t hostStart = at + kHttp.size();
    const std::size_t hostEnd = text.find('/', hostStart);
    std::string host;
    if (hostEnd != kNotFound) {
      for (const char byte : text.substr(hostStart, hostEnd - hostStart)) {
        if (byte != '\r' && byte != '\n') host.push_back(byte);
      }
    }
    hosts.push_back(std::move(host));
  }
  return true;
}

}  // namespace pellucor

#include "check/ReferenceTarget.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "text/ShiftJis.h"

namespace pellucor {
namespace {

// The reference as a URL parser takes it: C0 controls and blanks trimmed at both ends, tabs
// and line ends dropped wherever they stand.
std::string CleanReference(std::string_view reference) {
  std::size_t begin = 0;
  std::size_t end = reference.size();
  while (begin < end && static_cast<unsigned char>(reference[begin]) <= 0x20)
    ++begin;
  while (end > begin && static_cast<unsigned char>(reference[end - 1]) <= 0x20)
    --end;
  std::string clean;
  clean.reserve(end - begin);
  for (std::size_t i = begin; i < end; ++i) {
    if (reference[i] != '\t' && reference[i] != '\n' && reference[i] != '\r')
      clean.push_back(reference[i]);
  }
  return clean;
}

// The scheme of an absolute URL in lower case ("http" of "HTTP://x"), empty for a relative
// reference.
std::string SchemeOf(std::string_view url) {
  if (url.empty() || !IsAsciiLetter(static_cast<unsigned char>(url[0]))) return {};
  for (std::size_t i = 1; i < url.size(); ++i) {
    const char c = url[i];
    if (c == ':') return LowerAsciiBytes(url.substr(0, i));
    if (!IsAsciiLetter(static_cast<unsigned char>(c)) && !(c >= '0' && c <= '9') && c != '+' &&
        c != '-' && c != '.')
      return {};
  }
  return {};
}

std::string_view CutAt(std::string_view text, char marker) {
  return text.substr(0, text.find(marker));
}

bool IsSingleDot(std::string_view segment) {
  return segment == "." || LowerAsciiBytes(segment) == "%2e";
}

bool IsDoubleDot(std::string_view segment) {
  const std::string lower = LowerAsciiBytes(segment);
  return lower == ".." || lower == ".%2e" || lower == "%2e." || lower == "%2e%2e";
}

// The bytes a percent-encoded segment names ("%zz" stays as written); nullopt for a NUL byte
// or an encoded "/", which name no file.
std::optional<std::string> DecodeSegment(std::string_view segment) {
  std::string decoded;
  decoded.reserve(segment.size());
  for (std::size_t i = 0; i < segment.size(); ++i) {
    if (segment[i] == '%' && i + 2 < segment.size() &&
        HexDigitValue(static_cast<unsigned char>(segment[i + 1])) >= 0 &&
        HexDigitValue(static_cast<unsigned char>(segment[i + 2])) >= 0) {
      decoded.push_back(
          static_cast<char>(HexDigitValue(static_cast<unsigned char>(segment[i + 1])) * 16 +
                            HexDigitValue(static_cast<unsigned char>(segment[i + 2]))));
      i += 2;
    } else {
      decoded.push_back(segment[i]);
    }
  }
  if (decoded.find('\0') != std::string::npos || decoded.find('/') != std::string::npos)
    return std::nullopt;
  return decoded;
}

enum class Segments { Decode, Keep };

// A path as its segments and whether it names a folder (ends with "/").
struct PathParts {
  std::vector<std::string> segments;
  bool folder = false;
};

// The segments of the folder holding the file at `path` ("/a/b/c.html" and "/a/b/" give a, b).
PathParts FolderOf(std::string_view path) {
  PathParts parts;
  std::size_t start = path.starts_with('/') ? 1 : 0;
  while (true) {
    const std::size_t slash = path.find('/', start);
    if (slash == std::string_view::npos) break;
    parts.segments.emplace_back(path.substr(start, slash - start));
    start = slash + 1;
  }
  parts.folder = true;
  return parts;
}

// `path` (a reference's path, "/" separated, without a leading "/") applied to `parts` as
// RFC 3986 merges and removes dot segments; false when a segment cannot name a file.
bool ApplyPath(std::string_view path, PathParts& parts, Segments segments) {
  std::size_t start = 0;
  while (true) {
    const std::size_t slash = path.find('/', start);
    const bool last = slash == std::string_view::npos;
    const std::string_view segment =
        path.substr(start, last ? std::string_view::npos : slash - start);
    if (IsDoubleDot(segment)) {
      if (!parts.segments.empty()) parts.segments.pop_back();
      parts.folder = true;
    } else if (IsSingleDot(segment) || (last && segment.empty())) {
      parts.folder = true;
    } else if (segments == Segments::Decode) {
      std::optional<std::string> decoded = DecodeSegment(segment);
      if (!decoded) return false;
      parts.segments.push_back(std::move(*decoded));
      parts.folder = false;
    } else {
      parts.segments.emplace_back(segment);
      parts.folder = false;
    }
    if (last) return true;
    start = slash + 1;
  }
}

std::string JoinPath(const PathParts& parts) {
  std::string path;
  for (const std::string& segment : parts.segments)
    path += "/" + segment;
  if (parts.folder || path.empty()) path += "/";
  return path;
}

// A relative, root-relative or query-only path reference under a local base.
ReferenceTarget LocalTarget(std::string_view reference, std::string_view base,
                            std::string_view written) {
  const std::string_view path = CutAt(CutAt(reference, '#'), '?');
  if (path.empty()) return {TargetKind::LocalFile, std::string(base)};
  PathParts parts;
  if (!path.starts_with('/')) parts = FolderOf(base);
  if (!ApplyPath(path.starts_with('/') ? path.substr(1) : path, parts, Segments::Decode))
    return {TargetKind::Unloadable, std::string(written)};
  return {TargetKind::LocalFile, JoinPath(parts)};
}

// A file: URL, `rest` the text after "file:".
ReferenceTarget FileUrlTarget(std::string_view rest, const ReferenceBase& base,
                              std::string_view written) {
  rest = CutAt(CutAt(rest, '#'), '?');
  if (rest.starts_with("//")) {
    const std::size_t pathStart = std::min(rest.find('/', 2), rest.size());
    const std::string host = LowerAsciiBytes(rest.substr(2, pathStart - 2));
    if (!host.empty() && host != "localhost") return {TargetKind::Unloadable, std::string(written)};
    rest = rest.substr(pathStart);
    if (rest.empty()) rest = "/";
  }
  if (!rest.starts_with('/') && base.kind == BaseKind::LocalFile)
    return LocalTarget(rest, base.location, written);
  const std::string path = rest.starts_with('/') ? std::string(rest) : "/" + std::string(rest);
  return LocalTarget(path, base.location, written);
}

// A relative reference under a web base: the absolute URL, fragment left out.
std::string WebJoin(std::string_view base, std::string_view reference) {
  reference = CutAt(reference, '#');
  // The host starts after "scheme://", or after the "//" of a protocol-relative base.
  std::size_t hostStart = 2;
  if (!base.starts_with("//")) {
    const std::size_t separator = base.find("://");
    hostStart = separator == std::string_view::npos ? 0 : separator + 3;
  }
  const std::size_t authorityEnd = std::min(base.find_first_of("/?#", hostStart), base.size());
  const std::string_view origin = base.substr(0, authorityEnd);
  std::string_view basePath = base.substr(authorityEnd);
  basePath = basePath.substr(0, basePath.find_first_of("?#"));
  if (basePath.empty()) basePath = "/";
  if (reference.starts_with('?'))
    return std::string(origin) + std::string(basePath) + std::string(reference);
  const std::size_t queryStart = std::min(reference.find('?'), reference.size());
  const std::string_view path = reference.substr(0, queryStart);
  PathParts parts;
  if (!path.starts_with('/')) parts = FolderOf(basePath);
  static_cast<void>(
      ApplyPath(path.starts_with('/') ? path.substr(1) : path, parts, Segments::Keep));
  return std::string(origin) + JoinPath(parts) + std::string(reference.substr(queryStart));
}

constexpr std::array<std::string_view, 5> kIgnoredSchemes = {"data", "blob", "javascript", "about",
                                                             "mailto"};
constexpr std::array<std::string_view, 3> kWebSchemes = {"http", "https", "ftp"};

bool Contains(const auto& list, std::string_view item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

ReferenceTarget ResolveReference(std::string_view reference, const ReferenceBase& base) {
  std::string text = CleanReference(reference);
  if (text.empty() || text.front() == '#') return {};
  const std::string scheme = SchemeOf(text);
  if (Contains(kIgnoredSchemes, scheme)) return {};
  if (!scheme.empty() && !Contains(kWebSchemes, scheme) && scheme != "file")
    return {TargetKind::Unloadable, text};
  // http:, https:, file: and the relative references under them read "\" as "/".
  std::replace(text.begin(), text.end(), '\\', '/');
  if (Contains(kWebSchemes, scheme)) return {TargetKind::Web, std::string(CutAt(text, '#'))};
  if (scheme == "file") return FileUrlTarget(std::string_view(text).substr(5), base, text);
  if (text.starts_with("//")) {
    std::string url(CutAt(text, '#'));
    if (base.kind == BaseKind::Web && !base.location.starts_with("//"))
      url = base.location.substr(0, base.location.find(':') + 1) + url;
    return {TargetKind::Web, url};
  }
  if (base.kind == BaseKind::Web) return {TargetKind::Web, WebJoin(base.location, text)};
  return LocalTarget(text, base.location, text);
}

ReferenceBase ApplyBaseHref(std::string_view href, const ReferenceBase& document) {
  ReferenceTarget target = ResolveReference(href, document);
  switch (target.kind) {
    case TargetKind::LocalFile:
      return {BaseKind::LocalFile, std::move(target.location)};
    case TargetKind::Web:
      return {BaseKind::Web, std::move(target.location)};
    case TargetKind::Ignored:
    case TargetKind::Unloadable:
      break;
  }
  return document;
}

}  // namespace pellucor

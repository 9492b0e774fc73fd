#include "web/CombineUrl.h"

#include <optional>

#include "text/ShiftJis.h"
#include "text/TextTrim.h"
#include "web/UrlKinds.h"

namespace pellucor {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;
// Combined addresses are made in a buffer of this size, its closing NUL included.
constexpr std::size_t kCombinedUrlBuffer = 10240;

// The five components of RFC 3986 section 3. The delimiters ":", "/", "?" and "#" are below
// 0x40 and so never the second byte of a double-byte character: byte searches are safe.
struct UriReference {
  std::optional<std::string_view> scheme;
  std::optional<std::string_view> authority;
  std::string_view path;
  std::optional<std::string_view> query;
  std::optional<std::string_view> fragment;
};

bool IsSchemeChar(char c) {
  return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// scheme = ALPHA *( ALPHA / DIGIT / "+" / "-" / "." ), followed by ":".
std::optional<std::string_view> ParseScheme(std::string_view text) {
  if (text.empty() || !IsAsciiLetter(text[0])) return std::nullopt;
  std::size_t i = 1;
  while (i < text.size() && IsSchemeChar(text[i]))
    ++i;
  if (i == text.size() || text[i] != ':') return std::nullopt;
  return text.substr(0, i);
}

UriReference Parse(std::string_view text) {
  UriReference parts;
  if (const std::size_t hash = text.find('#'); hash != kNotFound) {
    parts.fragment = text.substr(hash + 1);
    text = text.substr(0, hash);
  }
  if (const std::size_t question = text.find('?'); question != kNotFound) {
    parts.query = text.substr(question + 1);
    text = text.substr(0, question);
  }
  parts.scheme = ParseScheme(text);
  if (parts.scheme) text.remove_prefix(parts.scheme->size() + 1);
  if (text.starts_with("//")) {
    text.remove_prefix(2);
    const std::size_t slash = text.find('/');
    parts.authority = text.substr(0, slash);
    text = slash == kNotFound ? std::string_view() : text.substr(slash);
  }
  parts.path = text;
  return parts;
}

// RFC 3986 section 5.2.4. The input is consumed through an index instead of being cut from the
// front, and a removed output segment is found from the back, so the pass stays linear.
std::string RemoveDotSegments(std::string_view path) {
  std::string input(path);
  std::string output;
  output.reserve(input.size());
  const auto dropLastOutputSegment = [&output] {
    const std::size_t slash = output.rfind('/');
    output.resize(slash == kNotFound ? 0 : slash);
  };
  std::size_t i = 0;
  while (i < input.size()) {
    const std::string_view rest = std::string_view(input).substr(i);
    if (rest.starts_with("../")) {
      i += 3;
    } else if (rest.starts_with("./")) {
      i += 2;
    } else if (rest.starts_with("/./")) {
      i += 2;  // leaves "/" in front of the rest
    } else if (rest == "/.") {
      input[i + 1] = '/';
      i += 1;
    } else if (rest.starts_with("/../")) {
      i += 3;
      dropLastOutputSegment();
    } else if (rest == "/..") {
      input[i + 2] = '/';
      i += 2;
      dropLastOutputSegment();
    } else if (rest == "." || rest == "..") {
      i = input.size();
    } else {
      const std::size_t next = input.find('/', i + 1);
      const std::size_t end = next == kNotFound ? input.size() : next;
      output.append(input, i, end - i);
      i = end;
    }
  }
  return output;
}

// RFC 3986 section 5.2.3.
std::string MergePaths(const UriReference& base, std::string_view referencePath) {
  if (base.authority && base.path.empty()) return "/" + std::string(referencePath);
  const std::size_t slash = base.path.rfind('/');
  if (slash == kNotFound) return std::string(referencePath);
  return std::string(base.path.substr(0, slash + 1)) + std::string(referencePath);
}

// RFC 3986 section 5.3.
std::string Recompose(std::optional<std::string_view> scheme,
                      std::optional<std::string_view> authority, std::string_view path,
                      std::optional<std::string_view> query,
                      std::optional<std::string_view> fragment) {
  std::string result;
  result.reserve((scheme ? scheme->size() + 1 : 0) + (authority ? authority->size() + 2 : 0) +
                 path.size() + (query ? query->size() + 1 : 0) +
                 (fragment ? fragment->size() + 1 : 0));
  if (scheme) result.append(*scheme).append(":");
  if (authority) result.append("//").append(*authority);
  result.append(path);
  if (query) result.append("?").append(*query);
  if (fragment) result.append("#").append(*fragment);
  return result;
}

// RFC 3986 section 5.2.2 with the strict parser. Nullopt when a relative reference has no
// absolute base to be resolved against.
std::optional<std::string> Resolve(std::string_view baseText, std::string_view referenceText) {
  const UriReference reference = Parse(referenceText);
  if (reference.scheme) {
    return Recompose(reference.scheme, reference.authority, RemoveDotSegments(reference.path),
                     reference.query, reference.fragment);
  }
  const UriReference base = Parse(baseText);
  if (!base.scheme) return std::nullopt;
  if (reference.authority) {
    return Recompose(base.scheme, reference.authority, RemoveDotSegments(reference.path),
                     reference.query, reference.fragment);
  }
  if (reference.path.empty()) {
    return Recompose(base.scheme, base.authority, base.path,
                     reference.query ? reference.query : base.query, reference.fragment);
  }
  const std::string path = reference.path.starts_with('/')
                               ? RemoveDotSegments(reference.path)
                               : RemoveDotSegments(MergePaths(base, reference.path));
  return Recompose(base.scheme, base.authority, path, reference.query, reference.fragment);
}

}  // namespace

std::string CombineUrl(std::string_view base, std::string_view reference) {
  // An address anywhere inside a reference is taken as the target itself: redirect links and
  // script-built references carry the real address after their own.
  if (const std::size_t http = FindText(reference, "http", CaseMode::Exact);
      http != kNotFound && http > 0)
    return std::string(reference.substr(http));

  // Addresses copied out of script strings write "/" as "\/"; an "@.css" is dropped from
  // every reference before it is resolved.
  std::string cleaned(reference);
  ReplaceAllIn(cleaned, "\\/", "/", CaseMode::Exact);
  ReplaceAllIn(cleaned, "@.css", "", CaseMode::IgnoreAsciiCase);

  std::optional<std::string> combined = Resolve(base, cleaned);
  if (!combined) return {};
  if (const std::size_t nul = combined->find('\0'); nul != std::string::npos) combined->resize(nul);
  if (combined->size() >= kCombinedUrlBuffer) return {};
  return std::move(*combined);
}

std::string ReferenceBase(std::string_view pageUrl, std::string_view baseHrefValue) {
  const std::string_view value = TrimControlChars(baseHrefValue);
  if (value.empty() || value.starts_with('_')) return std::string(pageUrl);
  std::string base = CombineUrl(pageUrl, value);
  if (!IsWebUrl(base)) return std::string(pageUrl);
  return base;
}

}  // namespace pellucor

#include "web/UrlKinds.h"

#include <array>
#include <string>

#include "text/CodePage932.h"
#include "text/ShiftJis.h"
#include "text/TextTrim.h"

namespace pellucor {
namespace {

// Where the last segment of a path begins: after the last "\" that starts a character.
std::size_t LastSegmentStart(std::string_view path) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < path.size(); i += CharLengthAt(path, i)) {
    if (path[i] == '\\') start = i + 1;
  }
  return start;
}

}  // namespace

bool IsWebUrl(std::string_view text) {
  const std::string_view trimmed = TrimControlChars(text);
  return trimmed.starts_with("http://") || trimmed.starts_with("https://");
}

bool MentionsWebScheme(std::string_view text) {
  return text.find("http://") != std::string_view::npos ||
         text.find("https://") != std::string_view::npos;
}

bool IsPageUrl(std::string_view url) {
  const std::string lower = LowerCaseText(url);
  if (lower.ends_with('/')) return true;
  const std::size_t scheme = lower.find("//");
  if (scheme == std::string::npos) return false;
  std::string rest = lower.substr(scheme + 2);
  if (const std::size_t slash = rest.find('/'); slash != std::string::npos) {
    // The path is looked at as the Windows path it will become.
    rest = ReplaceAll(std::string_view(rest).substr(slash + 1), "/", "\\", CaseMode::Exact);
    const std::string_view lastSegment = std::string_view(rest).substr(LastSegmentStart(rest));
    if (lastSegment.find('.') == std::string_view::npos) return false;
  }
  return ContainsAnyText(rest, {".htm", ".php", "http://", "https://"}, CaseMode::Exact);
}

bool IsModernFileReference(std::string_view reference) {
  static constexpr std::array<std::string_view, 11> kExtensions = {
      ".woff2", ".woff", ".ttf", ".otf", ".eot",        ".webp",
      ".avif",  ".svg",  ".bmp", ".mjs", ".webmanifest"};
  const std::string path = LowerCaseText(reference.substr(0, reference.find_first_of("?#")));
  for (const std::string_view extension : kExtensions) {
    if (path.ends_with(extension)) return true;
  }
  return false;
}

ResourceClass ClassifyResourceUrl(std::string_view reference) {
  const std::string lower = LowerCaseText(reference);
  if (ContainsText(lower, " ", CaseMode::Exact)) return ResourceClass::NotFetched;
  if (ContainsAnyText(lower, {".htm", "mailto:", "type="}, CaseMode::Exact))
    return ResourceClass::NotFetched;
  if (ContainsAnyText(lower, {".gif", ".jpg", ".jpeg", ".png", ".ico"}, CaseMode::Exact))
    return ResourceClass::Image;
  if (ContainsAnyText(
          lower,
          {".css", ".js", ".kss", ".rdf", ".xml", ".txt", ".rss", ".htc", ".php", "?", "=", "&"},
          CaseMode::Exact))
    return ResourceClass::Text;
  return ResourceClass::NotFetched;
}

bool IsLinkStatusText(std::string_view statusText) {
  if (statusText.empty()) return false;
  // The browser's own messages are Japanese; converted once to the program's Shift_JIS.
  static const std::array<std::string, 7> kProgressWords = {
      SjisFromUtf8Literal("ページ"), SjisFromUtf8Literal("ダウン"), SjisFromUtf8Literal(" "),
      SjisFromUtf8Literal("　"),     SjisFromUtf8Literal("画像"),   SjisFromUtf8Literal("内容"),
      SjisFromUtf8Literal("選択"),
  };
  for (const std::string& word : kProgressWords) {
    if (ContainsText(statusText, word, CaseMode::Exact)) return false;
  }
  return true;
}

}  // namespace pellucor

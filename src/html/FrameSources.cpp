#include "html/FrameSources.h"

#include <algorithm>
#include "html/HtmlScan.h"

namespace pellucor {
namespace {

char Lower(char byte) {
  return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
}

bool SameName(std::string_view text, std::string_view lowerName) {
  if (text.size() != lowerName.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (Lower(text[i]) != lowerName[i]) return false;
  }
  return true;
}

// The length of the tag name starting at `at` (up to a blank, "/" or ">").
std::size_t NameLength(std::string_view text, std::size_t at) {
  std::size_t end = at;
  while (end < text.size() && !IsHtmlWhitespace(text[end]) && text[end] != '/' &&
         text[end] != '>' && text[end] != '=')
    ++end;
  return end - at;
}

// Reads the attributes of the start tag whose name ends at `at`; returns the first src value
// (empty when there is none) and leaves `at` after the tag.
std::string SourceOfTag(std::string_view text, std::size_t& at) {
  std::string source;
  bool found = false;
  while (at < text.size()) {
    while (at < text.size() && (IsHtmlWhitespace(text[at]) || text[at] == '/'))
      ++at;
    if (at >= text.size()) break;
    if (text[at] == '>') {
      ++at;
      break;
    }
    const std::size_t nameStart = at;
    // "=" may start a name (a stray one), which then runs on as a name does.
    at += std::max<std::size_t>(NameLength(text, at), 1);
    const std::string_view name = text.substr(nameStart, at - nameStart);
    std::size_t next = at;
    while (next < text.size() && IsHtmlWhitespace(text[next]))
      ++next;
    if (next >= text.size() || text[next] != '=') continue;  // an attribute without a value
    at = next + 1;
    while (at < text.size() && IsHtmlWhitespace(text[at]))
      ++at;
    std::string_view value;
    if (at < text.size() && (text[at] == '"' || text[at] == '\'')) {
      const char quote = text[at];
      const std::size_t close = text.find(quote, at + 1);
      const std::size_t end = close == std::string_view::npos ? text.size() : close;
      value = text.substr(at + 1, end - at - 1);
      at = close == std::string_view::npos ? text.size() : close + 1;
    } else {
      const std::size_t start = at;
      while (at < text.size() && !IsHtmlWhitespace(text[at]) && text[at] != '>')
        ++at;
      value = text.substr(start, at - start);
    }
    if (!found && SameName(name, "src")) {
      found = true;
      source = std::string(value);
    }
  }
  return source;
}

}  // namespace

std::vector<std::string> FrameSources(std::string_view html) {
  std::vector<std::string> sources;
  std::size_t at = 0;
  while ((at = html.find('<', at)) != std::string_view::npos) {
    ++at;
    const std::size_t length = NameLength(html, at);
    const std::string_view name = html.substr(at, length);
    if (!SameName(name, "frame") && !SameName(name, "iframe")) continue;
    at += length;
    if (std::string source = SourceOfTag(html, at); !source.empty())
      sources.push_back(std::move(source));
  }
  return sources;
}

}  // namespace pellucor

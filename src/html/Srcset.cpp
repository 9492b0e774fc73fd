#include "html/Srcset.h"

#include <charconv>

namespace pellucor {
namespace {

bool IsAsciiWhitespace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Whether the descriptors of one srcset candidate are valid; a browser drops a candidate with
// invalid ones and loads nothing for it.
bool ValidDescriptors(const std::vector<std::string>& descriptors) {
  bool width = false;
  bool density = false;
  bool height = false;
  for (const std::string& descriptor : descriptors) {
    if (descriptor.size() < 2) return false;
    const std::string_view number = std::string_view(descriptor).substr(0, descriptor.size() - 1);
    const char unit = descriptor.back();
    if (unit == 'w' || unit == 'h') {
      bool& seen = unit == 'w' ? width : height;
      if (seen || number.find_first_not_of("0123456789") != std::string_view::npos ||
          number.find_first_not_of('0') == std::string_view::npos)
        return false;
      seen = true;
    } else if (unit == 'x') {
      double value = 0;
      const auto [end, error] =
          std::from_chars(number.data(), number.data() + number.size(), value);
      if (density || error != std::errc() || end != number.data() + number.size() || value < 0)
        return false;
      density = true;
    } else {
      return false;
    }
  }
  return !(width && density) && !(height && !width);
}

}  // namespace

std::vector<SrcsetCandidate> SrcsetCandidates(std::string_view srcset) {
  std::vector<SrcsetCandidate> candidates;
  std::size_t i = 0;
  while (true) {
    while (i < srcset.size() && (IsAsciiWhitespace(srcset[i]) || srcset[i] == ','))
      ++i;
    if (i >= srcset.size()) return candidates;
    const std::size_t start = i;
    while (i < srcset.size() && !IsAsciiWhitespace(srcset[i]))
      ++i;
    std::string_view url = srcset.substr(start, i - start);
    std::vector<std::string> descriptors;
    if (url.ends_with(',')) {
      while (url.ends_with(','))
        url.remove_suffix(1);
    } else {
      // The descriptors run to the next comma outside parentheses.
      std::string current;
      bool inParentheses = false;
      for (; i < srcset.size(); ++i) {
        const char c = srcset[i];
        if (inParentheses) {
          current.push_back(c);
          if (c == ')') inParentheses = false;
        } else if (c == ',') {
          ++i;
          break;
        } else if (IsAsciiWhitespace(c)) {
          if (!current.empty()) descriptors.push_back(std::move(current));
          current.clear();
        } else {
          current.push_back(c);
          if (c == '(') inParentheses = true;
        }
      }
      if (!current.empty()) descriptors.push_back(std::move(current));
    }
    candidates.push_back({start, url, ValidDescriptors(descriptors)});
  }
}

std::vector<std::string> SrcsetUrls(std::string_view srcset) {
  std::vector<std::string> urls;
  for (const SrcsetCandidate& candidate : SrcsetCandidates(srcset)) {
    if (candidate.loaded) urls.emplace_back(candidate.url);
  }
  return urls;
}

void RewriteSrcsetUrlsIn(
    std::string& page, const std::function<std::optional<std::string>(std::string_view)>& rewrite) {
  for (const std::string_view opener : {"srcset=\"", "srcset='"}) {
    for (std::size_t at = page.find(opener); at != std::string::npos; at = page.find(opener, at)) {
      const std::size_t from = at + opener.size();
      const std::size_t close = page.find(opener.back(), from);
      if (close == std::string::npos) break;
      const std::string value = page.substr(from, close - from);
      std::string rewritten;
      std::size_t copied = 0;
      for (const SrcsetCandidate& candidate : SrcsetCandidates(value)) {
        const std::optional<std::string> replacement = rewrite(candidate.url);
        if (!replacement) continue;
        rewritten.append(value, copied, candidate.offset - copied);
        rewritten += *replacement;
        copied = candidate.offset + candidate.url.size();
      }
      if (copied == 0) {
        at = close + 1;
        continue;
      }
      rewritten.append(value, copied, std::string::npos);
      page.replace(from, close - from, rewritten);
      at = from + rewritten.size() + 1;
    }
  }
}

}  // namespace pellucor

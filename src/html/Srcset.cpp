#include "html/Srcset.h"

#include <charconv>
#include "html/HtmlScan.h"

#include "text/ShiftJis.h"

namespace pellucor {
namespace {

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
    while (i < srcset.size() && (IsHtmlWhitespace(srcset[i]) || srcset[i] == ','))
      ++i;
    if (i >= srcset.size()) return candidates;
    const std::size_t start = i;
    while (i < srcset.size() && !IsHtmlWhitespace(srcset[i]))
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
        } else if (IsHtmlWhitespace(c)) {
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

std::vector<SrcsetValue> SrcsetValues(std::string_view page) {
  std::vector<SrcsetValue> values;
  constexpr std::string_view kName = "srcset";
  for (std::size_t at = FindText(page, kName, CaseMode::IgnoreAsciiCase);
       at != std::string_view::npos;
       at = FindText(page, kName, at + 1, CaseMode::IgnoreAsciiCase)) {
    std::size_t i = at + kName.size();
    while (i < page.size() && IsHtmlWhitespace(page[i]))
      ++i;
    if (i >= page.size() || page[i] != '=') continue;
    ++i;
    while (i < page.size() && IsHtmlWhitespace(page[i]))
      ++i;
    if (i >= page.size() || (page[i] != '"' && page[i] != '\'')) continue;
    const std::size_t close = page.find(page[i], i + 1);
    if (close == std::string_view::npos) break;
    values.push_back({at, i + 1, close - i - 1});
    at = close;
  }
  return values;
}

void RewriteSrcsetUrlsIn(
    std::string& page, const std::function<std::optional<std::string>(std::string_view)>& rewrite) {
  // From the last value back, so that the places of the values before stay where they are.
  const std::vector<SrcsetValue> values = SrcsetValues(page);
  for (auto value = values.rbegin(); value != values.rend(); ++value) {
    const std::string text = page.substr(value->offset, value->length);
    std::string rewritten;
    std::size_t copied = 0;
    bool changed = false;
    for (const SrcsetCandidate& candidate : SrcsetCandidates(text)) {
      const std::optional<std::string> replacement = rewrite(candidate.url);
      if (!replacement) continue;
      rewritten.append(text, copied, candidate.offset - copied);
      rewritten += *replacement;
      copied = candidate.offset + candidate.url.size();
      changed = true;
    }
    if (!changed) continue;
    rewritten.append(text, copied, std::string::npos);
    page.replace(value->offset, value->length, rewritten);
  }
}

}  // namespace pellucor

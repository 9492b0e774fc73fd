#include "html/Integrity.h"

#include "html/HtmlScan.h"
#include "text/ShiftJis.h"

namespace pellucor {
namespace {

// Where an attribute stands in a start tag: from the blank before its name to the end of its
// value, and the value itself (quoted or not).
struct AttributeSpan {
  std::size_t from = std::string_view::npos;
  std::size_t to = 0;
  std::string_view value;
};

AttributeSpan FindAttribute(std::string_view tag, std::string_view name) {
  for (std::size_t at = FindText(tag, name, CaseMode::IgnoreAsciiCase);
       at != std::string_view::npos; at = FindText(tag, name, at + 1, CaseMode::IgnoreAsciiCase)) {
    if (at == 0 || !IsHtmlWhitespace(tag[at - 1])) continue;
    std::size_t i = at + name.size();
    while (i < tag.size() && IsHtmlWhitespace(tag[i]))
      ++i;
    if (i >= tag.size() || tag[i] != '=') continue;
    ++i;
    while (i < tag.size() && IsHtmlWhitespace(tag[i]))
      ++i;
    AttributeSpan span;
    span.from = at - 1;
    if (i < tag.size() && (tag[i] == '"' || tag[i] == '\'')) {
      const std::size_t close = tag.find(tag[i], i + 1);
      const std::size_t end = close == std::string_view::npos ? tag.size() : close;
      span.value = tag.substr(i + 1, end - i - 1);
      span.to = close == std::string_view::npos ? tag.size() : close + 1;
    } else {
      std::size_t end = i;
      while (end < tag.size() && !IsHtmlWhitespace(tag[end]) && tag[end] != '>')
        ++end;
      span.value = tag.substr(i, end - i);
      span.to = end;
    }
    return span;
  }
  return {};
}

}  // namespace

void RemoveIntegrityOf(std::string& page,
                       const std::function<bool(std::string_view reference)>& rewritten) {
  for (const auto& [opener, referenceName] :
       {std::pair<std::string_view, std::string_view>{"<link", "href"}, {"<script", "src"}}) {
    for (std::size_t at = FindText(page, opener, CaseMode::IgnoreAsciiCase);
         at != std::string::npos; at = FindText(page, opener, at + 1, CaseMode::IgnoreAsciiCase)) {
      const std::size_t end = page.find('>', at);
      if (end == std::string::npos) break;
      const std::string_view tag = std::string_view(page).substr(at, end - at);
      const AttributeSpan integrity = FindAttribute(tag, "integrity");
      if (integrity.from == std::string_view::npos) continue;
      const AttributeSpan reference = FindAttribute(tag, referenceName);
      if (reference.from == std::string_view::npos || !rewritten(reference.value)) continue;
      page.erase(at + integrity.from, integrity.to - integrity.from);
    }
  }
}

}  // namespace pellucor

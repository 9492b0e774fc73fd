#include "html/HtmlScan.h"

#include <algorithm>
#include <array>

#include "text/CodePage932.h"
#include "text/PercentCoding.h"
#include "text/ShiftJis.h"
#include "text/TextSearch.h"

namespace pellucor {
namespace {

// Attribute openers that start no resource reference, in the order they are stripped.
constexpr std::array<std::string_view, 20> kAttributeOpeners = {
    "alt=\"",     "type=\"",        "language=\"",    "width=",    "height=\"",
    "value=\"",   "name=\"",        "size=\"",        "style=\"",  "title=\"",
    "bgcolor=\"", "color=\"",       "valign=\"",      "align=\"",  "id=\"",
    "class=\"",   "cellspacing=\"", "cellpadding=\"", "border=\"", "onclick=\"",
};

std::string PercentUtf8Once(std::string_view text) {
  return Utf8ToSjis(PercentDecode(text)).text;
}

}  // namespace

std::vector<std::string> CollectBetween(std::string_view text, std::string_view start,
                                        std::string_view end) {
  std::vector<std::string> items;
  ForEachBetween(text, start, end, [&items](const std::string& item) { items.push_back(item); });
  return items;
}

void ForEachBetween(std::string_view text, std::string_view start, std::string_view end,
                    const std::function<void(const std::string&)>& take) {
  if (start.empty() || end.empty()) return;
  // Each round takes the item after the first start marker of what is left, then drops what is
  // left up to its first end marker - which may lie before that start marker, and then the next
  // round takes the same item again. Searching for the start marker after each drop would go
  // over the text up to it once per end marker before it, so the start marker found and its
  // item are kept until a drop passes the marker's first byte. That needs each drop to end on a
  // character start, as it does after an end marker of single-byte characters.
  const bool singleByteEnd = std::all_of(
      end.begin(), end.end(), [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
  std::size_t left = 0;  // what is left starts here
  std::size_t startAt = std::string_view::npos;
  std::string item;
  for (;;) {
    const std::string_view rest = text.substr(left);
    if (startAt == std::string_view::npos || startAt < left || !singleByteEnd) {
      const std::size_t found = FindText(rest, start, CaseMode::Exact);
      if (found == std::string_view::npos) break;
      startAt = left + found;
      item = TextBetween(rest, start, end);
      std::erase_if(item, [](char byte) { return byte == '\r' || byte == '\n'; });
    }
    const std::size_t endAt = FindText(rest, end, CaseMode::Exact);
    if (endAt == std::string_view::npos) break;
    left += endAt + end.size();
    take(item);
  }
}

std::string GetBaseHref(std::string_view text) {
  std::string page(text);
  if (const std::size_t upper = FindText(page, "<BASE ", CaseMode::Exact);
      upper != std::string::npos)
    page.replace(upper, 6, "<base ");
  if (!ContainsText(page, "<base ", CaseMode::Exact)) return {};
  std::string tag = TextBetween(page, "<base ", ">");
  if (tag.empty()) return {};
  std::string copy = ReplaceAll(tag, "   ", " ", CaseMode::Exact);
  copy = ReplaceAll(copy, "  ", " ", CaseMode::Exact);
  if (const std::size_t href = FindText(copy, "HREF=", CaseMode::Exact); href != std::string::npos)
    copy.replace(href, 5, "href=");
  if (ContainsText(copy, "\"", CaseMode::Exact)) return TextBetween(copy, "\"", "\"");
  return tag;
}

std::string DecodePercentUtf8(std::string_view text) {
  if (!ContainsText(text, "%", CaseMode::Exact)) return {};
  std::string decoded = PercentUtf8Once(text);
  if (ContainsText(decoded, "%", CaseMode::Exact))
    decoded = PercentUtf8Once(ReplaceAll(decoded, "%25", "%", CaseMode::Exact));
  if (ContainsText(decoded, "%", CaseMode::Exact)) return {};
  return decoded;
}

std::string AddHtmlExtension(std::string_view name) {
  const std::size_t position = PosFrom(".htm", name, 0);
  if (position == 0 || position + 6 < name.size()) return std::string(name) + ".html";
  return std::string(name);
}

std::string RemoveAttributeOpeners(std::string_view text) {
  std::string result(text);
  RemoveAttributeOpenersIn(result);
  return result;
}

void RemoveAttributeOpenersIn(std::string& text) {
  for (const std::string_view opener : kAttributeOpeners)
    DeleteAllBetweenIn(text, opener, "\"");
  DeleteAllBetweenIn(text, "<form", ">");
}

}  // namespace pellucor

#include "html/HtmlScan.h"

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
  if (start.empty() || end.empty()) return items;
  for (;;) {
    if (FindText(text, start, CaseMode::Exact) == std::string_view::npos) break;
    std::string item = TextBetween(text, start, end);
    std::erase_if(item, [](char byte) { return byte == '\r' || byte == '\n'; });
    const std::size_t endAt = FindText(text, end, CaseMode::Exact);
    if (endAt == std::string_view::npos) break;
    text.remove_prefix(endAt + end.size());
    items.push_back(std::move(item));
  }
  return items;
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
  for (const std::string_view opener : kAttributeOpeners)
    DeleteAllBetweenIn(result, opener, "\"");
  DeleteAllBetweenIn(result, "<form", ">");
  return result;
}

}  // namespace pellucor

#include "analysis/KeywordSplit.h"

#include "text/ShiftJis.h"
#include "text/TextTrim.h"

namespace pellucor {
namespace {

constexpr std::string_view kFullWidthBlank = "\x81\x40";  // "　"

// Blanks as the keyword list's separators: every full-width blank is two blanks, then every
// pair of blanks is one (in one pass, so three stay two), then every blank is a comma.
std::string CommaSeparated(std::string_view text) {
  const std::string widened = ReplaceAll(text, kFullWidthBlank, "  ", CaseMode::Exact);
  std::string separated;
  separated.reserve(widened.size());
  for (std::size_t i = 0; i < widened.size(); ++i) {
    if (widened[i] == ' ') {
      if (i + 1 < widened.size() && widened[i + 1] == ' ') ++i;
      separated += ',';
    } else {
      separated += widened[i];
    }
  }
  return separated;
}

bool IsSpaceOrControl(char c) {
  return static_cast<unsigned char>(c) <= 0x20;
}

// A quoted keyword from the opening quote at `at`: up to the closing quote, a doubled quote
// standing for one. `at` ends after the closing quote (or at the end of the text).
std::string QuotedKeyword(std::string_view text, std::size_t& at) {
  std::string keyword;
  ++at;
  while (at < text.size()) {
    if (text[at] == '"') {
      if (at + 1 < text.size() && text[at + 1] == '"') {
        keyword += '"';
        at += 2;
        continue;
      }
      ++at;
      break;
    }
    const std::size_t length = CharLengthAt(text, at);
    keyword.append(text.substr(at, length));
    at += length;
  }
  return keyword;
}

}  // namespace

int EdictScan(std::string_view text, std::vector<std::string>& SearchKeywords) {
  SearchKeywords.clear();
  const std::string list = CommaSeparated(TrimAllSpaces(text));
  if (list.empty()) return 0;
  // The separators (comma, blank, control characters, quote) are all below 0x40, so none is
  // ever the second byte of a double-byte character.
  std::size_t at = 0;
  while (at < list.size() && IsSpaceOrControl(list[at]))
    ++at;
  while (at < list.size()) {
    if (list[at] == '"') {
      SearchKeywords.push_back(QuotedKeyword(list, at));
    } else {
      const std::size_t start = at;
      while (at < list.size() && !IsSpaceOrControl(list[at]) && list[at] != ',')
        ++at;
      SearchKeywords.emplace_back(list.substr(start, at - start));
    }
    while (at < list.size() && IsSpaceOrControl(list[at]))
      ++at;
    if (at < list.size() && list[at] == ',') {
      // A comma at the very end still separates: it leaves an empty last keyword.
      if (at + 1 == list.size()) SearchKeywords.emplace_back();
      ++at;
      while (at < list.size() && IsSpaceOrControl(list[at]))
        ++at;
    }
  }
  return static_cast<int>(SearchKeywords.size());
}

}  // namespace pellucor

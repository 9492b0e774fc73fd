#include "analysis/CssColors.h"

#include <algorithm>
#include <set>

#include "text/ShiftJis.h"
#include "text/TextSearch.h"
#include "text/TextTrim.h"

namespace pellucor {
namespace {

// Double quote, backslash, double quote, "}", backslash, double quote, double quote: a closing
// brace inside an escaped string of a script, which would end a rule early.
constexpr std::string_view kEscapedBrace = "\"\\\"}\\\"\"";
constexpr std::string_view kNotHexDigits =
    "ghijklmnopqrstuvwxyzGHIJKLMNOPQRSTUVWZ.,/!\"$%&()@\\=-^_<>*+";
constexpr std::size_t kValueWidth = 12;

void Replace(std::string& text, std::string_view pattern, std::string_view replacement,
             CaseMode mode = CaseMode::IgnoreAsciiCase) {
  ReplaceAllIn(text, pattern, replacement, mode);
}

// The steps that bring every colour value to the form ":#" value ";" (or a blank).
std::string Normalise(std::string_view source) {
  std::string text = DeleteAllBetween(source, "/*", "*/");
  Replace(text, " url", ";url");
  Replace(text, " #", ":#");
  Replace(text, "\r\n}", "}");
  Replace(text, "\r\n{", "{");
  Replace(text, "{\r\n", "{");
  Replace(text, "\t", " ");
  Replace(text, ": #", ":#");
  Replace(text, "\"#", ":#");
  Replace(text, " url", ";url");
  Replace(text, " #", ":#");
  for (char digit = '0'; digit <= '9'; ++digit)
    Replace(text, std::string(" ") + digit, std::string("\r\n ;") + digit);
  for (char digit = '0'; digit <= '9'; ++digit)
    Replace(text, std::string(1, digit) + "\r\n", std::string(1, digit) + ";\r\n");
  for (const std::string_view letters : {"ABCDEF", "abcdef"}) {
    for (const char letter : letters)
      Replace(text, std::string(1, letter) + "\r\n", std::string(1, letter) + ";\r\n",
              CaseMode::Exact);
  }
  Replace(text, "::", ":");
  for (char digit = '0'; digit <= '9'; ++digit)
    Replace(text, std::string(1, digit) + "}", std::string(1, digit) + ";}");
  for (const std::string_view letters : {"ABCDEF", "abcdef"}) {
    for (const char letter : letters)
      Replace(text, std::string(1, letter) + "}", std::string(1, letter) + ";\r\n}",
              CaseMode::Exact);
  }
  Replace(text, " }", " ;}");
  // The last value of the text gets a blank after it.
  if (!text.empty()) text.insert(text.size() - 1, " \r\n");
  return text;
}

// The next occurrence of a byte at or after `from`, remembered so that a scan that moves
// forward reads each part of the text once. The byte is below 0x40, so it never is the second
// byte of a double-byte character and a plain byte search finds the same as a character-aware
// one.
class NextByte {
 public:
  NextByte(std::string_view text, char byte) : text_(text), byte_(byte) {}
  std::size_t From(std::size_t from) {
    if (!known_ || (found_ != std::string_view::npos && found_ < from)) {
      found_ = text_.find(byte_, from);
      known_ = true;
    }
    return found_;
  }

 private:
  std::string_view text_;
  char byte_;
  std::size_t found_ = std::string_view::npos;
  bool known_ = false;
};

struct IgnoringAsciiCase {
  bool operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return FoldAscii(static_cast<unsigned char>(x)) < FoldAscii(static_cast<unsigned char>(y));
    });
  }
};

}  // namespace

std::string PrepareStyleSheetForColors(std::string_view text) {
  std::string prepared = DeleteAllBetween(text, "/*", "*/");
  Replace(prepared, kEscapedBrace, "");
  return prepared;
}

std::optional<std::string> PreparePageSourceForColors(std::string_view text) {
  if (!ContainsText(LowerCaseText(text), "color:", CaseMode::Exact)) return std::nullopt;
  std::string page(text);
  for (const std::string_view tag : {"<STYLE>", "</STYLE>", "<style>", "</style>"})
    Replace(page, tag, "", CaseMode::Exact);
  page = DeleteAllBetween(page, "<STYLE ", ">");
  page = DeleteAllBetween(page, "<style ", ">");
  return PrepareStyleSheetForColors(page);
}

std::optional<std::vector<std::string>> ExtractCssColors(std::string_view source,
                                                         ColorListOrder order) {
  const std::string normalised = Normalise(source);
  const std::string_view text = normalised;
  if (!ContainsText(text, ":#", CaseMode::IgnoreAsciiCase) &&
      !ContainsText(text, " #", CaseMode::IgnoreAsciiCase))
    return std::nullopt;

  std::vector<std::string> items;
  std::set<std::string, IgnoringAsciiCase> sorted;
  std::string selector;
  NextByte nextSemicolon(text, ';');
  NextByte nextBlank(text, ' ');
  // The text before `start` has been taken; what follows is read as if it began there.
  std::size_t start = 0;
  for (;;) {
    std::string_view rest = text.substr(start);
    std::size_t colour = FindText(rest, ":#", CaseMode::Exact);
    if (colour == std::string_view::npos) break;
    // Rules without a colour value are passed over, up to the last "}" before the value.
    const std::string_view before = rest.substr(0, colour);
    std::size_t lastBrace = std::string_view::npos;
    for (std::size_t brace = FindText(before, "}", CaseMode::Exact);
         brace != std::string_view::npos; brace = FindText(before, "}", brace + 1, CaseMode::Exact))
      lastBrace = brace;
    if (lastBrace != std::string_view::npos) {
      start += lastBrace + 1;
      colour -= lastBrace + 1;
    }

    const std::size_t at = start + colour;  // the ":" of ":#"
    const std::size_t semicolon = nextSemicolon.From(at + 2);
    const std::size_t blank = nextBlank.From(at + 2);
    // Without both a ";" and a blank after it the value has no end - and neither has any value
    // after it, so the list ends here.
    if (semicolon == std::string_view::npos || blank == std::string_view::npos) break;
    const std::size_t end = std::min(semicolon, blank);
    const std::string_view segment = text.substr(start, end - start);
    const std::string_view valueText = text.substr(at + 1, end - at);
    // The terminator and the character after it are taken with the value.
    start = std::min(end + 2, text.size());

    if (const std::size_t brace = FindText(segment, "{", CaseMode::Exact);
        brace != std::string_view::npos) {
      std::string_view rule = TrimControlChars(segment.substr(0, brace));
      if (const std::size_t close = FindText(rule, "}", CaseMode::Exact);
          close != std::string_view::npos)
        rule.remove_prefix(close + 1);
      selector = ReplaceAll(rule, ":#", " #", CaseMode::Exact);
    }
    std::string value(CutBefore(CutBefore(TrimControlChars(valueText), "}"), ";"));
    std::erase(value, '"');
    if (value.find_first_of(kNotHexDigits) != std::string::npos) continue;
    value = std::string(TrimControlChars(value));
    if (value == "#") break;
    if (value.size() < kValueWidth) value.resize(kValueWidth, ' ');
    if (order == ColorListOrder::SortedUnique) {
      sorted.insert(std::move(value));
    } else {
      items.push_back(value + " " + selector);
    }
  }
  if (order == ColorListOrder::SortedUnique) items.assign(sorted.begin(), sorted.end());
  return items;
}

}  // namespace pellucor

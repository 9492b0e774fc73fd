#include "text/HtmlCharset.h"

#include <array>
#include <cstring>

#include "text/JisCode.h"
#include "text/ShiftJis.h"

namespace pellucor {
namespace {

constexpr std::string_view kNotFound{};

std::string_view HeadPart(std::string_view text) {
  for (const std::string_view marker : {"</head", "<link", "<script"}) {
    const std::size_t at = FindText(text, marker, 0, CaseMode::IgnoreAsciiCase);
    if (at != std::string_view::npos) return text.substr(0, at);
  }
  return text;
}

std::string WithoutLeadingQuestionMark(std::string text) {
  if (!text.empty() && text.front() == '?') text.erase(0, 1);
  return text;
}

// The declared Shift_JIS spellings that become the standard one.
constexpr std::array<std::string_view, 6> kShiftJisSpellings = {
    "Shift-JIS\"", "SHIFT-JIS\"", "XJIS\"", "X-JIS\"", "xjis\"", "x-jis\"",
};

enum class Declared { ShiftJis, EucJp, Utf8, Iso2022Jp, Nothing };

Declared DeclaredCharset(std::string_view text) {
  const std::string head = LowerCaseText(HeadPart(text));
  const auto has = [&head](std::string_view pattern) { return ContainsText(head, pattern); };
  if (has("shift_jis\"") || has("shift-jis\"") || has("xsjis\"") || has("x-sjis"))
    return Declared::ShiftJis;
  if (has("euc-jp\"")) return Declared::EucJp;
  if (has("utf-8\"")) return Declared::Utf8;
  if (has("iso-2022-jp\"")) return Declared::Iso2022Jp;
  return Declared::Nothing;
}

// A declared or guessed UTF-8 text; one that is not well-formed UTF-8 is kept as it is, and the
// "?" that a byte order mark turns into is removed.
ConvertedText FromUtf8IfWellFormed(std::string_view text) {
  if (!CodePage932Available()) return {{}, std::string(Utf8ConversionFailedMessage())};
  std::optional<std::string> converted = WellFormedUtf8ToSjis(text);
  if (!converted) return {NormalizeLineEnds(text), {}};
  return {NormalizeLineEnds(WithoutLeadingQuestionMark(std::move(*converted))), {}};
}

ConvertedText Automatic(std::string_view text) {
  switch (DeclaredCharset(text)) {
    case Declared::ShiftJis: {
      std::string result(text);
      for (const std::string_view spelling : kShiftJisSpellings)
        result = ReplaceAll(result, spelling, "Shift_JIS\"", CaseMode::IgnoreAsciiCase);
      return {NormalizeLineEnds(result), {}};
    }
    case Declared::EucJp:
      return {NormalizeLineEnds(EucToSjis(text)), {}};
    case Declared::Iso2022Jp:
      return {JisTextToSjis(text), {}};
    case Declared::Utf8:
    case Declared::Nothing:
      break;
  }
  return FromUtf8IfWellFormed(text);
}

}  // namespace

std::string NormalizeLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  std::size_t i = 0;
  while (i < text.size()) {
    const void* found = std::memchr(text.data() + i, '\n', text.size() - i);
    if (found == nullptr) {
      out.append(text, i, std::string_view::npos);
      break;
    }
    std::size_t lineFeed = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
    // The line before this run of line ends, without the CR of its CR LF.
    std::size_t lineEnd = lineFeed;
    if (lineEnd > i && text[lineEnd - 1] == '\r') --lineEnd;
    out.append(text, i, lineEnd - i);
    // Count the run: LFs, each optionally preceded by a CR that belongs to it.
    std::size_t run = 0;
    std::size_t j = lineEnd;
    while (j < text.size()) {
      if (text[j] == '\n') {
        ++j;
      } else if (text[j] == '\r' && j + 1 < text.size() && text[j + 1] == '\n') {
        j += 2;
      } else {
        break;
      }
      ++run;
    }
    for (std::size_t k = 0; k < run / 2 + run % 2; ++k)
      out.append("\r\n");
    i = j;
  }
  return out;
}

ConvertedText ConvertHtmlToSjis(std::string_view text, CharsetCode charset) {
  if (text.empty()) return {};
  switch (charset) {
    case CharsetCode::Automatic:
      return Automatic(text);
    case CharsetCode::EucJp:
      return {NormalizeLineEnds(EucToSjis(text)), {}};
    case CharsetCode::Utf8: {
      if (std::optional<std::string> converted = WellFormedUtf8ToSjis(text))
        return {NormalizeLineEnds(*converted), {}};
      ConvertedText lenient = Utf8ToSjis(text);
      if (!lenient.ok()) return lenient;
      return {NormalizeLineEnds(lenient.text), {}};
    }
    case CharsetCode::ShiftJis:
      return {std::string(text), {}};
    case CharsetCode::Iso2022Jp:
      return {NormalizeLineEnds(JisTextToSjis(text)), {}};
    case CharsetCode::Utf8N: {
      ConvertedText lenient = Utf8ToSjis(text);
      if (!lenient.ok()) return lenient;
      return {NormalizeLineEnds(WithoutLeadingQuestionMark(std::move(lenient.text))), {}};
    }
  }
  return {std::string(text), {}};
}

}  // namespace pellucor

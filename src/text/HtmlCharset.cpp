#include "text/HtmlCharset.h"

#include <array>
#include <cstring>

#include "text/JisCode.h"
#include "text/ShiftJis.h"

namespace pellucor {
namespace {

std::string Normalized(std::string&& text);

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

// The first family of Shift_JIS, EUC-JP, UTF-8 and ISO-2022-JP, in that order, that the head
// declares: a page declaring two is read as the earlier one.
Declared PriorityDeclaredCharset(std::string_view text) {
  const std::string head = LowerCaseText(HeadPart(text));
  const auto has = [&head](std::string_view pattern) {
    return ContainsText(head, pattern, CaseMode::Exact);
  };
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
  return {Normalized(WithoutLeadingQuestionMark(std::move(*converted))), {}};
}

ConvertedText Automatic(std::string_view text) {
  switch (PriorityDeclaredCharset(text)) {
    case Declared::ShiftJis: {
      std::string result(text);
      for (const std::string_view spelling : kShiftJisSpellings)
        result = ReplaceAll(result, spelling, "Shift_JIS\"", CaseMode::IgnoreAsciiCase);
      return {Normalized(std::move(result)), {}};
    }
    case Declared::EucJp:
      return {Normalized(EucToSjis(text)), {}};
    case Declared::Iso2022Jp:
      return {JisTextToSjis(text), {}};
    case Declared::Utf8:
    case Declared::Nothing:
      break;
  }
  return FromUtf8IfWellFormed(text);
}

}  // namespace

namespace {

// Walks the runs of line ends that normalisation changes (bare LFs and runs of more than one
// line end; a lone CR LF is already final). For each it calls changeRun(runStart, runEnd,
// lineEnds), where lineEnds is the number of CR LFs the run becomes. Returns whether any run
// changes.
template <typename ChangeRun>
bool ForEachChangedRun(std::string_view text, ChangeRun changeRun) {
  bool changed = false;
  std::size_t i = 0;
  while (i < text.size()) {
    const void* found = std::memchr(text.data() + i, '\n', text.size() - i);
    if (found == nullptr) break;
    const std::size_t lineFeed =
        static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
    // The run starts at the CR of a CR LF, if there is one.
    const std::size_t runStart =
        lineFeed > i && text[lineFeed - 1] == '\r' ? lineFeed - 1 : lineFeed;
    std::size_t run = 0;
    std::size_t j = runStart;
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
    if (run != 1 || j - runStart != 2) {
      changeRun(runStart, j, run / 2 + run % 2);
      changed = true;
    }
    i = j;
  }
  return changed;
}

bool HasBareLineFeed(std::string_view text) {
  for (std::size_t i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', i + 1)) {
    if (i == 0 || text[i - 1] != '\r') return true;
  }
  return false;
}

// NormalizeLineEnds of a text that is no longer needed. Without bare LFs no run grows, so the
// text is rewritten in place and a page costs no second copy.
std::string Normalized(std::string&& text) {
  if (HasBareLineFeed(text)) return NormalizeLineEnds(text);
  std::size_t written = 0;
  std::size_t settled = 0;
  char* data = text.data();
  ForEachChangedRun(text, [&](std::size_t runStart, std::size_t runEnd, std::size_t lineEnds) {
    std::memmove(data + written, data + settled, runStart - settled);
    written += runStart - settled;
    for (std::size_t k = 0; k < lineEnds; ++k) {
      data[written++] = '\r';
      data[written++] = '\n';
    }
    settled = runEnd;
  });
  std::memmove(data + written, data + settled, text.size() - settled);
  text.resize(written + text.size() - settled);
  return std::move(text);
}

}  // namespace

namespace {

// The charset a declaration names; Automatic for none.
CharsetCode CodeOf(Declared declared) {
  switch (declared) {
    case Declared::ShiftJis:
      return CharsetCode::ShiftJis;
    case Declared::EucJp:
      return CharsetCode::EucJp;
    case Declared::Iso2022Jp:
      return CharsetCode::Iso2022Jp;
    case Declared::Utf8:
      return CharsetCode::Utf8;
    case Declared::Nothing:
      break;
  }
  return CharsetCode::Automatic;
}

}  // namespace

CharsetCode DetectHtmlCharset(std::string_view text) {
  const CharsetCode declared = CodeOf(PriorityDeclaredCharset(text));
  if (declared != CharsetCode::Automatic && declared != CharsetCode::Utf8) return declared;
  return IsWellFormedUtf8(text) ? CharsetCode::Utf8 : CharsetCode::ShiftJis;
}

CharsetCode ResourceCharset(std::string_view text, CharsetCode pageCharset) {
  if (const CharsetCode declared = CodeOf(PriorityDeclaredCharset(text));
      declared != CharsetCode::Automatic)
    return declared;
  if (pageCharset == CharsetCode::Iso2022Jp && text.find("\x1B$") != std::string_view::npos)
    return CharsetCode::Iso2022Jp;
  if (IsWellFormedUtf8(text)) return CharsetCode::Automatic;
  // Automatic keeps any other text as it is, which is right for a Shift_JIS page's.
  if (pageCharset == CharsetCode::EucJp || pageCharset == CharsetCode::Iso2022Jp)
    return pageCharset;
  return CharsetCode::Automatic;
}

std::string NormalizeLineEnds(std::string_view text) {
  std::string out;
  std::size_t settled = 0;
  const bool changed =
      ForEachChangedRun(text, [&](std::size_t runStart, std::size_t runEnd, std::size_t lineEnds) {
        if (out.empty()) out.reserve(text.size() + text.size() / 16);
        out.append(text, settled, runStart - settled);
        for (std::size_t k = 0; k < lineEnds; ++k)
          out.append("\r\n");
        settled = runEnd;
      });
  if (!changed) return std::string(text);
  out.append(text, settled, std::string_view::npos);
  return out;
}

ConvertedText ConvertHtmlToSjis(std::string_view text, CharsetCode charset) {
  if (text.empty()) return {};
  switch (charset) {
    case CharsetCode::Automatic:
      return Automatic(text);
    case CharsetCode::EucJp:
      return {Normalized(EucToSjis(text)), {}};
    case CharsetCode::Utf8: {
      if (std::optional<std::string> converted = WellFormedUtf8ToSjis(text))
        return {Normalized(std::move(*converted)), {}};
      ConvertedText lenient = Utf8ToSjis(text);
      if (!lenient.ok()) return lenient;
      return {Normalized(std::move(lenient.text)), {}};
    }
    case CharsetCode::ShiftJis:
      return {std::string(text), {}};
    case CharsetCode::Iso2022Jp:
      return {Normalized(JisTextToSjis(text)), {}};
    case CharsetCode::Utf8N: {
      ConvertedText lenient = Utf8ToSjis(text);
      if (!lenient.ok()) return lenient;
      return {Normalized(WithoutLeadingQuestionMark(std::move(lenient.text))), {}};
    }
  }
  return {std::string(text), {}};
}

}  // namespace pellucor

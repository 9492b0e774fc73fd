#include "text/TextTrim.h"

#include "text/ShiftJis.h"

namespace pellucor {
namespace {

constexpr std::string_view kFullWidthBlank = "\x81\x40";  // "　"

std::string_view TrimControlsAndBlanks(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= 0x20)
    ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 0x20)
    --end;
  return text.substr(begin, end - begin);
}

// The run of n line ends after one replace-all pass of k line ends by one.
std::size_t AfterPass(std::size_t run, std::size_t k) {
  return run / k + run % k;
}

}  // namespace

std::string_view TrimControlChars(std::string_view text) {
  return TrimControlsAndBlanks(text);
}

std::string TrimAllSpaces(std::string_view text) {
  const std::string_view inner = TrimControlsAndBlanks(text);
  // Walk characters forwards: a full-width blank at the end is only one when its first byte
  // starts a character.
  std::size_t begin = 0;
  std::size_t end = 0;  // end of the last character that is not a blank
  bool leading = true;
  for (std::size_t i = 0; i < inner.size();) {
    const std::size_t length = CharLengthAt(inner, i);
    const std::string_view character = inner.substr(i, length);
    const bool blank = character == " " || character == kFullWidthBlank;
    if (leading && blank) {
      begin = i + length;
    } else if (!blank) {
      leading = false;
      end = i + length;
    }
    i += length;
  }
  if (leading) return {};
  return std::string(inner.substr(begin, end - begin));
}

std::string CollapseSpaces(std::string_view text) {
  std::string result(TrimControlsAndBlanks(text));
  for (const std::string_view run :
       {"\x81\x40\x81\x40\x81\x40", "\x81\x40\x81\x40", "\x81\x40", "   ", "  "}) {
    result = ReplaceAll(result, run, " ", CaseMode::Exact);
  }
  return result;
}

std::string CollapseBlankLines(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size();) {
    const char byte = text[i];
    if (byte == '\t') {
      out.append("  ");
      ++i;
    } else if (byte == '\r' || byte == '\n') {
      std::size_t run = 0;
      while (i < text.size() && (text[i] == '\r' || text[i] == '\n')) {
        // CR LF counts once, as does a lone CR or LF.
        i += text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
        ++run;
      }
      run = AfterPass(AfterPass(AfterPass(AfterPass(run, 5), 4), 3), 2);
      for (std::size_t k = 0; k < run; ++k)
        out.append("\r\n");
    } else {
      out.push_back(byte);
      ++i;
    }
  }
  return out;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char byte = text[at];
    if (byte != '\r' && byte != '\n') continue;
    lines.push_back(text.substr(start, at - start));
    if (byte == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
    start = at + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::string UnifyLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  // The text between line ends goes over in one piece.
  std::size_t from = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    out.append(text, from, i - from);
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    out.append("\r\n");
    from = i + 1;
  }
  out.append(text, from, std::string_view::npos);
  return out;
}

std::string LfToCrLf(std::string_view text) {
  std::string result;
  result.reserve(text.size() + text.size() / 32);
  for (const char byte : text) {
    if (byte == '\n') result.push_back('\r');
    result.push_back(byte);
  }
  return result;
}

void UnifyLineEndsIn(std::string& text) {
  // A text whose line ends are all CR LF already is left where it is.
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++i;
    } else if (text[i] == '\r' || text[i] == '\n') {
      text = UnifyLineEnds(text);
      return;
    }
  }
}

}  // namespace pellucor

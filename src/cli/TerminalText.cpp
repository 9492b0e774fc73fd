#include "cli/TerminalText.h"

#include "text/CodePage932.h"

namespace pellucor::cli {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

void AppendEscaped(unsigned char value, std::string& out) {
  out += "\\x";
  out.push_back(kHex[value >> 4]);
  out.push_back(kHex[value & 0xF]);
}

// The length of the UTF-8 sequence a lead byte starts; 0 for a byte that starts none.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

std::string TerminalText(std::string_view sjis, LineEnds lineEnds) {
  // Control bytes are ASCII and below 0x40, so they are never the second byte of a Japanese
  // character in Shift_JIS, nor part of a multi-byte character in UTF-8.
  const std::string utf8 = SjisToUtf8(sjis);
  std::string out;
  out.reserve(utf8.size());
  for (const char byte : utf8) {
    const auto value = static_cast<unsigned char>(byte);
    if (value >= 0x20 && value != 0x7F) {
      out.push_back(byte);
    } else if (lineEnds == LineEnds::Keep && byte == '\n') {
      out.push_back('\n');
    } else if (lineEnds == LineEnds::Keep && byte == '\r') {
      continue;
    } else {
      AppendEscaped(value, out);
    }
  }
  return out;
}

std::string TerminalTextUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto value = static_cast<unsigned char>(utf8[i]);
    if (value < 0x80) {
      if (value >= 0x20 && value != 0x7F) {
        out.push_back(utf8[i]);
      } else {
        AppendEscaped(value, out);
      }
      ++i;
      continue;
    }
    const std::size_t length = SequenceLength(value);
    const std::string_view sequence = utf8.substr(i, length);
    const bool c1Control =
        value == 0xC2 && sequence.size() == 2 && static_cast<unsigned char>(sequence[1]) <= 0x9F;
    if (length == 0 || sequence.size() < length || !IsWellFormedUtf8(sequence) || c1Control) {
      AppendEscaped(value, out);
      ++i;
      continue;
    }
    out += sequence;
    i += length;
  }
  return out;
}

}  // namespace pellucor::cli

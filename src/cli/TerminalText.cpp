#include "cli/TerminalText.h"

#include "text/CodePage932.h"

namespace pellucor::cli {

std::string TerminalText(std::string_view sjis, LineEnds lineEnds) {
  // Control bytes are ASCII and below 0x40, so they are never the second byte of a Japanese
  // character in Shift_JIS, nor part of a multi-byte character in UTF-8.
  const std::string utf8 = SjisToUtf8(sjis);
  std::string out;
  out.reserve(utf8.size());
  constexpr char kHex[] = "0123456789ABCDEF";
  for (const char byte : utf8) {
    const auto value = static_cast<unsigned char>(byte);
    if (value >= 0x20 && value != 0x7F) {
      out.push_back(byte);
    } else if (lineEnds == LineEnds::Keep && byte == '\n') {
      out.push_back('\n');
    } else if (lineEnds == LineEnds::Keep && byte == '\r') {
      continue;
    } else {
      out += "\\x";
      out.push_back(kHex[value >> 4]);
      out.push_back(kHex[value & 0xF]);
    }
  }
  return out;
}

}  // namespace pellucor::cli

#include "text/PercentCoding.h"

namespace pellucor {
namespace {

constexpr char kLowerHexDigits[] = "0123456789abcdef";

char* AppendEscaped(unsigned char byte, char* out) {
  out[0] = '%';
  out[1] = kLowerHexDigits[byte >> 4];
  out[2] = kLowerHexDigits[byte & 0x0F];
  return out + 3;
}

unsigned HexDigitValue(char digit) {
  if (digit >= '0' && digit <= '9') return static_cast<unsigned>(digit - '0');
  if (digit >= 'a' && digit <= 'f') return static_cast<unsigned>(digit - 'a' + 10);
  if (digit >= 'A' && digit <= 'F') return static_cast<unsigned>(digit - 'A' + 10);
  return 0;
}

}  // namespace

std::string PercentEncode(std::string_view text) {
  // At most three bytes out for every byte in; written through a pointer and cut to size.
  std::string escaped(text.size() * 3, '\0');
  char* out = escaped.data();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      *out++ = byte == ' ' ? '+' : static_cast<char>(byte);
      continue;
    }
    out = AppendEscaped(byte, out);
    if (i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0x80) {
      out = AppendEscaped(static_cast<unsigned char>(text[i + 1]), out);
      ++i;
    }
  }
  escaped.resize(static_cast<std::size_t>(out - escaped.data()));
  // Removing "%00" is a pass of its own over the escaped text, so a literal "%00" in the input
  // goes too, and matches are found left to right as in the escaped text.
  std::size_t match = escaped.find("%00");
  if (match == std::string::npos) return escaped;
  std::string result;
  result.reserve(escaped.size());
  std::size_t copiedUpTo = 0;
  for (; match != std::string::npos; match = escaped.find("%00", copiedUpTo)) {
    result.append(escaped, copiedUpTo, match - copiedUpTo);
    copiedUpTo = match + 3;
  }
  result.append(escaped, copiedUpTo, std::string::npos);
  return result;
}

std::string PercentDecode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out.push_back(text[i]);
      continue;
    }
    const unsigned high = i + 1 < text.size() ? HexDigitValue(text[i + 1]) : 0;
    const unsigned low = i + 2 < text.size() ? HexDigitValue(text[i + 2]) : 0;
    out.push_back(static_cast<char>(high << 4 | low));
    i += 2;
  }
  for (char& byte : out) {
    if (byte == '+') byte = ' ';
  }
  return out;
}

}  // namespace pellucor

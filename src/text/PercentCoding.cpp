#include "text/PercentCoding.h"

namespace pellucor {
namespace {

constexpr char kLowerHexDigits[] = "0123456789abcdef";

void AppendEscaped(unsigned char byte, std::string& out) {
  out.push_back('%');
  out.push_back(kLowerHexDigits[byte >> 4]);
  out.push_back(kLowerHexDigits[byte & 0x0F]);
}

unsigned HexDigitValue(char digit) {
  if (digit >= '0' && digit <= '9') return static_cast<unsigned>(digit - '0');
  if (digit >= 'a' && digit <= 'f') return static_cast<unsigned>(digit - 'a' + 10);
  if (digit >= 'A' && digit <= 'F') return static_cast<unsigned>(digit - 'A' + 10);
  return 0;
}

}  // namespace

std::string PercentEncode(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size() * 3);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      escaped.push_back(byte == ' ' ? '+' : static_cast<char>(byte));
      continue;
    }
    AppendEscaped(byte, escaped);
    if (i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0x80) {
      AppendEscaped(static_cast<unsigned char>(text[i + 1]), escaped);
      ++i;
    }
  }
  // Removing "%00" is a pass of its own over the escaped text, literal "%00" in the input
  // included.
  std::string out;
  out.reserve(escaped.size());
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    if (escaped.compare(i, 3, "%00") == 0) {
      i += 2;
      continue;
    }
    out.push_back(escaped[i]);
  }
  return out;
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

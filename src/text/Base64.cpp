#include "text/Base64.h"

#include <array>

namespace pellucor {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr unsigned char kOutside = 64;

constexpr std::array<unsigned char, 256> MakeDecodeTable() {
  std::array<unsigned char, 256> table{};
  for (auto& value : table)
    value = kOutside;
  for (unsigned char i = 0; i < 64; ++i)
    table[static_cast<unsigned char>(kAlphabet[i])] = i;
  return table;
}

constexpr std::array<unsigned char, 256> kDecodeTable = MakeDecodeTable();

unsigned SextetAt(std::string_view text, std::size_t offset) {
  // A character outside the alphabet counts as 64, whose low six bits are all zero.
  return kDecodeTable[static_cast<unsigned char>(text[offset])] & 0x3F;
}

}  // namespace

std::string Base64Encode(std::string_view bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t count = bytes.size() - i < 3 ? bytes.size() - i : 3;
    unsigned group = static_cast<unsigned char>(bytes[i]) << 16;
    if (count > 1) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    if (count > 2) group |= static_cast<unsigned char>(bytes[i + 2]);
    out.push_back(kAlphabet[(group >> 18) & 0x3F]);
    out.push_back(kAlphabet[(group >> 12) & 0x3F]);
    out.push_back(count > 1 ? kAlphabet[(group >> 6) & 0x3F] : '=');
    out.push_back(count > 2 ? kAlphabet[group & 0x3F] : '=');
  }
  return out;
}

std::string Base64Decode(std::string_view text) {
  std::string out;
  out.reserve(text.size() / 4 * 3);
  for (std::size_t i = 0; i + 4 <= text.size(); i += 4) {
    const unsigned group = SextetAt(text, i) << 18 | SextetAt(text, i + 1) << 12 |
                           SextetAt(text, i + 2) << 6 | SextetAt(text, i + 3);
    out.push_back(static_cast<char>(group >> 16));
    if (const char second = static_cast<char>((group >> 8) & 0xFF); second != 0)
      out.push_back(second);
    if (const char third = static_cast<char>(group & 0xFF); third != 0) out.push_back(third);
  }
  return out;
}

}  // namespace pellucor

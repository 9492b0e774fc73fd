#include "analysis/ColorSwatch.h"

#include <string>

#include "text/NumberText.h"
#include "text/ShiftJis.h"

namespace pellucor {
namespace {

constexpr std::size_t kDigits = 6;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

int HexPair(std::string_view pair) {
  const int high = HexDigit(pair[0]);
  const int low = HexDigit(pair[1]);
  return high < 0 || low < 0 ? 0 : high * 16 + low;
}

}  // namespace

int ParseHexColor(std::string_view text) {
  text = CutBefore(CutBefore(CutBefore(text, "}"), ";"), "{");
  if (text.starts_with('#')) text.remove_prefix(1);
  if (text.empty()) return -1;
  std::string digits(text.substr(0, kDigits));
  digits.insert(0, kDigits - digits.size(), '0');
  const int red = HexPair(std::string_view(digits).substr(0, 2));
  const int green = HexPair(std::string_view(digits).substr(2, 2));
  const int blue = HexPair(std::string_view(digits).substr(4, 2));
  return red + green * 256 + blue * 65536;
}

std::optional<TextColor> HexColorValue(std::string_view text) {
  const int value = ParseHexColor(text);
  if (value < 0) return std::nullopt;
  return TextColor{static_cast<std::uint8_t>(value & 0xFF),
                   static_cast<std::uint8_t>((value >> 8) & 0xFF),
                   static_cast<std::uint8_t>((value >> 16) & 0xFF)};
}

ColorItemLook ColorItemLookOf(std::string_view item) {
  const std::string_view colorText = item.substr(0, item.find(' '));
  ColorItemLook look;
  if (colorText.empty()) return look;
  look.drawn = true;
  if (!colorText.starts_with('#')) return look;
  // A text without digits ("#" alone) keeps the white swatch.
  if (const std::optional<TextColor> swatch = HexColorValue(colorText)) look.background = *swatch;
  const int number = HexStrToInt(colorText.substr(1));
  if (number > 0x900000) {
    look.text = {0, 0, 255};
  } else if (number < 0x100000) {
    look.text = {255, 0, 0};
  } else {
    look.text = {255, 255, 0};
  }
  return look;
}

}  // namespace pellucor

#pragma once

#include <optional>
#include <string_view>

#include "ports/TextView.h"

// How a colour list's items are drawn: each on a swatch of its own colour, in a text colour that
// stays readable on it.
namespace pellucor {

/// The colour of a colour text as red + green * 256 + blue * 65536: the text is cut before its
/// first "}", ";" and "{", loses a leading "#", is cut to 6 characters or padded on the left
/// with zeros to 6 ("fff" is "000fff"), and its three pairs of hexadecimal digits are red,
/// green and blue (a pair that is not hexadecimal counts as 0). -1 for an empty text.
[[nodiscard]] int ParseHexColor(std::string_view text);

/// ParseHexColor's value as a colour; nullopt for -1.
[[nodiscard]] std::optional<TextColor> HexColorValue(std::string_view text);

/// What an item of a colour list looks like.
struct ColorItemLook {
  bool drawn = false;  // an item without a colour text draws nothing
  TextColor background{255, 255, 255};
  TextColor text{0, 0, 0};
};

/// The look of an item: its colour text is the part before its first blank. A colour text that
/// begins with "#" is drawn on its own colour, the text blue when the digits' value is above
/// 0x900000, red when below 0x100000 and yellow otherwise; any other is black on white.
[[nodiscard]] ColorItemLook ColorItemLookOf(std::string_view item);

}  // namespace pellucor

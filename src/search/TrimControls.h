#pragma once

#include <string_view>

namespace pellucor {

/// The text without blanks and control characters (bytes up to 0x20) at both ends, as typed
/// boxes and pasted texts are taken. No such byte is ever the second byte of a double-byte
/// character.
[[nodiscard]] inline std::string_view TrimControls(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= 0x20)
    text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= 0x20)
    text.remove_suffix(1);
  return text;
}

}  // namespace pellucor

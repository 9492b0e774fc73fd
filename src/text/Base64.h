#pragma once

#include <string>
#include <string_view>

namespace pellucor {

/// Standard Base64 (RFC 4648 alphabet, "=" padding) without line breaks.
[[nodiscard]] std::string Base64Encode(std::string_view bytes);

/// Groups of four characters give three bytes; a character outside the alphabet ("=" included)
/// adds no bits. The second and third byte of a group are written only when they are not zero,
/// which drops the padding - and also a genuine zero byte in those places. An incomplete last
/// group is ignored.
[[nodiscard]] std::string Base64Decode(std::string_view text);

}  // namespace pellucor

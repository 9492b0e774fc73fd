#pragma once

#include <string>
#include <string_view>

// The program's own percent coding of Shift_JIS text for URLs and query strings.
namespace pellucor {

/// Bytes below 0x80 are copied, the space becoming "+"; a byte 0x80 or above becomes "%" and two
/// lower-case hex digits, and when the byte after it is below 0x80 that byte is escaped too (the
/// trail byte of a double-byte character). Finally every "%00" is removed. "&", "=", "?" and "+"
/// are not escaped.
[[nodiscard]] std::string PercentEncode(std::string_view text);

/// "%" and the two characters after it become one byte (a character that is no hex digit counts
/// as 0, and so do digits missing at the end); other bytes are copied; then every "+", also one
/// written as "%2B", becomes a space.
[[nodiscard]] std::string PercentDecode(std::string_view text);

}  // namespace pellucor

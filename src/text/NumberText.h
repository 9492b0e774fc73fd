#pragma once

#include <string>
#include <string_view>

// Numbers as text, and the column padding of the report lists.
namespace pellucor {

/// Decimal form of `number` with "0" put in front until it is `width` long; the zeros stand
/// before a minus sign (-5 at width 4 gives "00-5").
[[nodiscard]] std::string ZeroPadNumber(long long number, int width);

/// Decimal form of `number` with blanks put in front until it is `width` long.
[[nodiscard]] std::string SpacePadNumber(long long number, int width);

/// A text without TAB unchanged; otherwise the part before the first TAB, k blanks, two TABs and
/// the rest, where k is 3 when that part is longer than `width` and width - length - 1 otherwise
/// (none when that is not positive).
[[nodiscard]] std::string PadBeforeTab(std::string_view text, int width);

/// Hexadecimal digits (either case) read left to right; any other character resets the value to
/// 0, so "1G2" gives 2. Wraps around past 32 bits.
[[nodiscard]] int HexStrToInt(std::string_view text);

}  // namespace pellucor

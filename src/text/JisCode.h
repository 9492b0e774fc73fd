#pragma once

#include <string>
#include <string_view>

// JIS X 0208 in its three byte forms: Shift_JIS, EUC-JP and ISO-2022-JP. The character
// arithmetic is that of the JIS X 0208 Shift encoding; the escape handling is the program's own.
namespace pellucor {

/// Shift_JIS bytes of the JIS code (row, cell); empty when the row byte is outside 0x21-0x7E.
[[nodiscard]] std::string JisToSjisChar(unsigned char row, unsigned char cell);

/// JIS code of the double-byte Shift_JIS character (lead, trail); empty when `lead` does not
/// lead a double-byte character.
[[nodiscard]] std::string SjisToJisChar(unsigned char lead, unsigned char trail);

/// ISO-2022-JP to Shift_JIS: ESC "$B" enters two-byte mode, ESC "(B" and ESC "(J" leave it, and
/// those escapes are dropped; any other escape is copied. In two-byte mode a pair whose first
/// byte is not 0x21-0x7E (a line end, say) vanishes, and so does a single last byte.
[[nodiscard]] std::string JisTextToSjis(std::string_view text);

/// Lenient ISO-2022-JP to Shift_JIS: ESC "$" + one byte enters two-byte mode, ESC "(" + one byte
/// leaves it, any other ESC + two bytes is skipped without changing the mode; pairs are converted
/// without a range check.
[[nodiscard]] std::string JisTextToSjisSimple(std::string_view text);

/// Shift_JIS to ISO-2022-JP. Half-width katakana are written as full-width letters. Escapes are
/// written only where the mode changes, so a text that ends inside two-byte mode ends without
/// the escape back.
[[nodiscard]] std::string SjisToJisText(std::string_view text);

/// EUC-JP to Shift_JIS; bytes that are neither a pair nor a half-width katakana are copied.
[[nodiscard]] std::string EucToSjis(std::string_view text);

/// How SjisToEuc treats half-width katakana before converting (the item index of the
/// converter's option group).
enum class KanaWidening { Keep = 0, WidenAndMerge = 1, WidenPlain = 2 };

/// Shift_JIS to EUC-JP; half-width katakana left over become 0x8E + the byte.
[[nodiscard]] std::string SjisToEuc(std::string_view text, KanaWidening widening);

/// Shift_JIS to EUC-JP without kana widening; every byte 0x80 or above that is not half-width
/// katakana is taken as the lead of a pair.
[[nodiscard]] std::string SjisToEucSimple(std::string_view text);

}  // namespace pellucor

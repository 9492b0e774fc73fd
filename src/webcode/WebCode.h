#pragma once

#include <array>
#include <string>
#include <string_view>

// The web code converter's conversions: which of the Japanese and percent codings each item of
// its option groups runs, in both directions. Texts on the Shift_JIS side are Shift_JIS; the
// encoded side holds the encoded bytes as they are.
namespace pellucor {

/// The number of items of each option group; an item is 0 to kWebCodeItemCount - 1.
inline constexpr int kWebCodeItemCount = 8;

/// The captions of the decode groups' items, in item order (UTF-8, as the user reads them).
inline constexpr std::array<std::string_view, kWebCodeItemCount> kWebCodeDecodeItems = {
    "16進UTF-8", "16進UTF-8（ %25を除去）", "16進EUC",    "Web16進ｺｰﾄﾞ ",
    "UFT-8 ",    "JIS（ ISO-2022-JP ）",    "Base64ｺｰﾄﾞ", "EUC"};

/// The captions of the encode groups' items, in item order (UTF-8). Items 0 and 1 do the same.
inline constexpr std::array<std::string_view, kWebCodeItemCount> kWebCodeEncodeItems = {
    "16進UTF-8",  "16進UTF-8", "16進EUC", "Web16進ｺｰﾄﾞ ", "UFT-8 ", "JIS（ ISO-2022-JP ）",
    "Base64ｺｰﾄﾞ", "EUC"};

/// The encoded text as Shift_JIS, by item:
/// 0 percent-decoded, then read as UTF-8 - empty when that is not well-formed UTF-8;
/// 1 every "%25" made "%" first, then as 0;
/// 2 percent-decoded, read as EUC-JP, every LF made CR LF;
/// 3 percent-decoded only (the bytes are Shift_JIS already);
/// 4 read as UTF-8 - empty when that is not well-formed UTF-8;
/// 5 read as ISO-2022-JP (leniently, any ESC "$" and ESC "(" switching);
/// 6 Base64-decoded;
/// 7 read as EUC-JP, every LF made CR LF.
/// An empty text gives an empty result; an item outside 0-7 gives the text unchanged.
[[nodiscard]] std::string WebCodeDecode(std::string_view text, int item);

/// The Shift_JIS text encoded, by item:
/// 0 and 1 as UTF-8, percent-encoded;
/// 2 CR LF made LF, as EUC-JP, "(" made "%28", percent-encoded, then "%2a" made "*", "%20"
///   made "+" and "%26" made "&";
/// 3 percent-encoded as it is;
/// 4 as UTF-8;
/// 5 as ISO-2022-JP;
/// 6 Base64-encoded;
/// 7 as EUC-JP with half-width katakana widened (and voiced marks merged), CR LF made LF.
/// Percent-encoding writes lower-case hexadecimal digits. An empty text gives an empty result;
/// an item outside 0-7 gives the text unchanged.
[[nodiscard]] std::string WebCodeEncode(std::string_view text, int item);

}  // namespace pellucor

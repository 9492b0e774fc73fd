#pragma once

#include <string>
#include <string_view>

namespace pellucor {

/// How a URL is decoded before it becomes a local file name: the item index of the download
/// settings' URL decoding choice (" UrlのWebﾃﾞｺｰﾄﾞ ").
enum class UrlDecodeMode : int {
  None = 0,            // "何もしない"
  PercentUtf8 = 1,     // "16進UTF-8"
  PercentEucCrLf = 2,  // "16進EUC"
  PercentEuc = 3,      // "Web16進ｺｰﾄﾞ "
  Percent25Utf8 = 4,   // "【 %25 】を除去して16進UTF-8"
  Base64 = 5,          // "Base64ｺｰﾄﾞ"
};

/// The whole text decoded by the mode:
/// - None: unchanged;
/// - PercentUtf8: PercentDecode, then the bytes read as UTF-8 (a malformed sequence or a
///   character without a Shift_JIS form becomes "?") and cut at the first NUL;
/// - PercentEucCrLf: PercentDecode, EucToSjis, then every LF becomes CR LF;
/// - PercentEuc: PercentDecode, then EucToSjis;
/// - Percent25Utf8: every "%25" becomes "%" first, then as PercentUtf8;
/// - Base64: Base64Decode of the whole text.
/// Any other value leaves the text unchanged. The UTF-8 modes give an empty text when the system
/// has no CP932 converter, as every conversion to Shift_JIS then fails.
[[nodiscard]] std::string DecodeUrlText(std::string_view url, UrlDecodeMode mode);

}  // namespace pellucor

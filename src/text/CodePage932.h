#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Conversions between Shift_JIS (code page 932), Unicode ("wide text") and UTF-8. The code page
// itself is glibc's iconv "CP932": its two directions are read once into lookup tables on first
// use, so every conversion gives exactly iconv's characters at table speed.
namespace pellucor {

/// A converted text, or the message that says why the conversion could not run.
struct ConvertedText {
  std::string text;
  std::string error;  // empty on success; otherwise a Shift_JIS message for the user
  [[nodiscard]] bool ok() const { return error.empty(); }
};

/// The message of a UTF-8 conversion that could not run ("UTF8の文字列変換に失敗しました.").
[[nodiscard]] std::string_view Utf8ConversionFailedMessage();

/// False when the system's iconv has no CP932 converter; every conversion then fails.
[[nodiscard]] bool CodePage932Available();

/// Strict UTF-8 decoding: empty when the text is not well-formed UTF-8 (a stray or missing
/// continuation byte, an overlong form, a surrogate, a value past U+10FFFF, a cut-off sequence).
[[nodiscard]] std::u32string Utf8ToWideText(std::string_view text);

/// Whether the text is well-formed UTF-8 as Utf8ToWideText reads it (an empty text is), without
/// building the wide text.
[[nodiscard]] bool IsWellFormedUtf8(std::string_view text);

/// Wide text as Shift_JIS; a character without a Shift_JIS form becomes "?".
[[nodiscard]] std::string WideToSjis(std::u32string_view text);

/// Utf8ToWideText followed by WideToSjis in one pass; nullopt when the text is not well-formed
/// UTF-8.
[[nodiscard]] std::optional<std::string> WellFormedUtf8ToSjis(std::string_view text);

/// Lenient UTF-8 to Shift_JIS: each malformed sequence becomes a replacement character and so
/// "?", as does every character without a Shift_JIS form. Fails only when CP932 is unavailable,
/// with Utf8ConversionFailedMessage().
[[nodiscard]] ConvertedText Utf8ToSjis(std::string_view text);

/// Shift_JIS to UTF-8; a byte sequence with no character becomes U+FFFD. Never truncates.
[[nodiscard]] std::string SjisToUtf8(std::string_view text);

/// Shift_JIS read one character at a time: `visit(offset, length, codePoint)` for each
/// character in order, a byte sequence with no character being one U+FFFD (of the bytes the
/// table read for it, one as a rule). For views that keep a map between characters and bytes.
void ForEachSjisCharacter(
    std::string_view text,
    const std::function<void(std::size_t offset, std::size_t length, char32_t codePoint)>& visit);

/// Shift_JIS to UTF-8 for names handed to the system: nullopt when any byte sequence has no
/// character, so that no name is silently changed.
[[nodiscard]] std::optional<std::string> SjisToUtf8Exact(std::string_view text);

/// UTF-8 to Shift_JIS for names and typed text: nullopt when the text is not well-formed UTF-8 or
/// holds a character without a Shift_JIS form.
[[nodiscard]] std::optional<std::string> Utf8ToSjisExact(std::string_view text);

/// A UTF-8 string literal of the program (a message or caption) as Shift_JIS.
[[nodiscard]] std::string SjisFromUtf8Literal(std::string_view utf8);

}  // namespace pellucor

#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// Byte classes of Shift_JIS (code page 932) and the character-aware walking that every text
// helper builds on. A text is a std::string of Shift_JIS bytes.
namespace pellucor {

/// True for the first byte of a double-byte character (0x81-0x9F, 0xE0-0xFC).
[[nodiscard]] constexpr bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

/// True for a half-width katakana byte (0xA1-0xDF) standing as a character of its own.
[[nodiscard]] constexpr bool IsHalfWidthKana(unsigned char byte) {
  return byte >= 0xA1 && byte <= 0xDF;
}

/// True for a byte that can be the second byte of a double-byte character (0x40-0x7E,
/// 0x80-0xFC). Bytes below 0x40 never are, so they always start a character.
[[nodiscard]] constexpr bool IsTrailByte(unsigned char byte) {
  return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

/// Length in bytes of the character that starts at `offset`: 2 for a lead byte followed by a
/// possible second byte, otherwise 1 (a lead byte at the very end, or before a byte such as "<"
/// that cannot follow it, stands alone).
[[nodiscard]] inline std::size_t CharLengthAt(std::string_view text, std::size_t offset) {
  return IsLeadByte(static_cast<unsigned char>(text[offset])) && offset + 1 < text.size() &&
                 IsTrailByte(static_cast<unsigned char>(text[offset + 1]))
             ? 2
             : 1;
}

/// The first character start at or after `offset`, given `knownStart`, a character start at or
/// before it. Costs a walk back over the possible lead bytes just before the offset (a few in
/// Japanese text), never further than `knownStart`.
[[nodiscard]] std::size_t CharStartFrom(std::string_view text, std::size_t knownStart,
                                        std::size_t offset);

/// An ASCII letter upper-cased; any other byte as it is.
[[nodiscard]] constexpr unsigned char FoldAscii(unsigned char byte) {
  return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - 'a' + 'A') : byte;
}

/// An ASCII letter lower-cased; any other byte as it is.
[[nodiscard]] constexpr unsigned char LowerAscii(unsigned char byte) {
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte | 0x20) : byte;
}

[[nodiscard]] constexpr bool IsAsciiLetter(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

/// The value of a hexadecimal digit of either case; -1 for any other byte.
[[nodiscard]] constexpr int HexDigitValue(unsigned char byte) {
  if (byte >= '0' && byte <= '9') return byte - '0';
  if (byte >= 'a' && byte <= 'f') return byte - 'a' + 10;
  if (byte >= 'A' && byte <= 'F') return byte - 'A' + 10;
  return -1;
}

/// Every ASCII letter lower-cased, byte by byte: for UTF-8 texts and ASCII names, where the
/// character walk of LowerCaseText would read UTF-8 bytes as Shift_JIS pairs.
[[nodiscard]] std::string LowerAsciiBytes(std::string_view text);

/// Whether the two texts are equal but for the case of ASCII letters, byte for byte (no
/// character walk: a second byte equal to a letter folds too, as it must for two names that
/// are compared whole).
[[nodiscard]] bool EqualIgnoringAsciiCase(std::string_view left, std::string_view right);

/// ASCII letters upper-cased; second bytes of double-byte characters are left as they are.
[[nodiscard]] std::string UpperCaseText(std::string_view text);

/// ASCII letters lower-cased; second bytes of double-byte characters are left as they are.
[[nodiscard]] std::string LowerCaseText(std::string_view text);

enum class CaseMode { Exact, IgnoreAsciiCase };

/// 0-based offset of the first occurrence of `pattern` that starts on a character start at or
/// after `from` (which must itself be a character start); npos when absent or when the pattern
/// is empty. IgnoreAsciiCase folds single-byte ASCII letters only.
[[nodiscard]] std::size_t FindText(std::string_view text, std::string_view pattern,
                                   std::size_t from, CaseMode mode);

/// FindText from the start of the text.
[[nodiscard]] inline std::size_t FindText(std::string_view text, std::string_view pattern,
                                          CaseMode mode) {
  return FindText(text, pattern, 0, mode);
}

/// Every non-overlapping occurrence of `pattern` (matched at character starts, left to right)
/// replaced by `replacement`; what a replacement inserts is not searched again. An empty pattern
/// leaves the text unchanged. Linear in the length of the text.
[[nodiscard]] std::string ReplaceAll(std::string_view text, std::string_view pattern,
                                     std::string_view replacement, CaseMode mode);

/// ReplaceAll on the text itself; returns whether anything was replaced. A text without a match
/// is neither copied nor changed.
bool ReplaceAllIn(std::string& text, std::string_view pattern, std::string_view replacement,
                  CaseMode mode);

/// ReplaceAllIn on the text from the offset `from` on (a character start), as if that part
/// stood alone; what comes before it is kept as it is.
bool ReplaceAllFrom(std::string& text, std::size_t from, std::string_view pattern,
                    std::string_view replacement, CaseMode mode = CaseMode::IgnoreAsciiCase);

/// True when `text` contains `pattern` at a character start.
[[nodiscard]] inline bool ContainsText(std::string_view text, std::string_view pattern,
                                       CaseMode mode) {
  return FindText(text, pattern, 0, mode) != std::string_view::npos;
}

/// The text up to the first occurrence of `marker` (exact case); the whole text without one.
[[nodiscard]] inline std::string_view CutBefore(std::string_view text, std::string_view marker) {
  const std::size_t at = FindText(text, marker, CaseMode::Exact);
  return at == std::string_view::npos ? text : text.substr(0, at);
}

/// True when `text` contains any of the patterns at a character start.
[[nodiscard]] inline bool ContainsAnyText(std::string_view text,
                                          std::initializer_list<std::string_view> patterns,
                                          CaseMode mode) {
  for (const std::string_view pattern : patterns) {
    if (ContainsText(text, pattern, mode)) return true;
  }
  return false;
}

}  // namespace pellucor

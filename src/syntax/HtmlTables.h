#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// The data of the HTML colourer: the tag names it knows, grouped under their hash values, and
// the character entities it recognises in text.
namespace pellucor {

/// A known tag name under its hash value (the sum of the character classes of its letters, "!"
/// and "/", plus the values of its trailing digits).
struct HtmlKeyword {
  int hash;
  std::string_view key;
};

/// Hash values run from 0 to 243; a name whose hash is larger is never a known tag.
inline constexpr int kHtmlKeywordHashes = 244;

/// The 198 known tag names, by ascending hash; names that share a hash are tried in this order.
/// Three keys keep their mixed or lower case ("var", "LEGend", "object"); lookups ignore case.
extern const std::array<HtmlKeyword, 198> kHtmlKeywords;

/// The 151 entities, tried in this order with the first match winning. "&divide" has no
/// semicolon, and "&ldots;" stands where "&#133;" would.
extern const std::array<std::string_view, 151> kHtmlEntities;

/// The character class of a byte in tag names: "A"-"Z" and "a"-"z" 1 to 26, "/" 122, "!" 123,
/// every other byte 0.
[[nodiscard]] constexpr int HtmlCharClass(unsigned char byte) {
  if (byte >= 'A' && byte <= 'Z') return byte - 'A' + 1;
  if (byte >= 'a' && byte <= 'z') return byte - 'a' + 1;
  if (byte == '/') return 122;
  if (byte == '!') return 123;
  return 0;
}

/// The keys filed under `hash` (0 to 243), in table order; empty for a hash that has none.
[[nodiscard]] std::span<const HtmlKeyword> HtmlKeywordsOfHash(int hash);

}  // namespace pellucor

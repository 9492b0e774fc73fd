#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Half-width katakana (JIS X 0201, the single bytes 0xA1-0xDF) widened to their JIS X 0208
// full-width forms.
namespace pellucor {

/// JIS code (row << 8 | cell) of the half-width katakana at `offset`, which advances past it.
/// A letter followed by a voiced or semi-voiced mark that combines with it gives the combined
/// letter and the mark is consumed too. 0 (and no advance) when the byte is not half-width kana.
[[nodiscard]] std::uint16_t HalfKanaToJis(std::string_view text, std::size_t& offset);

/// Every half-width katakana widened, a following combining mark merged into its letter
/// (ｶﾞ to ガ, ｳﾞ to ヴ, ﾊﾟ to パ).
[[nodiscard]] std::string HalfToFullKana(std::string_view text);

/// Every half-width katakana widened on its own; voicing marks become ゛ and ゜.
[[nodiscard]] std::string HalfToFullKanaPlain(std::string_view text);

}  // namespace pellucor

#include "text/HalfWidthKana.h"

#include <array>

#include "text/JisCode.h"
#include "text/ShiftJis.h"

namespace pellucor {
namespace {

// Full-width JIS codes of the half-width katakana 0xA1-0xDF, in byte order.
constexpr std::array<std::uint16_t, 63> kFullWidthJis = {
    0x2123, 0x2156, 0x2157, 0x2122, 0x2126,  // ｡ ｢ ｣ ､ ･
    0x2572,                                  // ｦ
    0x2521, 0x2523, 0x2525, 0x2527, 0x2529,  // ｧ ｨ ｩ ｪ ｫ
    0x2563, 0x2565, 0x2567, 0x2543,          // ｬ ｭ ｮ ｯ
    0x213C,                                  // ｰ
    0x2522, 0x2524, 0x2526, 0x2528, 0x252A,  // ｱ ｲ ｳ ｴ ｵ
    0x252B, 0x252D, 0x252F, 0x2531, 0x2533,  // ｶ ｷ ｸ ｹ ｺ
    0x2535, 0x2537, 0x2539, 0x253B, 0x253D,  // ｻ ｼ ｽ ｾ ｿ
    0x253F, 0x2541, 0x2544, 0x2546, 0x2548,  // ﾀ ﾁ ﾂ ﾃ ﾄ
    0x254A, 0x254B, 0x254C, 0x254D, 0x254E,  // ﾅ ﾆ ﾇ ﾈ ﾉ
    0x254F, 0x2552, 0x2555, 0x2558, 0x255B,  // ﾊ ﾋ ﾌ ﾍ ﾎ
    0x255E, 0x255F, 0x2560, 0x2561, 0x2562,  // ﾏ ﾐ ﾑ ﾒ ﾓ
    0x2564, 0x2566, 0x2568,                  // ﾔ ﾕ ﾖ
    0x2569, 0x256A, 0x256B, 0x256C, 0x256D,  // ﾗ ﾘ ﾙ ﾚ ﾛ
    0x256F, 0x2573,                          // ﾜ ﾝ
    0x212B, 0x212C,                          // ﾞ ﾟ
};

constexpr unsigned char kFirstKana = 0xA1;
constexpr unsigned char kKanaU = 0xB3;
constexpr unsigned char kKanaKa = 0xB6;
constexpr unsigned char kKanaTo = 0xC4;
constexpr unsigned char kKanaHa = 0xCA;
constexpr unsigned char kKanaHo = 0xCE;
constexpr unsigned char kVoicedMark = 0xDE;
constexpr unsigned char kSemiVoicedMark = 0xDF;
constexpr std::uint16_t kJisVu = 0x2574;

enum class Merging { MergeMarks, Plain };

std::uint16_t KanaToJis(std::string_view text, std::size_t& offset, Merging merging) {
  const unsigned char byte = static_cast<unsigned char>(text[offset]);
  if (!IsHalfWidthKana(byte)) return 0;
  const std::uint16_t base = kFullWidthJis[byte - kFirstKana];
  ++offset;
  if (merging == Merging::Plain || offset >= text.size()) return base;
  const unsigned char mark = static_cast<unsigned char>(text[offset]);
  const bool voicable =
      (byte >= kKanaKa && byte <= kKanaTo) || (byte >= kKanaHa && byte <= kKanaHo);
  if (mark == kVoicedMark && voicable) {
    ++offset;
    return static_cast<std::uint16_t>(base + 1);
  }
  if (mark == kVoicedMark && byte == kKanaU) {
    ++offset;
    return kJisVu;
  }
  if (mark == kSemiVoicedMark && byte >= kKanaHa && byte <= kKanaHo) {
    ++offset;
    return static_cast<std::uint16_t>(base + 2);
  }
  return base;
}

std::string Widen(std::string_view text, Merging merging) {
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = CharLengthAt(text, i);
    if (length == 1 && IsHalfWidthKana(static_cast<unsigned char>(text[i]))) {
      const std::uint16_t jis = KanaToJis(text, i, merging);
      out += JisToSjisChar(static_cast<unsigned char>(jis >> 8),
                           static_cast<unsigned char>(jis & 0xFF));
      continue;
    }
    out.append(text, i, length);
    i += length;
  }
  return out;
}

}  // namespace

std::uint16_t HalfKanaToJis(std::string_view text, std::size_t& offset) {
  if (offset >= text.size()) return 0;
  return KanaToJis(text, offset, Merging::MergeMarks);
}

std::string HalfToFullKana(std::string_view text) {
  return Widen(text, Merging::MergeMarks);
}

std::string HalfToFullKanaPlain(std::string_view text) {
  return Widen(text, Merging::Plain);
}

}  // namespace pellucor

#include "text/CodePage932.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace pellucor {
namespace {

constexpr char32_t kNoCharacter = 0xFFFFFFFF;
constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr std::uint16_t kNoCode = 0xFFFF;
constexpr unsigned kFirstLead = 0x81;

// Lead bytes 0x81-0xFC, so that a double-byte code indexes (lead - 0x81) * 256 + trail.
constexpr std::size_t kLeadCount = 0xFC - kFirstLead + 1;

class Tables {
 public:
  Tables() {
    iconv_t decoder = iconv_open("UTF-32LE", "CP932");
    iconv_t encoder = iconv_open("CP932", "UTF-32LE");
    if (decoder == reinterpret_cast<iconv_t>(-1) || encoder == reinterpret_cast<iconv_t>(-1)) {
      if (decoder != reinterpret_cast<iconv_t>(-1)) iconv_close(decoder);
      if (encoder != reinterpret_cast<iconv_t>(-1)) iconv_close(encoder);
      return;
    }
    single_.fill(kNoCharacter);
    double_.assign(kLeadCount * 256, kNoCharacter);
    encode_.assign(0x10000, kNoCode);
    for (unsigned byte = 0; byte < 0x100; ++byte) {
      const char in[1] = {static_cast<char>(byte)};
      single_[byte] = DecodeOne(decoder, in, 1);
    }
    for (unsigned lead = kFirstLead; lead <= 0xFC; ++lead) {
      if (lead > 0x9F && lead < 0xE0) continue;
      for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
        const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        double_[(lead - kFirstLead) * 256 + trail] = DecodeOne(decoder, in, 2);
      }
    }
    for (char32_t codePoint = 0; codePoint < 0x10000; ++codePoint) {
      if (codePoint >= 0xD800 && codePoint <= 0xDFFF) continue;
      encode_[codePoint] = EncodeOne(encoder, codePoint);
    }
    iconv_close(decoder);
    iconv_close(encoder);
    available_ = true;
  }

  [[nodiscard]] bool available() const { return available_; }

  // The character of the Shift_JIS bytes at `offset`, and how many bytes it took.
  [[nodiscard]] char32_t Decode(std::string_view text, std::size_t offset,
                                std::size_t& length) const {
    const unsigned byte = static_cast<unsigned char>(text[offset]);
    const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    if (lead && offset + 1 < text.size()) {
      length = 2;
      return double_[(byte - kFirstLead) * 256 + static_cast<unsigned char>(text[offset + 1])];
    }
    length = 1;
    return single_[byte];
  }

  // Appends the Shift_JIS form of the character; false (and nothing appended) when it has none.
  bool Encode(char32_t codePoint, std::string& out) const {
    if (codePoint >= 0x10000) return false;
    const std::uint16_t code = encode_[codePoint];
    if (code == kNoCode) return false;
    if (code >= 0x100) out.push_back(static_cast<char>(code >> 8));
    out.push_back(static_cast<char>(code & 0xFF));
    return true;
  }

 private:
  static char32_t DecodeOne(iconv_t decoder, const char* bytes, std::size_t size) {
    char* in = const_cast<char*>(bytes);
    std::size_t inLeft = size;
    unsigned char out[8];
    char* outPointer = reinterpret_cast<char*>(out);
    std::size_t outLeft = sizeof out;
    iconv(decoder, nullptr, nullptr, nullptr, nullptr);
    if (iconv(decoder, &in, &inLeft, &outPointer, &outLeft) == static_cast<std::size_t>(-1) ||
        inLeft != 0 || sizeof out - outLeft != 4)
      return kNoCharacter;
    return static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
  }

  static std::uint16_t EncodeOne(iconv_t encoder, char32_t codePoint) {
    unsigned char bytes[4] = {static_cast<unsigned char>(codePoint & 0xFF),
                              static_cast<unsigned char>((codePoint >> 8) & 0xFF), 0, 0};
    char* in = reinterpret_cast<char*>(bytes);
    std::size_t inLeft = sizeof bytes;
    unsigned char out[8];
    char* outPointer = reinterpret_cast<char*>(out);
    std::size_t outLeft = sizeof out;
    iconv(encoder, nullptr, nullptr, nullptr, nullptr);
    if (iconv(encoder, &in, &inLeft, &outPointer, &outLeft) == static_cast<std::size_t>(-1) ||
        inLeft != 0)
      return kNoCode;
    const std::size_t written = sizeof out - outLeft;
    if (written == 1) return out[0];
    if (written == 2) return static_cast<std::uint16_t>(out[0] << 8 | out[1]);
    return kNoCode;
  }

  bool available_ = false;
  std::array<char32_t, 256> single_{};
  std::vector<char32_t> double_;
  std::vector<std::uint16_t> encode_;
};

const Tables& CodePage() {
  static const Tables tables;
  return tables;
}

struct Utf8Step {
  char32_t codePoint;
  std::size_t length;  // bytes taken; for a malformed sequence its longest valid start
  bool valid;
};

// One UTF-8 character as RFC 3629 allows it; a malformed sequence is reported with the length
// of its maximal valid prefix (at least one byte) so that decoding can resume after it.
Utf8Step DecodeUtf8At(std::string_view text, std::size_t offset) {
  const unsigned first = static_cast<unsigned char>(text[offset]);
  if (first < 0x80) return {first, 1, true};
  std::size_t needed;
  char32_t codePoint;
  unsigned low = 0x80;
  unsigned high = 0xBF;
  if (first >= 0xC2 && first <= 0xDF) {
    needed = 1;
    codePoint = first & 0x1F;
  } else if (first >= 0xE0 && first <= 0xEF) {
    needed = 2;
    codePoint = first & 0x0F;
    if (first == 0xE0) low = 0xA0;   // overlong
    if (first == 0xED) high = 0x9F;  // surrogates
  } else if (first >= 0xF0 && first <= 0xF4) {
    needed = 3;
    codePoint = first & 0x07;
    if (first == 0xF0) low = 0x90;   // overlong
    if (first == 0xF4) high = 0x8F;  // past U+10FFFF
  } else {
    return {kReplacementCharacter, 1, false};
  }
  for (std::size_t k = 1; k <= needed; ++k) {
    if (offset + k >= text.size()) return {kReplacementCharacter, k, false};
    const unsigned byte = static_cast<unsigned char>(text[offset + k]);
    if (byte < low || byte > high) return {kReplacementCharacter, k, false};
    low = 0x80;
    high = 0xBF;
    codePoint = codePoint << 6 | (byte & 0x3F);
  }
  return {codePoint, needed + 1, true};
}

void AppendUtf8(char32_t codePoint, std::string& out) {
  if (codePoint < 0x80) {
    out.push_back(static_cast<char>(codePoint));
  } else if (codePoint < 0x800) {
    out.push_back(static_cast<char>(0xC0 | codePoint >> 6));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  } else if (codePoint < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | codePoint >> 12));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | codePoint >> 18));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  }
}

enum class Malformed { Reject, Replace };
enum class Unmappable { Reject, Question };

std::optional<std::string> Utf8ToSjisWith(std::string_view text, Malformed malformed,
                                          Unmappable unmappable) {
  const Tables& tables = CodePage();
  if (!tables.available()) return std::nullopt;
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const unsigned byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80 && tables.Encode(byte, out)) {
      ++i;
      continue;
    }
    const Utf8Step step = DecodeUtf8At(text, i);
    if (!step.valid && malformed == Malformed::Reject) return std::nullopt;
    i += step.length;
    if (!tables.Encode(step.codePoint, out)) {
      if (unmappable == Unmappable::Reject) return std::nullopt;
      out.push_back('?');
    }
  }
  return out;
}

}  // namespace

std::string_view Utf8ConversionFailedMessage() {
  // "UTF8の文字列変換に失敗しました." in Shift_JIS; kept as bytes because it reports that the
  // code page itself could not be loaded.
  static constexpr char kMessage[] =
      "UTF8\x82\xcc\x95\xb6\x8e\x9a\x97\xf1\x95\xcf\x8a\xb7\x82\xc9\x8e\xb8\x94\x73\x82\xb5"
      "\x82\xdc\x82\xb5\x82\xbd.";
  return kMessage;
}

bool CodePage932Available() {
  return CodePage().available();
}

std::u32string Utf8ToWideText(std::string_view text) {
  std::u32string wide;
  wide.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const Utf8Step step = DecodeUtf8At(text, i);
    if (!step.valid) return {};
    wide.push_back(step.codePoint);
    i += step.length;
  }
  return wide;
}

std::string WideToSjis(std::u32string_view text) {
  const Tables& tables = CodePage();
  std::string out;
  out.reserve(text.size() * 2);
  for (const char32_t codePoint : text) {
    if (!tables.available() || !tables.Encode(codePoint, out)) out.push_back('?');
  }
  return out;
}

std::optional<std::string> WellFormedUtf8ToSjis(std::string_view text) {
  return Utf8ToSjisWith(text, Malformed::Reject, Unmappable::Question);
}

ConvertedText Utf8ToSjis(std::string_view text) {
  std::optional<std::string> converted =
      Utf8ToSjisWith(text, Malformed::Replace, Unmappable::Question);
  if (!converted) return {{}, std::string(Utf8ConversionFailedMessage())};
  return {std::move(*converted), {}};
}

std::string SjisToUtf8(std::string_view text) {
  const Tables& tables = CodePage();
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = 1;
    char32_t codePoint = tables.available() ? tables.Decode(text, i, length) : kNoCharacter;
    if (codePoint == kNoCharacter) codePoint = kReplacementCharacter;
    AppendUtf8(codePoint, out);
    i += length;
  }
  return out;
}

std::optional<std::string> SjisToUtf8Exact(std::string_view text) {
  const Tables& tables = CodePage();
  if (!tables.available()) return std::nullopt;
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = 1;
    const char32_t codePoint = tables.Decode(text, i, length);
    if (codePoint == kNoCharacter) return std::nullopt;
    AppendUtf8(codePoint, out);
    i += length;
  }
  return out;
}

std::optional<std::string> Utf8ToSjisExact(std::string_view text) {
  return Utf8ToSjisWith(text, Malformed::Reject, Unmappable::Reject);
}

std::string SjisFromUtf8Literal(std::string_view utf8) {
  return Utf8ToSjisWith(utf8, Malformed::Replace, Unmappable::Question).value_or(std::string());
}

}  // namespace pellucor

#include "text/CodePage932.h"

#include <iconv.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>

#include "text/ShiftJis.h"

namespace pellucor {
namespace {

constexpr char32_t kNoCharacter = 0xFFFFFFFF;
constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr unsigned kFirstLead = 0x81;

// Lead bytes 0x81-0xFC, so that a double-byte code indexes (lead - 0x81) * 256 + trail.
constexpr std::size_t kLeadCount = 0xFC - kFirstLead + 1;

// glibc's CP932 converter, asked once per character and remembered. Building whole tables up
// front would cost every process some 80,000 iconv calls; a page uses a few hundred characters.
// Entries are atomics holding value + 1, so 0 means "not asked yet" and readers on other
// threads (the file search walks names) never see half an entry; iconv itself is called under
// a mutex because a conversion descriptor is not thread-safe.
class Tables {
 public:
  Tables()
      : decoder_(iconv_open("UTF-32LE", "CP932")),
        encoder_(iconv_open("CP932", "UTF-32LE")),
        decodeSingle_(std::make_unique<std::atomic<std::uint32_t>[]>(256)),
        decodeDouble_(std::make_unique<std::atomic<std::uint32_t>[]>(kLeadCount * 256)),
        encode_(std::make_unique<std::atomic<std::uint32_t>[]>(0x10000)) {
    if (!available()) return;
    asciiIsIdentity_ = true;
    for (char32_t byte = 0; byte < 0x80; ++byte) {
      char bytes[2];
      const char single = static_cast<char>(byte);
      std::size_t length = 0;
      if (Encode(byte, bytes) != 1 || bytes[0] != single ||
          Decode(std::string_view(&single, 1), 0, length) != byte)
        asciiIsIdentity_ = false;
    }
  }

  ~Tables() {
    if (decoder_ != kNoDescriptor) iconv_close(decoder_);
    if (encoder_ != kNoDescriptor) iconv_close(encoder_);
  }

  Tables(const Tables&) = delete;
  Tables& operator=(const Tables&) = delete;

  [[nodiscard]] bool available() const {
    return decoder_ != kNoDescriptor && encoder_ != kNoDescriptor;
  }

  // True when bytes 0x00-0x7F are the same characters in both encodings, as they are in
  // glibc's CP932; the converters then copy ASCII runs without asking the tables.
  [[nodiscard]] bool asciiIsIdentity() const { return asciiIsIdentity_; }

  // The character of the Shift_JIS bytes at `offset` (kNoCharacter when they form none), and how
  // many bytes it took.
  [[nodiscard]] char32_t Decode(std::string_view text, std::size_t offset, std::size_t& length) {
    const unsigned byte = static_cast<unsigned char>(text[offset]);
    if (CharLengthAt(text, offset) == 2) {
      length = 2;
      const unsigned trail = static_cast<unsigned char>(text[offset + 1]);
      const char bytes[2] = {static_cast<char>(byte), static_cast<char>(trail)};
      return Remembered(decodeDouble_[(byte - kFirstLead) * 256 + trail],
                        [&] { return DecodeBytes(std::string_view(bytes, 2)); });
    }
    length = 1;
    const char single = static_cast<char>(byte);
    return Remembered(decodeSingle_[byte],
                      [&] { return DecodeBytes(std::string_view(&single, 1)); });
  }

  // Appends the Shift_JIS form of the character; false (and nothing appended) when it has none.
  bool Encode(char32_t codePoint, std::string& out) {
    char bytes[2];
    const std::size_t length = Encode(codePoint, bytes);
    out.append(bytes, length);
    return length != 0;
  }

  // Writes the Shift_JIS form of the character to `out` (room for two bytes) and returns its
  // length; 0 when it has none.
  std::size_t Encode(char32_t codePoint, char* out) {
    if (codePoint >= 0x10000) return 0;
    const std::uint32_t code =
        Remembered(encode_[codePoint], [&] { return EncodeCharacter(codePoint); });
    if (code == kNoCharacter) return 0;
    if (code >= 0x100) {
      out[0] = static_cast<char>(code >> 8);
      out[1] = static_cast<char>(code & 0xFF);
      return 2;
    }
    out[0] = static_cast<char>(code);
    return 1;
  }

 private:
  static inline const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);

  template <typename Ask>
  std::uint32_t Remembered(std::atomic<std::uint32_t>& entry, Ask ask) {
    std::uint32_t stored = entry.load(std::memory_order_relaxed);
    if (stored != 0) return stored - 1;
    const std::lock_guard<std::mutex> lock(mutex_);
    const std::uint32_t value = ask();
    entry.store(value + 1, std::memory_order_relaxed);
    return value;
  }

  std::uint32_t DecodeBytes(std::string_view bytes) {
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    unsigned char out[8];
    char* outPointer = reinterpret_cast<char*>(out);
    std::size_t outLeft = sizeof out;
    iconv(decoder_, nullptr, nullptr, nullptr, nullptr);
    if (iconv(decoder_, &in, &inLeft, &outPointer, &outLeft) == static_cast<std::size_t>(-1) ||
        inLeft != 0 || sizeof out - outLeft != 4)
      return kNoCharacter;
    return static_cast<std::uint32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
  }

  std::uint32_t EncodeCharacter(char32_t codePoint) {
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return kNoCharacter;
    unsigned char bytes[4] = {static_cast<unsigned char>(codePoint & 0xFF),
                              static_cast<unsigned char>((codePoint >> 8) & 0xFF), 0, 0};
    char* in = reinterpret_cast<char*>(bytes);
    std::size_t inLeft = sizeof bytes;
    unsigned char out[8];
    char* outPointer = reinterpret_cast<char*>(out);
    std::size_t outLeft = sizeof out;
    iconv(encoder_, nullptr, nullptr, nullptr, nullptr);
    if (iconv(encoder_, &in, &inLeft, &outPointer, &outLeft) == static_cast<std::size_t>(-1) ||
        inLeft != 0)
      return kNoCharacter;
    const std::size_t written = sizeof out - outLeft;
    if (written == 1) return out[0];
    if (written == 2) return static_cast<std::uint32_t>(out[0] << 8 | out[1]);
    return kNoCharacter;
  }

  std::mutex mutex_;
  bool asciiIsIdentity_ = false;
  iconv_t decoder_;
  iconv_t encoder_;
  std::unique_ptr<std::atomic<std::uint32_t>[]> decodeSingle_;
  std::unique_ptr<std::atomic<std::uint32_t>[]> decodeDouble_;
  std::unique_ptr<std::atomic<std::uint32_t>[]> encode_;
};

Tables& CodePage() {
  static Tables tables;
  return tables;
}

// Length of the run of bytes below 0x80 that starts at `offset`, eight bytes at a time.
std::size_t AsciiRunLength(std::string_view text, std::size_t offset) {
  std::size_t end = offset;
  while (end + 8 <= text.size()) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + end, 8);
    if (word & 0x8080808080808080ULL) break;
    end += 8;
  }
  while (end < text.size() && static_cast<unsigned char>(text[end]) < 0x80)
    ++end;
  return end - offset;
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
  Tables& tables = CodePage();
  if (!tables.available()) return std::nullopt;
  // No character takes more bytes in Shift_JIS than in UTF-8, and a malformed sequence of at
  // least one byte becomes one "?", so the output fits in the input's size.
  std::string out(text.size(), '\0');
  char* end = out.data();
  const bool copyAscii = tables.asciiIsIdentity();
  for (std::size_t i = 0; i < text.size();) {
    const unsigned byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80 && copyAscii) {
      const std::size_t run = AsciiRunLength(text, i);
      std::memcpy(end, text.data() + i, run);
      end += run;
      i += run;
      continue;
    }
    if (byte < 0x80) {
      const std::size_t length = tables.Encode(byte, end);
      if (length != 0) {
        end += length;
        ++i;
        continue;
      }
    }
    // The common case of Japanese text: a three-byte character without the range limits of
    // leads E0 and ED.
    if (byte >= 0xE1 && byte != 0xED && byte <= 0xEF && i + 2 < text.size()) {
      const unsigned second = static_cast<unsigned char>(text[i + 1]);
      const unsigned third = static_cast<unsigned char>(text[i + 2]);
      if ((second & 0xC0) == 0x80 && (third & 0xC0) == 0x80) {
        const char32_t codePoint = (byte & 0x0F) << 12 | (second & 0x3F) << 6 | (third & 0x3F);
        std::size_t length = tables.Encode(codePoint, end);
        if (length == 0) {
          if (unmappable == Unmappable::Reject) return std::nullopt;
          *end = '?';
          length = 1;
        }
        end += length;
        i += 3;
        continue;
      }
    }
    const Utf8Step step = DecodeUtf8At(text, i);
    if (!step.valid && malformed == Malformed::Reject) return std::nullopt;
    i += step.length;
    const std::size_t length = tables.Encode(step.codePoint, end);
    if (length == 0) {
      if (unmappable == Unmappable::Reject) return std::nullopt;
      *end++ = '?';
    }
    end += length;
  }
  out.resize(static_cast<std::size_t>(end - out.data()));
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

bool IsWellFormedUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    i += AsciiRunLength(text, i);
    if (i == text.size()) break;
    const Utf8Step step = DecodeUtf8At(text, i);
    if (!step.valid) return false;
    i += step.length;
  }
  return true;
}

std::string WideToSjis(std::u32string_view text) {
  Tables& tables = CodePage();
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
  Tables& tables = CodePage();
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

void ForEachSjisCharacter(
    std::string_view text,
    const std::function<void(std::size_t offset, std::size_t length, char32_t codePoint)>& visit) {
  Tables& tables = CodePage();
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = 1;
    char32_t codePoint = tables.available() ? tables.Decode(text, i, length) : kNoCharacter;
    if (codePoint == kNoCharacter) codePoint = kReplacementCharacter;
    visit(i, length, codePoint);
    i += length;
  }
}

std::optional<std::string> SjisToUtf8Exact(std::string_view text) {
  Tables& tables = CodePage();
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

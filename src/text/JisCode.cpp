#include "text/JisCode.h"

#include <cstdint>

#include "text/HalfWidthKana.h"
#include "text/ShiftJis.h"

namespace pellucor {
namespace {

constexpr char kEscape = '\x1B';
constexpr std::string_view kEnterTwoByte = "\x1B$B";
constexpr std::string_view kLeaveToAscii = "\x1B(B";
constexpr std::string_view kLeaveToRoman = "\x1B(J";

bool IsJisByte(unsigned byte) {
  return byte >= 0x21 && byte <= 0x7E;
}

// The shift arithmetic without range checks; bytes wrap as they would in 8-bit registers.
void AppendJisAsSjis(unsigned row, unsigned cell, std::string& out) {
  const unsigned lead = (row + 1) / 2 + (row <= 0x5E ? 0x70 : 0xB0);
  unsigned trail;
  if (row % 2 == 0) {
    trail = cell + 0x7E;
  } else {
    trail = cell < 0x60 ? cell + 0x1F : cell + 0x20;
  }
  out.push_back(static_cast<char>(lead & 0xFF));
  out.push_back(static_cast<char>(trail & 0xFF));
}

std::uint16_t SjisToJis(unsigned lead, unsigned trail) {
  unsigned row = ((lead <= 0x9F ? lead - 0x70 : lead - 0xB0) * 2) & 0xFF;
  unsigned cell;
  if (trail < 0x9F) {
    row = (row - 1) & 0xFF;
    cell = trail < 0x7F ? trail - 0x1F : trail - 0x20;
  } else {
    cell = trail - 0x7E;
  }
  return static_cast<std::uint16_t>(row << 8 | (cell & 0xFF));
}

void AppendJis(std::uint16_t jis, unsigned offset, std::string& out) {
  out.push_back(static_cast<char>(((jis >> 8) + offset) & 0xFF));
  out.push_back(static_cast<char>(((jis & 0xFF) + offset) & 0xFF));
}

unsigned char ByteAt(std::string_view text, std::size_t offset) {
  return static_cast<unsigned char>(text[offset]);
}

}  // namespace

std::string JisToSjisChar(unsigned char row, unsigned char cell) {
  if (!IsJisByte(row)) return {};
  std::string out;
  AppendJisAsSjis(row, cell, out);
  return out;
}

std::string SjisToJisChar(unsigned char lead, unsigned char trail) {
  if (!IsLeadByte(lead)) return {};
  std::string out;
  AppendJis(SjisToJis(lead, trail), 0, out);
  return out;
}

std::string JisTextToSjis(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool twoByte = false;
  for (std::size_t i = 0; i < text.size();) {
    const std::string_view rest = text.substr(i);
    if (rest.starts_with(kEnterTwoByte)) {
      twoByte = true;
      i += 3;
    } else if (rest.starts_with(kLeaveToAscii) || rest.starts_with(kLeaveToRoman)) {
      twoByte = false;
      i += 3;
    } else if (twoByte) {
      if (i + 1 >= text.size()) break;  // a single last byte vanishes
      if (IsJisByte(ByteAt(text, i))) AppendJisAsSjis(ByteAt(text, i), ByteAt(text, i + 1), out);
      i += 2;
    } else {
      out.push_back(text[i]);
      ++i;
    }
  }
  return out;
}

std::string JisTextToSjisSimple(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool twoByte = false;
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == kEscape) {
      if (i + 1 < text.size() && text[i + 1] == '$') twoByte = true;
      if (i + 1 < text.size() && text[i + 1] == '(') twoByte = false;
      i += 3;
    } else if (twoByte) {
      if (i + 1 >= text.size()) break;
      AppendJisAsSjis(ByteAt(text, i), ByteAt(text, i + 1), out);
      i += 2;
    } else {
      out.push_back(text[i]);
      ++i;
    }
  }
  return out;
}

std::string SjisToJisText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  bool twoByte = false;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char byte = ByteAt(text, i);
    if (byte >= 0x80) {
      if (!twoByte) {
        out += kEnterTwoByte;
        twoByte = true;
      }
      if (IsHalfWidthKana(byte)) {
        AppendJis(HalfKanaToJis(text, i), 0, out);
      } else {
        if (i + 1 >= text.size()) break;  // a lead byte without its partner
        AppendJis(SjisToJis(byte, ByteAt(text, i + 1)), 0, out);
        i += 2;
      }
      continue;
    }
    if (twoByte) {
      out += kLeaveToRoman;
      twoByte = false;
    }
    out.push_back(static_cast<char>(byte));
    ++i;
  }
  return out;
}

std::string EucToSjis(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char byte = ByteAt(text, i);
    if (byte >= 0xA1 && byte <= 0xFE) {
      if (i + 1 >= text.size()) break;  // a single last byte of a pair vanishes
      AppendJisAsSjis(byte - 0x80u, (ByteAt(text, i + 1) - 0x80u) & 0xFF, out);
      i += 2;
    } else if (byte == 0x8E && i + 1 < text.size() && IsHalfWidthKana(ByteAt(text, i + 1))) {
      out.push_back(text[i + 1]);
      i += 2;
    } else {
      out.push_back(static_cast<char>(byte));
      ++i;
    }
  }
  return out;
}

std::string SjisToEuc(std::string_view text, KanaWidening widening) {
  std::string widened;
  switch (widening) {
    case KanaWidening::WidenAndMerge:
      widened = HalfToFullKana(text);
      break;
    case KanaWidening::WidenPlain:
      widened = HalfToFullKanaPlain(text);
      break;
    case KanaWidening::Keep:
      widened = std::string(text);
      break;
  }
  // Character-aware: a lead byte takes its trail byte, whatever that byte is.
  std::string out;
  out.reserve(widened.size());
  for (std::size_t i = 0; i < widened.size();) {
    const unsigned char byte = ByteAt(widened, i);
    const std::size_t length = CharLengthAt(widened, i);
    if (length == 2) {
      AppendJis(SjisToJis(byte, ByteAt(widened, i + 1)), 0x80, out);
    } else if (IsHalfWidthKana(byte)) {
      out.push_back('\x8E');
      out.push_back(static_cast<char>(byte));
    } else {
      out.push_back(static_cast<char>(byte));
    }
    i += length;
  }
  return out;
}

std::string SjisToEucSimple(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char byte = ByteAt(text, i);
    if (IsHalfWidthKana(byte)) {
      out.push_back('\x8E');
      out.push_back(static_cast<char>(byte));
      ++i;
    } else if (byte >= 0x80) {
      if (i + 1 >= text.size()) break;  // a lead byte without its partner
      AppendJis(SjisToJis(byte, ByteAt(text, i + 1)), 0x80, out);
      i += 2;
    } else {
      out.push_back(static_cast<char>(byte));
      ++i;
    }
  }
  return out;
}

}  // namespace pellucor

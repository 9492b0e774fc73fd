#include "text/ShiftJis.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace pellucor {
namespace {

std::string MapSingleByteChars(std::string_view text, unsigned char (*map)(unsigned char)) {
  std::string result(text);
  for (std::size_t i = 0; i < result.size();) {
    const std::size_t length = CharLengthAt(result, i);
    if (length == 1) result[i] = static_cast<char>(map(static_cast<unsigned char>(result[i])));
    i += length;
  }
  return result;
}

unsigned char LowerAscii(unsigned char byte) {
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

unsigned char UpperAscii(unsigned char byte) {
  return FoldAscii(byte);
}

// A compiled pattern: its bytes folded where they are single-byte characters, so that a
// candidate is compared byte by byte and only single-byte ASCII letters ignore case.
class Matcher {
 public:
  Matcher(std::string_view pattern, CaseMode mode) : pattern_(pattern), fold_(pattern.size()) {
    if (mode == CaseMode::Exact) return;
    folded_.assign(pattern);
    for (std::size_t i = 0; i < pattern.size();) {
      const std::size_t length = CharLengthAt(pattern, i);
      if (length == 1) {
        fold_[i] = 1;
        folded_[i] = static_cast<char>(FoldAscii(static_cast<unsigned char>(pattern[i])));
      }
      i += length;
    }
    ignoreCase_ = true;
  }

  [[nodiscard]] bool MatchesAt(std::string_view text, std::size_t offset) const {
    if (text.size() - offset < pattern_.size()) return false;
    if (!ignoreCase_)
      return std::memcmp(text.data() + offset, pattern_.data(), pattern_.size()) == 0;
    for (std::size_t k = 0; k < folded_.size(); ++k) {
      unsigned char byte = static_cast<unsigned char>(text[offset + k]);
      if (fold_[k]) byte = FoldAscii(byte);
      if (byte != static_cast<unsigned char>(folded_[k])) return false;
    }
    return true;
  }

  // Cheap first-byte test that lets the scan skip most positions.
  [[nodiscard]] bool MayStartAt(unsigned char byte) const {
    const unsigned char first = static_cast<unsigned char>(ignoreCase_ ? folded_[0] : pattern_[0]);
    return (ignoreCase_ && fold_[0] ? FoldAscii(byte) : byte) == first;
  }

 private:
  std::string_view pattern_;
  std::string folded_;
  std::vector<unsigned char> fold_;
  bool ignoreCase_ = false;
};

}  // namespace

std::string UpperCaseText(std::string_view text) {
  return MapSingleByteChars(text, UpperAscii);
}

std::string LowerCaseText(std::string_view text) {
  return MapSingleByteChars(text, LowerAscii);
}

std::size_t FindText(std::string_view text, std::string_view pattern, std::size_t from,
                     CaseMode mode) {
  if (pattern.empty() || from >= text.size()) return std::string_view::npos;
  const Matcher matcher(pattern, mode);
  const std::size_t last = text.size() - std::min(text.size(), pattern.size() - 1);
  for (std::size_t i = from; i < last; i += CharLengthAt(text, i)) {
    if (matcher.MayStartAt(static_cast<unsigned char>(text[i])) && matcher.MatchesAt(text, i))
      return i;
  }
  return std::string_view::npos;
}

std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement, CaseMode mode) {
  if (pattern.empty()) return std::string(text);
  const Matcher matcher(pattern, mode);
  std::string result;
  result.reserve(text.size());
  std::size_t copiedUpTo = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (matcher.MayStartAt(static_cast<unsigned char>(text[i])) && matcher.MatchesAt(text, i)) {
      result.append(text, copiedUpTo, i - copiedUpTo);
      result.append(replacement);
      i += pattern.size();
      copiedUpTo = i;
    } else {
      i += CharLengthAt(text, i);
    }
  }
  result.append(text, copiedUpTo, std::string_view::npos);
  return result;
}

}  // namespace pellucor

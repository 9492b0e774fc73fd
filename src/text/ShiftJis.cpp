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

unsigned char UpperAscii(unsigned char byte) {
  return FoldAscii(byte);
}

// A compiled pattern: its bytes folded where they are single-byte characters, so that a
// candidate is compared byte by byte and only single-byte ASCII letters ignore case.
class Matcher {
 public:
  // Exact patterns are compared as they are: nothing is allocated for them, as the many short
  // searches of URL forms would pay for it on every call.
  Matcher(std::string_view pattern, CaseMode mode) : pattern_(pattern) {
    if (mode == CaseMode::Exact) return;
    fold_.assign(pattern.size(), 0);
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

 private:
  std::string_view pattern_;
  std::string folded_;
  std::vector<unsigned char> fold_;
  bool ignoreCase_ = false;
};

}  // namespace

bool EqualIgnoringAsciiCase(std::string_view left, std::string_view right) {
  if (left.size() != right.size()) return false;
  for (std::size_t i = 0; i < left.size(); ++i) {
    if (FoldAscii(static_cast<unsigned char>(left[i])) !=
        FoldAscii(static_cast<unsigned char>(right[i])))
      return false;
  }
  return true;
}

std::string LowerAsciiBytes(std::string_view text) {
  std::string lower(text);
  for (char& byte : lower)
    byte = static_cast<char>(LowerAscii(static_cast<unsigned char>(byte)));
  return lower;
}

std::string UpperCaseText(std::string_view text) {
  return MapSingleByteChars(text, UpperAscii);
}

std::string LowerCaseText(std::string_view text) {
  return MapSingleByteChars(text, LowerAscii);
}

namespace {

// How often a byte turns up in a page, roughly: blanks, quotes and the bytes of tags most, then
// letters and the rest of the text, then the rest.
int Commonness(unsigned char byte) {
  switch (byte) {
    case ' ':
      return 9;
    case '"':
    case '<':
    case '>':
    case '\r':
    case '\n':
      return 8;
    case '=':
    case '/':
    case '.':
      return 7;
    default:
      break;
  }
  if (byte >= 'a' && byte <= 'z') return 6;
  if (byte >= 0x80) return 5;
  if ((byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9')) return 4;
  return 2;
}

// The first match at or after `from` (a character start). A match may only begin at a character
// start; candidates are found by their first byte (with memchr where its case does not matter)
// and then checked, so the text is not walked character by character.
std::size_t FindWith(const Matcher& matcher, std::string_view text, std::string_view pattern,
                     std::size_t from, CaseMode mode) {
  if (from >= text.size() || text.size() - from < pattern.size()) return std::string_view::npos;
  const std::size_t last = text.size() - pattern.size();  // the last possible start
  const unsigned char first = static_cast<unsigned char>(pattern[0]);
  // Candidates are found by one byte of the pattern, the one least common in pages (the "=" of
  // " href=", rather than its blank): a byte that is frequent makes a check of nearly every
  // position. Without regard to case, a letter cannot be looked for by memchr; a pattern of
  // letters only is looked for by its first byte, folded.
  const bool ignoreCase = mode == CaseMode::IgnoreAsciiCase;
  std::size_t anchor = pattern.size();
  for (std::size_t k = 0; k < pattern.size(); ++k) {
    const unsigned char byte = static_cast<unsigned char>(pattern[k]);
    if (ignoreCase && IsAsciiLetter(byte)) continue;
    if (anchor == pattern.size() ||
        Commonness(byte) < Commonness(static_cast<unsigned char>(pattern[anchor])))
      anchor = k;
  }
  const bool foldFirst = anchor == pattern.size();
  if (foldFirst) anchor = 0;
  // A byte below 0x40 is never the second byte of a double-byte character, so a pattern that
  // starts with one needs no check of character starts at all.
  const bool alwaysCharStart = first < 0x40;
  std::size_t knownStart = from;
  for (std::size_t i = from; i <= last;) {
    if (!foldFirst) {
      const void* found = std::memchr(text.data() + i + anchor, pattern[anchor], last - i + 1);
      if (found == nullptr) return std::string_view::npos;
      i = static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) - anchor;
    } else {
      const unsigned char upper = FoldAscii(first);
      while (i <= last && FoldAscii(static_cast<unsigned char>(text[i])) != upper)
        ++i;
      if (i > last) return std::string_view::npos;
    }
    if (matcher.MatchesAt(text, i)) {
      if (alwaysCharStart) return i;
      // Checked candidates move the known character start along, so the checks between them
      // cover the text once in all.
      knownStart = CharStartFrom(text, knownStart, i);
      if (knownStart == i) return i;
    }
    ++i;
  }
  return std::string_view::npos;
}

}  // namespace

std::size_t CharStartFrom(std::string_view text, std::size_t knownStart, std::size_t offset) {
  // Only the run of possible lead bytes just before the offset decides: the byte before such a
  // run cannot begin a double-byte character, so the run starts on a character start, and
  // inside it every byte pairs with the next (a lead byte is also a possible second byte).
  // Japanese text breaks such runs every few bytes, where walking back to a byte below 0x40
  // crossed whole paragraphs of it for every candidate a search checked.
  std::size_t runStart = offset;
  while (runStart > knownStart && IsLeadByte(static_cast<unsigned char>(text[runStart - 1])))
    --runStart;
  if ((offset - runStart) % 2 == 0) return offset;
  // The run's last byte begins a character; it takes the byte at the offset if that can follow.
  return offset < text.size() && IsTrailByte(static_cast<unsigned char>(text[offset])) ? offset + 1
                                                                                       : offset;
}

std::size_t FindText(std::string_view text, std::string_view pattern, std::size_t from,
                     CaseMode mode) {
  if (pattern.empty()) return std::string_view::npos;
  return FindWith(Matcher(pattern, mode), text, pattern, from, mode);
}

bool ReplaceAllIn(std::string& text, std::string_view pattern, std::string_view replacement,
                  CaseMode mode) {
  return ReplaceAllFrom(text, 0, pattern, replacement, mode);
}

bool ReplaceAllFrom(std::string& text, std::size_t from, std::string_view pattern,
                    std::string_view replacement, CaseMode mode) {
  if (pattern.empty()) return false;
  const Matcher matcher(pattern, mode);
  // The search treats `from` as a character start, so the part from there on is matched as a
  // text of its own.
  std::size_t match = FindWith(matcher, text, pattern, from, mode);
  if (match == std::string_view::npos) return false;
  if (replacement.size() <= pattern.size()) {
    // What is written never passes what has been read, and the search reads only from the end
    // of the last match on, so the text can be rewritten where it stands.
    std::size_t written = match;
    std::size_t readFrom = match;
    while (match != std::string_view::npos) {
      std::memmove(text.data() + written, text.data() + readFrom, match - readFrom);
      written += match - readFrom;
      std::memcpy(text.data() + written, replacement.data(), replacement.size());
      written += replacement.size();
      readFrom = match + pattern.size();
      match = FindWith(matcher, text, pattern, readFrom, mode);
    }
    std::memmove(text.data() + written, text.data() + readFrom, text.size() - readFrom);
    text.resize(written + (text.size() - readFrom));
    return true;
  }
  std::string result;
  result.reserve(text.size() + (replacement.size() > pattern.size() ? text.size() / 8 : 0));
  std::size_t copiedUpTo = 0;
  while (match != std::string_view::npos) {
    result.append(text, copiedUpTo, match - copiedUpTo);
    result.append(replacement);
    copiedUpTo = match + pattern.size();
    match = FindWith(matcher, text, pattern, copiedUpTo, mode);
  }
  result.append(text, copiedUpTo, std::string_view::npos);
  text = std::move(result);
  return true;
}

std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement, CaseMode mode) {
  std::string result(text);
  ReplaceAllIn(result, pattern, replacement, mode);
  return result;
}

}  // namespace pellucor

#include "files/FileMasks.h"

#include "text/ShiftJis.h"

namespace pellucor {
namespace {

// The characters of `a` at `i` and `b` at `j` (both character starts) are the same character,
// ASCII letters without case.
bool SameCharAt(std::string_view a, std::size_t i, std::size_t length, std::string_view b,
                std::size_t j) {
  if (CharLengthAt(b, j) != length) return false;
  if (length == 1)
    return FoldAscii(static_cast<unsigned char>(a[i])) ==
           FoldAscii(static_cast<unsigned char>(b[j]));
  return a[i] == b[j] && a[i + 1] == b[j + 1];
}

// `a` and `b` hold the same characters, ASCII letters without case.
bool EqualWithoutCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size();) {
    const std::size_t length = CharLengthAt(a, i);
    if (!SameCharAt(a, i, length, b, i)) return false;
    i += length;
  }
  return true;
}

// Name part and extension of a name, split at its last "."; the extension keeps its ".".
struct NameParts {
  std::string_view name;
  std::string_view extension;
};

NameParts SplitExtension(std::string_view fileName) {
  const std::size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos) return {fileName, {}};
  return {fileName.substr(0, dot), fileName.substr(dot)};
}

// "*" matches any run of characters and "?" one character, with the usual backtracking to the
// last "*" seen.
bool Glob(std::string_view name, std::string_view mask) {
  constexpr std::size_t kNone = std::string_view::npos;
  std::size_t i = 0;
  std::size_t j = 0;
  std::size_t starName = kNone;
  std::size_t afterStar = kNone;
  while (i < name.size()) {
    if (j < mask.size() && mask[j] == '*') {
      afterStar = ++j;
      starName = i;
      continue;
    }
    if (j < mask.size()) {
      const std::size_t length = CharLengthAt(name, i);
      if (mask[j] == '?') {
        i += length;
        ++j;
        continue;
      }
      if (SameCharAt(name, i, length, mask, j)) {
        i += length;
        j += CharLengthAt(mask, j);
        continue;
      }
    }
    if (afterStar == kNone) return false;
    // The "*" takes one more character of the name and the rest is tried again.
    starName += CharLengthAt(name, starName);
    i = starName;
    j = afterStar;
  }
  while (j < mask.size() && mask[j] == '*')
    ++j;
  return j == mask.size();
}

}  // namespace

bool WildcardMatch(std::string_view name, std::string_view pattern) {
  std::size_t i = 0;
  for (std::size_t j = 0;;) {
    if (j == pattern.size()) return i == name.size();
    if (i == name.size())
      return pattern.substr(j).find_first_not_of("*?") == std::string_view::npos;
    if (pattern[j] == '*') {
      i = name.size();
      ++j;
      continue;
    }
    const std::size_t length = CharLengthAt(name, i);
    if (pattern[j] != '?' && !SameCharAt(name, i, length, pattern, j)) return false;
    i += length;
    j += pattern[j] == '?' ? 1 : CharLengthAt(pattern, j);
  }
}

bool MatchFileMask(std::string_view fileName, std::string_view mask) {
  const NameParts file = SplitExtension(fileName);
  const NameParts pattern = SplitExtension(mask);
  if (pattern.extension.empty()) return WildcardMatch(file.name, mask);
  const std::string_view extension = file.extension.empty() ? "." : file.extension;
  return WildcardMatch(extension, pattern.extension) && WildcardMatch(file.name, pattern.name);
}

bool MatchPathMask(std::string_view folder, std::string_view fileName, std::string_view mask) {
  const std::size_t slash = mask.rfind('/');
  if (slash != std::string_view::npos) {
    std::string_view folderPart = mask.substr(0, slash + 1);
    if (folderPart.size() >= 2 && folderPart[1] == ':' &&
        (IsAsciiLetter(folderPart[0]) || folderPart[0] == '*' || folderPart[0] == '?')) {
      // No folder of this system lies on a lettered drive; a wildcard drive stands for any.
      if (IsAsciiLetter(folderPart[0])) return false;
      folderPart.remove_prefix(2);
    }
    if (!folderPart.empty()) {
      if (folder.size() < folderPart.size()) return false;
      const std::size_t start = folder.size() - folderPart.size();
      if (CharStartFrom(folder, 0, start) != start) return false;
      if (!EqualWithoutCase(folder.substr(start), folderPart)) return false;
    }
  }
  const std::string_view namePart = slash == std::string_view::npos ? mask : mask.substr(slash + 1);
  return namePart.empty() || MatchFileMask(fileName, namePart);
}

bool MatchListingMask(std::string_view name, std::string_view mask) {
  if (Glob(name, mask)) return true;
  // A name without extension also answers to its mask with an empty extension.
  if (name.find('.') != std::string_view::npos) return false;
  if (mask.ends_with(".*")) return Glob(name, mask.substr(0, mask.size() - 2));
  return mask.ends_with('.') && Glob(name, mask.substr(0, mask.size() - 1));
}

}  // namespace pellucor

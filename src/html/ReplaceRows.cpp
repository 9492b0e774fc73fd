#include "html/ReplaceRows.h"

#include <algorithm>
#include <cstring>

namespace pellucor {
namespace {

std::size_t KeyOf(unsigned char first, unsigned char second) {
  return static_cast<std::size_t>(FoldAscii(first)) << 8 | FoldAscii(second);
}

}  // namespace

namespace {

bool MatchesHere(std::string_view text, std::size_t at, std::string_view pattern, CaseMode mode) {
  if (text.size() - at < pattern.size()) return false;
  for (std::size_t k = 0; k < pattern.size(); ++k) {
    unsigned char byte = static_cast<unsigned char>(text[at + k]);
    unsigned char wanted = static_cast<unsigned char>(pattern[k]);
    if (mode == CaseMode::IgnoreAsciiCase) {
      byte = FoldAscii(byte);
      wanted = FoldAscii(wanted);
    }
    if (byte != wanted) return false;
  }
  return true;
}

// Where a row that only starts a new line between a ">" and a "<" puts its line end: the index
// of that ">" in the pattern. Such a row's pattern holds exactly one "><", starts with a byte
// below 0x40 (so it always starts a character), has no upper-case letter, cannot overlap
// itself, and its replacement is the pattern with CR LF put between the two. npos for any other
// row.
std::size_t LineBreakAnchor(const ReplaceRow& row) {
  const std::string_view pattern = row.pattern;
  const std::size_t anchor = pattern.find("><");
  if (anchor == std::string_view::npos ||
      pattern.find("><", anchor + 1) != std::string_view::npos ||
      static_cast<unsigned char>(pattern[0]) >= 0x40 ||
      std::any_of(pattern.begin(), pattern.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
    return std::string_view::npos;
  const std::string expected =
      std::string(pattern.substr(0, anchor + 1)) + "\r\n" + std::string(pattern.substr(anchor + 1));
  if (row.replacement != expected) return std::string_view::npos;
  for (std::size_t shift = 1; shift < pattern.size(); ++shift) {
    if (MatchesHere(pattern, shift, pattern.substr(0, pattern.size() - shift),
                    CaseMode::IgnoreAsciiCase))
      return std::string_view::npos;
  }
  return anchor;
}

// A run of line-break rows applied in one walk. Their line ends only go between a ">" and a
// "<", which no row of the run matches across, so applied one after another they give the same
// text as this: at each "><", the first row of the run that matches around it puts its line end
// there, and the text it matched takes the row's letters, all lower-case.
void BreakAtAnchors(std::string& text, std::span<const ReplaceRow> rows,
                    std::span<const std::size_t> anchors, CaseMode mode) {
  std::string result;
  std::size_t copiedUpTo = 0;
  for (std::size_t p = 0; p + 1 < text.size(); ++p) {
    const void* found = std::memchr(text.data() + p, '>', text.size() - 1 - p);
    if (found == nullptr) break;
    p = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
    if (text[p + 1] != '<') continue;
    for (std::size_t k = 0; k < rows.size(); ++k) {
      if (p < anchors[k] || !MatchesHere(text, p - anchors[k], rows[k].pattern, mode)) continue;
      for (std::size_t b = p - anchors[k]; b < p - anchors[k] + rows[k].pattern.size(); ++b) {
        if (text[b] >= 'A' && text[b] <= 'Z') text[b] = static_cast<char>(text[b] - 'A' + 'a');
      }
      if (result.empty()) result.reserve(text.size() + text.size() / 8);
      result.append(text, copiedUpTo, p + 1 - copiedUpTo);
      result.append("\r\n");
      copiedUpTo = p + 1;
      break;
    }
  }
  if (copiedUpTo == 0) return;
  result.append(text, copiedUpTo, std::string::npos);
  text = std::move(result);
}

}  // namespace

void ApplyRows(std::string& text, std::span<const ReplaceRow> rows, CaseMode mode) {
  std::vector<std::size_t> anchors;
  for (std::size_t i = 0; i < rows.size();) {
    std::size_t end = i;
    anchors.clear();
    while (end < rows.size()) {
      const std::size_t anchor = LineBreakAnchor(rows[end]);
      if (anchor == std::string_view::npos) break;
      anchors.push_back(anchor);
      ++end;
    }
    if (end - i >= 2) {
      BreakAtAnchors(text, rows.subspan(i, end - i), anchors, mode);
      i = end;
      continue;
    }
    ReplaceAllIn(text, rows[i].pattern, rows[i].replacement, mode);
    ++i;
  }
}

LowerCasingRows::LowerCasingRows(std::span<const std::string_view> patterns) {
  std::vector<std::pair<std::size_t, std::uint16_t>> keyed;
  for (std::size_t row = 0; row < patterns.size(); ++row) {
    folded_.push_back(UpperCaseText(patterns[row]));
    keyed.emplace_back(KeyOf(static_cast<unsigned char>(folded_[row][0]),
                             static_cast<unsigned char>(folded_[row][1])),
                       static_cast<std::uint16_t>(row));
  }
  std::sort(keyed.begin(), keyed.end());
  firstRowOfKey_.assign((1 << 16) + 1, 0);
  for (const auto& [key, row] : keyed) {
    ++firstRowOfKey_[key + 1];
    rowsByKey_.push_back(row);
  }
  for (std::size_t key = 1; key < firstRowOfKey_.size(); ++key)
    firstRowOfKey_[key] += firstRowOfKey_[key - 1];
}

void LowerCasingRows::Apply(std::string& text) const {
  std::vector<std::size_t> nextAllowed(folded_.size(), 0);
  std::size_t knownStart = 0;  // a character start at or before the scan
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    const std::size_t key =
        KeyOf(static_cast<unsigned char>(text[i]), static_cast<unsigned char>(text[i + 1]));
    const std::uint32_t firstRow = firstRowOfKey_[key];
    const std::uint32_t endRow = firstRowOfKey_[key + 1];
    if (firstRow == endRow) continue;
    // Rows start with ASCII; one whose first byte is 0x40 or above may still stand on the
    // second byte of a double-byte character, which is no match.
    if (static_cast<unsigned char>(text[i]) >= 0x40) {
      knownStart = CharStartFrom(text, knownStart, i);
      if (knownStart != i) continue;
    }
    for (std::uint32_t k = firstRow; k < endRow; ++k) {
      const std::uint16_t row = rowsByKey_[k];
      const std::string& pattern = folded_[row];
      if (i < nextAllowed[row] || text.size() - i < pattern.size()) continue;
      bool matches = true;
      for (std::size_t b = 2; b < pattern.size() && matches; ++b)
        matches = FoldAscii(static_cast<unsigned char>(text[i + b])) ==
                  static_cast<unsigned char>(pattern[b]);
      if (!matches) continue;
      nextAllowed[row] = i + pattern.size();
      // An ASCII pattern matches single-byte characters only.
      for (std::size_t b = i; b < nextAllowed[row]; ++b) {
        if (text[b] >= 'A' && text[b] <= 'Z') text[b] = static_cast<char>(text[b] - 'A' + 'a');
      }
    }
  }
}

}  // namespace pellucor

#include "html/ManyRows.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace pellucor {
namespace {

constexpr std::uint64_t kHashBase = 0x100000001b3;
constexpr std::size_t kNoPattern = static_cast<std::size_t>(-1);

// A lead byte without its second byte joins whatever comes to stand after it, so a replacement
// next to it could change where the characters of the text begin.
bool HasLoneLeadByte(std::string_view text) {
  // Most patterns and replacements are addresses, all single bytes.
  if (std::all_of(text.begin(), text.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    return false;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = CharLengthAt(text, i);
    if (length == 1 && IsLeadByte(static_cast<unsigned char>(text[i]))) return true;
    i += length;
  }
  return false;
}

// The bytes as the row's matcher compares them: without regard to case, single-byte letters
// folded. A letter at a character start is always a character of its own.
void AppendFolded(std::string& out, std::vector<bool>& starts, std::string_view text,
                  CaseMode mode) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = CharLengthAt(text, i);
    const auto byte = static_cast<unsigned char>(text[i]);
    out.push_back(static_cast<char>(mode == CaseMode::IgnoreAsciiCase ? FoldAscii(byte) : byte));
    starts.push_back(true);
    if (length == 2) {
      out.push_back(text[i + 1]);
      starts.push_back(false);
    }
    i += length;
  }
}

std::uint64_t Key(std::uint64_t hash, std::size_t length) {
  return hash ^ (static_cast<std::uint64_t>(length) * 0x9e3779b97f4a7c15);
}

// A bitmap of the patterns' keys, which settles most positions before a look into the table:
// 64 bits or more for each pattern, so that few positions without a match get that far.
class KeyFilter {
 public:
  explicit KeyFilter(std::size_t patterns = 0) {
    while (bits_ < 26 && (std::size_t{1} << bits_) < 64 * patterns)
      ++bits_;
    words_.assign(std::size_t{1} << (bits_ - 6), 0);
  }
  void Add(std::uint64_t key) { words_[Bit(key) >> 6] |= std::uint64_t{1} << (Bit(key) & 63); }
  [[nodiscard]] bool MayHold(std::uint64_t key) const {
    return (words_[Bit(key) >> 6] >> (Bit(key) & 63)) & 1;
  }

 private:
  [[nodiscard]] std::size_t Bit(std::uint64_t key) const {
    return (key * 0xff51afd7ed558ccd) >> (64 - bits_);
  }
  int bits_ = 10;
  std::vector<std::uint64_t> words_;
};

// The patterns by key: open addressing over a table of twice their number or more, so that a
// look-up is a probe or two of one array.
class KeyTable {
 public:
  void Reset(std::size_t patterns) {
    std::size_t size = 16;
    while (size < 2 * patterns)
      size *= 2;
    slots_.assign(size, Slot{0, kEmpty});
  }
  void Add(std::uint64_t key, std::size_t id) {
    std::size_t at = Home(key);
    while (slots_[at].id != kEmpty)
      at = (at + 1) & (slots_.size() - 1);
    slots_[at] = Slot{key, id};
  }
  /// Calls `visit` with every id added under the key.
  template <typename Visit>
  void ForEach(std::uint64_t key, Visit visit) const {
    for (std::size_t at = Home(key); slots_[at].id != kEmpty; at = (at + 1) & (slots_.size() - 1)) {
      if (slots_[at].key == key) visit(slots_[at].id);
    }
  }

 private:
  static constexpr std::size_t kEmpty = static_cast<std::size_t>(-1);
  struct Slot {
    std::uint64_t key;
    std::size_t id;
  };
  [[nodiscard]] std::size_t Home(std::uint64_t key) const {
    return static_cast<std::size_t>((key * 0x9e3779b97f4a7c15) >> 20) & (slots_.size() - 1);
  }
  std::vector<Slot> slots_;
};

struct Pattern {
  std::string_view folded;          // in RowPlayer::folded_
  std::size_t lastRow;              // the last row that looks for it
  std::vector<std::size_t> starts;  // where it is in the text as given, in order
};

struct Edit {
  std::size_t end;  // the match took the text up to here
  std::size_t row;  // and was replaced by this row's replacement
};

class RowPlayer {
 public:
  RowPlayer(const std::string& text, std::span<const ReplaceRow> rows, CaseMode mode)
      : text_(text), rows_(rows), mode_(mode) {}

  // The rows played over the matches, the result put in `text` (which may be the text played
  // over); false when the rows must run one after another, with `text` untouched.
  bool Play(std::string& text) {
    if (!IndexPatterns()) return false;
    if (patterns_.empty()) return true;
    if (HasLoneLeadByte(text_)) return false;
    FindPatterns();
    edited_.assign(text_.size(), false);
    std::vector<std::size_t> made;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
      if (patternOfRow_[row] == kNoPattern) continue;
      const Pattern& pattern = patterns_[patternOfRow_[row]];
      const std::size_t length = pattern.folded.size();
      made.clear();
      // As a replace-all finds them: left to right, each from the end of the last on; matches
      // that overlap text an earlier row replaced are no longer there.
      std::size_t lastEnd = 0;
      for (const std::size_t start : pattern.starts) {
        if (start < lastEnd) continue;
        if (std::find(edited_.begin() + static_cast<std::ptrdiff_t>(start),
                      edited_.begin() + static_cast<std::ptrdiff_t>(start + length),
                      true) != edited_.begin() + static_cast<std::ptrdiff_t>(start + length))
          continue;
        std::fill_n(edited_.begin() + static_cast<std::ptrdiff_t>(start), length, true);
        edits_.emplace(start, Edit{start + length, row});
        lastEnd = start + length;
        made.push_back(start);
      }
      for (const std::size_t start : made) {
        if (LaterRowMatchesAround(start, row)) return false;
      }
    }
    if (edits_.empty()) return true;
    std::string result;
    result.reserve(text_.size());
    std::size_t copied = 0;
    for (const auto& [start, edit] : edits_) {
      result.append(text_, copied, start - copied);
      result.append(rows_[edit.row].replacement);
      copied = edit.end;
    }
    result.append(text_, copied, std::string::npos);
    text = std::move(result);
    return true;
  }

 private:
  bool IndexPatterns() {
    // The folded patterns are kept one after another in one text, whose room is taken at once
    // so that the views into it stay put; a pattern met again is found by its key.
    std::size_t room = 0;
    for (const ReplaceRow& r : rows_)
      room += r.pattern.size();
    folded_.reserve(room);
    filter_ = KeyFilter(rows_.size());
    byKey_.Reset(rows_.size());
    patternOfRow_.assign(rows_.size(), kNoPattern);
    for (std::size_t row = 0; row < rows_.size(); ++row) {
      const ReplaceRow& r = rows_[row];
      if (r.pattern.empty()) continue;  // a replace-all of nothing changes nothing
      if (HasLoneLeadByte(r.pattern) || HasLoneLeadByte(r.replacement)) return false;
      const std::size_t from = folded_.size();
      folded_.append(r.pattern);
      if (mode_ == CaseMode::IgnoreAsciiCase) {
        for (std::size_t i = 0; i < r.pattern.size(); i += CharLengthAt(r.pattern, i))
          folded_[from + i] =
              static_cast<char>(FoldAscii(static_cast<unsigned char>(r.pattern[i])));
      }
      std::uint64_t hash = 0;
      for (std::size_t i = from; i < folded_.size(); ++i)
        hash = hash * kHashBase + static_cast<unsigned char>(folded_[i]);
      const std::string_view folded(folded_.data() + from, r.pattern.size());
      const std::uint64_t key = Key(hash, folded.size());
      std::size_t id = kNoPattern;
      byKey_.ForEach(key, [&](std::size_t known) {
        if (id == kNoPattern && patterns_[known].folded == folded) id = known;
      });
      if (id == kNoPattern) {
        id = patterns_.size();
        patterns_.push_back({folded, row, {}});
        filter_.Add(key);
        byKey_.Add(key, id);
        if (std::find(lengths_.begin(), lengths_.end(), folded.size()) == lengths_.end())
          lengths_.push_back(folded.size());
      } else {
        folded_.resize(from);
      }
      patterns_[id].lastRow = row;
      patternOfRow_[row] = id;
      longest_ = std::max(longest_, r.pattern.size());
    }
    std::sort(lengths_.begin(), lengths_.end());
    if (patterns_.empty()) return true;
    // The beginnings of the patterns, as long as the shortest of them, by key.
    const std::size_t shortest = lengths_.front();
    beginnings_ = KeyFilter(patterns_.size());
    isLength_.assign(longest_ + 1, false);
    for (const std::size_t length : lengths_)
      isLength_[length] = true;
    for (const Pattern& pattern : patterns_) {
      firstBytes_[static_cast<unsigned char>(pattern.folded[0])] = true;
      std::uint64_t hash = 0;
      for (std::size_t i = 0; i < shortest; ++i)
        hash = hash * kHashBase + static_cast<unsigned char>(pattern.folded[i]);
      beginnings_.Add(Key(hash, shortest));
    }
    return true;
  }

  // Every match of every pattern in the text as given, at character starts. One rolling hash of
  // the shortest pattern's length finds the places where some pattern may begin (its first bytes
  // are among the patterns' beginnings); only there is the hash carried on to the longer lengths,
  // so the walk costs the same whatever the number of lengths.
  void FindPatterns() {
    starts_.assign(text_.size(), false);
    for (std::size_t i = 0; i < text_.size(); i += CharLengthAt(text_, i))
      starts_[i] = true;
    const bool fold = mode_ == CaseMode::IgnoreAsciiCase;
    const auto byteAt = [&](std::size_t i) -> std::uint64_t {
      const auto byte = static_cast<unsigned char>(text_[i]);
      return fold && starts_[i] ? FoldAscii(byte) : byte;
    };
    const std::size_t shortest = lengths_.front();
    if (shortest > text_.size()) return;
    std::uint64_t top = 1;  // the weight of the window's first byte
    for (std::size_t k = 1; k < shortest; ++k)
      top *= kHashBase;
    std::uint64_t hash = 0;
    for (std::size_t k = 0; k < shortest; ++k)
      hash = hash * kHashBase + byteAt(k);
    for (std::size_t start = 0;; ++start) {
      if (firstBytes_[byteAt(start)] && starts_[start] &&
          beginnings_.MayHold(Key(hash, shortest))) {
        std::uint64_t longer = hash;
        for (std::size_t length = shortest;; ++length) {
          if (isLength_[length]) VisitMatches(Key(longer, length), start, length, byteAt);
          if (length == longest_ || start + length >= text_.size()) break;
          longer = longer * kHashBase + byteAt(start + length);
        }
      }
      if (start + shortest >= text_.size()) break;
      hash = (hash - byteAt(start) * top) * kHashBase + byteAt(start + shortest);
    }
  }

  template <typename ByteAt>
  void VisitMatches(std::uint64_t key, std::size_t start, std::size_t length, ByteAt byteAt) {
    if (!filter_.MayHold(key)) return;
    byKey_.ForEach(key, [&](std::size_t id) {
      Pattern& pattern = patterns_[id];
      if (pattern.folded.size() != length) return;
      bool same = true;
      for (std::size_t k = 0; k < length && same; ++k)
        same = byteAt(start + k) == static_cast<unsigned char>(pattern.folded[k]);
      if (same) pattern.starts.push_back(start);
    });
  }

  // Whether a pattern that a row after `row` looks for now stands in the text over (or across)
  // the replacement written at the original offset `start`: the text around it, as the rows so
  // far left it, is put together and searched.
  bool LaterRowMatchesAround(std::size_t start, std::size_t row) {
    const auto self = edits_.find(start);
    const std::string_view written = rows_[row].replacement;
    // What stands before the replacement, piece by piece from the right.
    std::vector<std::pair<std::size_t, std::size_t>>& leftOriginal = leftOriginal_;
    std::vector<std::string_view>& leftPieces = leftPieces_;
    leftOriginal.clear();
    leftPieces.clear();
    std::size_t need = longest_ - 1;
    std::size_t cursor = start;
    auto it = self;
    while (need > 0 && cursor > 0) {
      const bool editBefore = it != edits_.begin() && std::prev(it)->second.end == cursor;
      if (editBefore) {
        --it;
        const std::string_view piece = rows_[it->second.row].replacement;
        leftPieces.push_back(piece);
        leftOriginal.emplace_back(0, 0);
        need -= std::min(need, piece.size());
        cursor = it->first;
        continue;
      }
      const std::size_t floor = it != edits_.begin() ? std::prev(it)->second.end : 0;
      std::size_t from = cursor - std::min(need, cursor - floor);
      while (from > floor && !starts_[from])
        --from;  // a character start, so the window's characters are known
      leftPieces.emplace_back();
      leftOriginal.emplace_back(from, cursor);
      need -= std::min(need, cursor - from);
      cursor = from;
      if (cursor > floor) break;
    }
    window_.clear();
    windowStarts_.clear();
    for (std::size_t k = leftPieces.size(); k-- > 0;) {
      if (leftOriginal[k].second > leftOriginal[k].first) {
        AppendOriginal(leftOriginal[k].first, leftOriginal[k].second);
      } else {
        AppendFolded(window_, windowStarts_, leftPieces[k], mode_);
      }
    }
    const std::size_t writtenFrom = window_.size();
    AppendFolded(window_, windowStarts_, written, mode_);
    const std::size_t writtenTo = window_.size();
    // And what stands after it.
    need = longest_ - 1;
    cursor = self->second.end;
    it = std::next(self);
    while (need > 0 && cursor < text_.size()) {
      if (it != edits_.end() && it->first == cursor) {
        const std::string_view piece = rows_[it->second.row].replacement;
        AppendFolded(window_, windowStarts_, piece, mode_);
        need -= std::min(need, piece.size());
        cursor = it->second.end;
        ++it;
        continue;
      }
      const std::size_t ceiling = it != edits_.end() ? it->first : text_.size();
      const std::size_t to = cursor + std::min(need, ceiling - cursor);
      AppendOriginal(cursor, to);
      need -= to - cursor;
      cursor = to;
    }

    // Matches that take in a byte of the replacement, or that span the place of an empty one.
    prefix_.assign(window_.size() + 1, 0);
    power_.assign(window_.size() + 1, 1);
    for (std::size_t k = 0; k < window_.size(); ++k) {
      prefix_[k + 1] = prefix_[k] * kHashBase + static_cast<unsigned char>(window_[k]);
      power_[k + 1] = power_[k] * kHashBase;
    }
    if (writtenTo == writtenFrom && writtenFrom == 0) return false;
    const std::size_t lastStart = writtenTo > writtenFrom ? writtenTo - 1 : writtenFrom - 1;
    const std::size_t shortest = lengths_.front();
    const auto hashOf = [&](std::size_t at, std::size_t length) {
      return Key(prefix_[at + length] - prefix_[at] * power_[length], length);
    };
    const std::size_t firstStart = writtenFrom + 1 > longest_ ? writtenFrom + 1 - longest_ : 0;
    for (std::size_t at = firstStart; at <= lastStart && at + shortest <= window_.size(); ++at) {
      if (!firstBytes_[static_cast<unsigned char>(window_[at])] || !windowStarts_[at] ||
          !beginnings_.MayHold(hashOf(at, shortest)))
        continue;
      for (const std::size_t length : lengths_) {
        if (at + length > window_.size()) break;
        if (at + length <= writtenFrom) continue;  // it must take in the replacement's place
        const std::uint64_t key = hashOf(at, length);
        if (!filter_.MayHold(key)) continue;
        bool found = false;
        byKey_.ForEach(key, [&](std::size_t id) {
          const Pattern& pattern = patterns_[id];
          found = found || (pattern.lastRow > row &&
                            std::string_view(window_).substr(at, length) == pattern.folded);
        });
        if (found) return true;
      }
    }
    return false;
  }

  // A span of the text as given, from a character start; without lone lead bytes its
  // characters are read alike in the span and in the text.
  void AppendOriginal(std::size_t from, std::size_t to) {
    AppendFolded(window_, windowStarts_, std::string_view(text_).substr(from, to - from), mode_);
  }

  const std::string& text_;
  std::span<const ReplaceRow> rows_;
  CaseMode mode_;
  std::string folded_;  // the patterns folded, one after another
  std::vector<Pattern> patterns_;
  std::vector<std::size_t> patternOfRow_;
  KeyTable byKey_;
  KeyFilter filter_;
  // Where a pattern may begin, cheapest test first: its first byte (a table that stays in the
  // cache, where the filters below are far larger), then its first bytes, as many as the
  // shortest pattern has.
  std::array<bool, 256> firstBytes_{};
  KeyFilter beginnings_;
  std::vector<std::size_t> lengths_;
  std::vector<bool> isLength_;  // by length: whether some pattern is that long
  std::size_t longest_ = 0;
  std::vector<bool> starts_;  // where the characters of the text as given begin
  std::vector<bool> edited_;  // the bytes of it that rows replaced
  std::map<std::size_t, Edit> edits_;
  // The text around a replacement, put together by LaterRowMatchesAround: the pieces left of
  // it from the right (a span of the text, or a replacement where the span is empty), then the
  // bytes, folded, and where their characters begin.
  std::vector<std::pair<std::size_t, std::size_t>> leftOriginal_;
  std::vector<std::string_view> leftPieces_;
  std::string window_;
  std::vector<bool> windowStarts_;
  std::vector<std::uint64_t> prefix_;
  std::vector<std::uint64_t> power_;
};

}  // namespace

RowsPlayed ApplyManyRows(std::string& text, std::span<const ReplaceRow> rows, CaseMode mode) {
  if (RowPlayer(text, rows, mode).Play(text)) return RowsPlayed::InOneWalk;
  ApplyRows(text, rows, mode);
  return RowsPlayed::OneAfterAnother;
}

}  // namespace pellucor

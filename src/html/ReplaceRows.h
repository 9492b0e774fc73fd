#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "text/ShiftJis.h"

// Whole-text passes written as tables of rows, each row a replace-all over the result of the
// rows before it.
namespace pellucor {

struct ReplaceRow {
  std::string_view pattern;
  std::string_view replacement;
};

/// Every row applied in order, each a replace-all over the text the previous row produced.
void ApplyRows(std::string& text, std::span<const ReplaceRow> rows,
               CaseMode mode = CaseMode::IgnoreAsciiCase);

/// A table of rows that each replace a pattern (matched without regard to ASCII case) by its
/// own lower-case form. Such rows never move a later row's matches, so their combined effect -
/// every byte inside some row's match lower-cased - is had in one walk over the text.
class LowerCasingRows {
 public:
  /// Patterns must be ASCII, at least two bytes long; the table is indexed once here.
  explicit LowerCasingRows(std::span<const std::string_view> patterns);

  /// The rows applied to the text, with each row's matches found left to right without overlap
  /// as a replace-all of its own would find them.
  void Apply(std::string& text) const;

 private:
  std::vector<std::string> folded_;           // the patterns upper-cased
  std::vector<std::uint32_t> firstRowOfKey_;  // rows by their first two folded bytes:
  std::vector<std::uint16_t> rowsByKey_;      // rowsByKey_[firstRowOfKey_[k] .. [k + 1])
};

}  // namespace pellucor

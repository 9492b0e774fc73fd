#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace pellucor {

/// The engine's working lists: texts kept sorted (byte order) and without duplicates, as a
/// sorted list box would keep them. Adding a text already present changes nothing. A page can
/// give such a list a text for every quoted value it holds, so adding costs a search of a tree
/// rather than moving the texts after the new one, which grew with the square of the page.
class SortedTextList {
 public:
  /// Adds the text unless present; returns whether it was added.
  bool Add(std::string_view text) {
    const auto at = items_.lower_bound(text);
    if (at != items_.end() && *at == text) return false;
    items_.emplace_hint(at, text);
    listed_.clear();
    return true;
  }
  [[nodiscard]] bool Contains(std::string_view text) const {
    return items_.find(text) != items_.end();
  }
  void Clear() {
    items_.clear();
    listed_.clear();
  }
  [[nodiscard]] bool empty() const { return items_.empty(); }
  [[nodiscard]] std::size_t size() const { return items_.size(); }
  /// The texts in order, as a list.
  [[nodiscard]] const std::vector<std::string>& items() const {
    if (listed_.size() != items_.size()) listed_.assign(items_.begin(), items_.end());
    return listed_;
  }
  [[nodiscard]] const std::string& operator[](std::size_t index) const { return items()[index]; }
  [[nodiscard]] auto begin() const { return items_.begin(); }
  [[nodiscard]] auto end() const { return items_.end(); }

 private:
  std::set<std::string, std::less<>> items_;
  mutable std::vector<std::string> listed_;  // items() made on demand
};

}  // namespace pellucor

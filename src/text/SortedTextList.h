#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace pellucor {

/// The engine's working lists: texts kept sorted (byte order) and without duplicates, as a
/// sorted list box would keep them. Adding a text already present changes nothing.
class SortedTextList {
 public:
  /// Adds the text unless present; returns whether it was added.
  bool Add(std::string_view text) {
    const auto at = std::lower_bound(items_.begin(), items_.end(), text);
    if (at != items_.end() && *at == text) return false;
    items_.insert(at, std::string(text));
    return true;
  }
  [[nodiscard]] bool Contains(std::string_view text) const {
    return std::binary_search(items_.begin(), items_.end(), text);
  }
  void Clear() { items_.clear(); }
  [[nodiscard]] bool empty() const { return items_.empty(); }
  [[nodiscard]] std::size_t size() const { return items_.size(); }
  [[nodiscard]] const std::string& operator[](std::size_t index) const { return items_[index]; }
  [[nodiscard]] const std::vector<std::string>& items() const { return items_; }
  [[nodiscard]] auto begin() const { return items_.begin(); }
  [[nodiscard]] auto end() const { return items_.end(); }

 private:
  std::vector<std::string> items_;
};

}  // namespace pellucor

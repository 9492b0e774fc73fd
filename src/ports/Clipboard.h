#pragma once

#include <string>
#include <string_view>

namespace pellucor {

/// The system clipboard, as Shift_JIS text.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void SetText(std::string_view text) = 0;
  /// The clipboard's text; empty when it holds none.
  [[nodiscard]] virtual std::string Text() const = 0;
};

}  // namespace pellucor

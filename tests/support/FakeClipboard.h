#pragma once

#include <string>
#include <vector>

#include "ports/Clipboard.h"

namespace pellucor::testing {

/// Keeps the clipboard's text and every text ever placed on it.
class FakeClipboard : public Clipboard {
 public:
  std::vector<std::string> history;

  void SetText(std::string_view text) override { history.emplace_back(text); }
  std::string Text() const override { return history.empty() ? std::string() : history.back(); }
};

}  // namespace pellucor::testing

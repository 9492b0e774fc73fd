#pragma once

#include <string>
#include <vector>

#include "support/FakeTextView.h"

namespace pellucor::testing {

/// A fake view that also keeps the colour and weight given to each range, in order.
class MarkingTextView : public FakeTextView {
 public:
  struct Mark {
    TextRange range;
    TextColor color;
    friend bool operator==(const Mark&, const Mark&) = default;
  };
  std::vector<Mark> colored;
  std::vector<TextRange> bold;
  std::vector<TextRange> regular;

  void SetRangeColor(TextRange range, TextColor color) override {
    FakeTextView::SetRangeColor(range, color);
    colored.push_back({range, color});
  }
  void SetRangeWeight(TextRange range, FontWeight weight) override {
    FakeTextView::SetRangeWeight(range, weight);
    (weight == FontWeight::Bold ? bold : regular).push_back(range);
  }
};

}  // namespace pellucor::testing

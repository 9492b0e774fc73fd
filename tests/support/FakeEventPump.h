#pragma once

#include <functional>
#include <vector>

#include "ports/EventPump.h"

namespace pellucor::testing {

/// Counts the pump points and records the busy cursor; `onPump` lets a test act at a pump point
/// (press a stop button, say) as a user would while the core waits.
class FakeEventPump : public EventPump {
 public:
  int pumps = 0;
  std::vector<BusyCursor> cursors;
  std::function<void()> onPump;

  void ProcessPendingEvents() override {
    ++pumps;
    if (onPump) onPump();
  }
  void SetBusyCursor(BusyCursor cursor) override { cursors.push_back(cursor); }
};

}  // namespace pellucor::testing

#pragma once

namespace pellucor {

enum class BusyCursor { Off, On };

/// The host's event loop, as the core sees it during long work.
class EventPump {
 public:
  virtual ~EventPump() = default;
  /// Lets pending events run (repaints, clicks on a stop button, browser events).
  virtual void ProcessPendingEvents() = 0;
  virtual void SetBusyCursor(BusyCursor cursor) = 0;
};

}  // namespace pellucor

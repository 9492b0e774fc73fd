#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace pellucor::testing {

/// Puts the process in a fixed time zone ("UTC0", "JST-9") for as long as it lives, so that the
/// local times a test computes or expects are known on any machine; then the zone it found,
/// or none, is back. Overrides may nest: each restores what it saw.
class TimeZone {
 public:
  explicit TimeZone(const char* zone) {
    if (const char* previous = std::getenv("TZ")) previous_ = previous;
    ::setenv("TZ", zone, 1);
    ::tzset();
  }
  ~TimeZone() {
    if (previous_) {
      ::setenv("TZ", previous_->c_str(), 1);
    } else {
      ::unsetenv("TZ");
    }
    ::tzset();
  }
  TimeZone(const TimeZone&) = delete;
  TimeZone& operator=(const TimeZone&) = delete;

 private:
  std::optional<std::string> previous_;
};

}  // namespace pellucor::testing

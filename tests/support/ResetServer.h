#pragma once

#include <atomic>
#include <string>
#include <string_view>
#include <thread>

namespace pellucor::testing {

/// A TCP server on 127.0.0.1 that answers every request with the start of a response and then
/// resets the connection (a close with no lingering sends RST), as a crashing server or a
/// middlebox does. The HTTP server of the other tests always closes cleanly.
class ResetServer {
 public:
  /// `firstBytes` of a body announced as `declaredLength` bytes are sent before the reset.
  ResetServer(std::string firstBytes, std::size_t declaredLength);
  ~ResetServer();
  ResetServer(const ResetServer&) = delete;
  ResetServer& operator=(const ResetServer&) = delete;

  /// "http://127.0.0.1:PORT" followed by `path`.
  [[nodiscard]] std::string Url(std::string_view path) const;
  [[nodiscard]] int Connections() const { return connections_; }

 private:
  void Serve();

  std::string response_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<int> connections_{0};
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

}  // namespace pellucor::testing

#pragma once

#include <memory>
#include <string>

namespace pellucor {

/// Serves the files of a folder over HTTP on 127.0.0.1 and a free port, in its own threads,
/// for as long as it lives: the bundled sample site of `download --demo`.
class DemoServer {
 public:
  /// Starts serving `folder` (a UTF-8 path); check `ok()`.
  explicit DemoServer(const std::string& folder);
  ~DemoServer();
  DemoServer(const DemoServer&) = delete;
  DemoServer& operator=(const DemoServer&) = delete;

  [[nodiscard]] bool ok() const;
  /// Why the server is not running, for the user: the server module that could not be loaded,
  /// or the folder and port; empty when ok().
  [[nodiscard]] const std::string& failure() const;
  /// "http://127.0.0.1:PORT" followed by `path`.
  [[nodiscard]] std::string Url(const std::string& path) const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace pellucor

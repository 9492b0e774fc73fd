#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pellucor::testing {

/// A real HTTP (or HTTPS) server on 127.0.0.1 and a free port, running in its own threads for
/// the life of the object. Tests give it fixture bytes and misbehaviours per path; it records
/// what was asked. Paths are matched after percent-decoding, as the server sees them.
class LoopbackServer {
 public:
  enum class Tls { Off, On };

  explicit LoopbackServer(Tls tls = Tls::Off);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  /// "http://127.0.0.1:PORT" (or https) followed by `path`.
  [[nodiscard]] std::string Url(std::string_view path) const;

  /// For Tls::On: the PEM file of the certificate made for this server, to be trusted.
  [[nodiscard]] const std::string& CertificateFile() const;

  void Serve(const std::string& path, std::string bytes, std::string contentType = "text/html",
             std::vector<std::pair<std::string, std::string>> headers = {});
  void Redirect(const std::string& path, std::string location, int status = 302);
  /// A 404 whose body is an HTML page, as most servers send.
  void NotFound(const std::string& path, std::string htmlBody);
  /// Sends `firstBytes` of a body announced as `declaredLength` bytes, then sends nothing more
  /// until the server is destroyed.
  void Hang(const std::string& path, std::string firstBytes, std::size_t declaredLength);
  /// A body announced as `declaredLength` bytes of which one byte is sent every `interval`,
  /// until the client goes away or the server is destroyed.
  void Drip(const std::string& path, std::size_t declaredLength,
            std::chrono::milliseconds interval);
  /// A chunked body without end, until the client goes away.
  void Endless(const std::string& path);
  /// Sends `firstBytes` of a body announced as `declaredLength` bytes, then closes the
  /// connection.
  void CutOff(const std::string& path, std::string firstBytes, std::size_t declaredLength);
  /// Every path beginning with `prefix` that has no fixture of its own: the body is made from
  /// the path when it is asked for.
  void Generate(const std::string& prefix, std::function<std::string(const std::string&)> body,
                std::string contentType = "text/html");

  [[nodiscard]] std::size_t RequestCount() const;
  /// Distinct client connections seen, told apart by their source ports.
  [[nodiscard]] std::size_t ConnectionCount() const;
  [[nodiscard]] std::vector<std::string> RequestedPaths() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace pellucor::testing

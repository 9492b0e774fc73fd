#include "support/LoopbackServer.h"

#include <httplib.h>

#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <thread>

namespace pellucor::testing {

namespace {

// A certificate for 127.0.0.1 made with the openssl command in a fresh folder.
std::string MakeCertificate(const std::string& folder) {
  const std::string command =
      "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1"
      " -addext subjectAltName=IP:127.0.0.1 -keyout '" +
      folder + "/key.pem' -out '" + folder + "/cert.pem' 2>/dev/null";
  return std::system(command.c_str()) == 0 ? folder + "/cert.pem" : std::string();
}

}  // namespace

struct LoopbackServer::State {
  using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;

  std::string scheme;
  std::string folder;
  std::string certificate;
  std::unique_ptr<httplib::Server> server;
  int port = 0;
  std::thread thread;

  mutable std::mutex mutex;
  std::map<std::string, Handler> routes;
  std::vector<std::pair<std::string, Handler>> prefixRoutes;
  std::vector<std::string> requested;
  std::set<int> clientPorts;
  // Hanging responses wait here until the server is destroyed.
  std::condition_variable released;
  bool stopping = false;

  void Dispatch(const httplib::Request& request, httplib::Response& response) {
    Handler handler;
    {
      const std::lock_guard<std::mutex> lock(mutex);
      requested.push_back(request.path);
      clientPorts.insert(request.remote_port);
      const auto route = routes.find(request.path);
      if (route != routes.end()) handler = route->second;
      for (const auto& [prefix, generator] : prefixRoutes) {
        if (!handler && request.path.starts_with(prefix)) handler = generator;
      }
    }
    if (handler) {
      handler(request, response);
    } else {
      response.status = 404;
      response.set_content("<html><body>no such fixture</body></html>", "text/html");
    }
  }
};

LoopbackServer::LoopbackServer(Tls tls) : state_(std::make_unique<State>()) {
  State& state = *state_;
  if (tls == Tls::On) {
    std::string pattern = (std::filesystem::temp_directory_path() / "pellucor-tls-XXXXXX").string();
    state.folder = ::mkdtemp(pattern.data()) ? pattern : std::string();
    state.certificate = MakeCertificate(state.folder);
    state.server = std::make_unique<httplib::SSLServer>(state.certificate.c_str(),
                                                        (state.folder + "/key.pem").c_str());
    state.scheme = "https";
  } else {
    state.server = std::make_unique<httplib::Server>();
    state.scheme = "http";
  }
  state.server->set_keep_alive_max_count(100000);
  // As real servers do: without it a response written in two parts waits for the delayed
  // acknowledgement of the first on a kept-alive connection.
  state.server->set_tcp_nodelay(true);
  state.server->new_task_queue = [] { return new httplib::ThreadPool(8); };
  const auto dispatch = [&state](const httplib::Request& request, httplib::Response& response) {
    state.Dispatch(request, response);
  };
  state.server->Get(".*", dispatch);
  state.port = state.server->bind_to_any_port("127.0.0.1");
  state.thread = std::thread([&state] { state.server->listen_after_bind(); });
  // A server stopped before its thread starts listening would never stop; the constructor
  // returns only once it listens (connections are accepted from the bind on anyway).
  while (state.port > 0 && !state.server->is_running())
    std::this_thread::yield();
}

LoopbackServer::~LoopbackServer() {
  {
    const std::lock_guard<std::mutex> lock(state_->mutex);
    state_->stopping = true;
  }
  state_->released.notify_all();
  state_->server->stop();
  state_->thread.join();
  if (!state_->folder.empty()) {
    std::error_code error;
    std::filesystem::remove_all(state_->folder, error);
  }
}

std::string LoopbackServer::Url(std::string_view path) const {
  return state_->scheme + "://127.0.0.1:" + std::to_string(state_->port) + std::string(path);
}

const std::string& LoopbackServer::CertificateFile() const {
  return state_->certificate;
}

void LoopbackServer::Serve(const std::string& path, std::string bytes, std::string contentType,
                           std::vector<std::pair<std::string, std::string>> headers) {
  const std::lock_guard<std::mutex> lock(state_->mutex);
  state_->routes[path] = [bytes = std::move(bytes), contentType = std::move(contentType),
                          headers = std::move(headers)](const httplib::Request&,
                                                        httplib::Response& response) {
    for (const auto& [name, value] : headers)
      response.set_header(name.c_str(), value);
    response.set_content(bytes, contentType.c_str());
  };
}

void LoopbackServer::Redirect(const std::string& path, std::string location, int status) {
  const std::lock_guard<std::mutex> lock(state_->mutex);
  state_->routes[path] = [location = std::move(location), status](const httplib::Request&,
                                                                  httplib::Response& response) {
    response.set_redirect(location, status);
  };
}

void LoopbackServer::NotFound(const std::string& path, std::string htmlBody) {
  const std::lock_guard<std::mutex> lock(state_->mutex);
  state_->routes[path] = [htmlBody = std::move(htmlBody)](const httplib::Request&,
                                                          httplib::Response& response) {
    response.status = 404;
    response.set_content(htmlBody, "text/html");
  };
}

void LoopbackServer::Hang(const std::string& path, std::string firstBytes,
                          std::size_t declaredLength) {
  State* state = state_.get();
  const std::lock_guard<std::mutex> lock(state->mutex);
  state->routes[path] = [state, firstBytes = std::move(firstBytes), declaredLength](
                            const httplib::Request&, httplib::Response& response) {
    response.set_content_provider(
        declaredLength, "text/html",
        [state, firstBytes](std::size_t offset, std::size_t, httplib::DataSink& sink) {
          if (offset == 0) return sink.write(firstBytes.data(), firstBytes.size());
          std::unique_lock<std::mutex> wait(state->mutex);
          state->released.wait(wait, [state] { return state->stopping; });
          return false;
        });
  };
}

void LoopbackServer::Endless(const std::string& path) {
  State* state = state_.get();
  const std::lock_guard<std::mutex> lock(state->mutex);
  state->routes[path] = [state](const httplib::Request&, httplib::Response& response) {
    response.set_chunked_content_provider("application/octet-stream",
                                          [state](std::size_t, httplib::DataSink& sink) {
                                            static const std::string chunk(64 * 1024, 'x');
                                            {
                                              const std::lock_guard<std::mutex> guard(state->mutex);
                                              if (state->stopping) return false;
                                            }
                                            return sink.write(chunk.data(), chunk.size());
                                          });
  };
}

void LoopbackServer::Drip(const std::string& path, std::size_t declaredLength,
                          std::chrono::milliseconds interval) {
  State* state = state_.get();
  const std::lock_guard<std::mutex> lock(state->mutex);
  state->routes[path] = [state, declaredLength, interval](const httplib::Request&,
                                                          httplib::Response& response) {
    response.set_content_provider(
        declaredLength, "text/html",
        [state, interval](std::size_t, std::size_t, httplib::DataSink& sink) {
          if (!sink.write("x", 1)) return false;
          std::unique_lock<std::mutex> wait(state->mutex);
          return !state->released.wait_for(wait, interval, [state] { return state->stopping; });
        });
  };
}

void LoopbackServer::CutOff(const std::string& path, std::string firstBytes,
                            std::size_t declaredLength) {
  const std::lock_guard<std::mutex> lock(state_->mutex);
  state_->routes[path] = [firstBytes = std::move(firstBytes), declaredLength](
                             const httplib::Request&, httplib::Response& response) {
    response.set_content_provider(
        declaredLength, "text/html",
        [firstBytes](std::size_t offset, std::size_t, httplib::DataSink& sink) {
          // Returning false makes the server drop the connection.
          return offset == 0 && sink.write(firstBytes.data(), firstBytes.size());
        });
  };
}

void LoopbackServer::Generate(const std::string& prefix,
                              std::function<std::string(const std::string&)> body,
                              std::string contentType) {
  const std::lock_guard<std::mutex> lock(state_->mutex);
  state_->prefixRoutes.emplace_back(
      prefix, [body = std::move(body), contentType = std::move(contentType)](
                  const httplib::Request& request, httplib::Response& response) {
        response.set_content(body(request.path), contentType.c_str());
      });
}

std::size_t LoopbackServer::RequestCount() const {
  const std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->requested.size();
}

std::size_t LoopbackServer::ConnectionCount() const {
  const std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->clientPorts.size();
}

std::vector<std::string> LoopbackServer::RequestedPaths() const {
  const std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->requested;
}

}  // namespace pellucor::testing

#include "demo/DemoServer.h"

#include <httplib.h>

#include <filesystem>
#include <thread>

namespace pellucor {

struct DemoServer::State {
  httplib::Server server;
  std::thread thread;
  int port = -1;
};

DemoServer::DemoServer(const std::string& folder) : state_(std::make_unique<State>()) {
  if (!std::filesystem::is_directory(folder)) return;
  // The sample pages are Shift_JIS; their declarations say so, and so do the headers.
  state_->server.set_file_extension_and_mimetype_mapping("html", "text/html; charset=Shift_JIS");
  state_->server.set_file_extension_and_mimetype_mapping("css", "text/css");
  if (!state_->server.set_mount_point("/", folder)) return;
  state_->server.set_tcp_nodelay(true);
  state_->port = state_->server.bind_to_any_port("127.0.0.1");
  if (state_->port <= 0) return;
  state_->thread = std::thread([this] { state_->server.listen_after_bind(); });
  // Stopped before it listens, the server would never stop; wait until it does.
  while (!state_->server.is_running())
    std::this_thread::yield();
}

DemoServer::~DemoServer() {
  if (state_->thread.joinable()) {
    state_->server.stop();
    state_->thread.join();
  }
}

bool DemoServer::ok() const {
  return state_->port > 0 && state_->thread.joinable();
}

std::string DemoServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(state_->port) + path;
}

}  // namespace pellucor

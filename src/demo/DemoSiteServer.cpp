// The sample site's HTTP server, built as a module that DemoServer loads when a demo starts:
// cpp-httplib brings TLS, compression and the C++ runtime as shared libraries, and loading them
// cost every start of the command-line tool some 9 ms, also of the commands that never serve
// anything. Only C types cross the module's edge, so the program and the module may each have
// their own C++ runtime.
#include <httplib.h>

#include <filesystem>
#include <thread>

namespace {

struct Server {
  httplib::Server server;
  std::thread thread;
  int port = -1;
};

}  // namespace

extern "C" {

/// Starts serving `folder` on 127.0.0.1 and a free port; returns the server (its port in
/// `port`), or nullptr when the folder is missing or no port could be bound.
__attribute__((visibility("default"))) void* pellucor_demo_site_start(const char* folder,
                                                                      int* port) {
  if (!std::filesystem::is_directory(folder)) return nullptr;
  auto server = std::make_unique<Server>();
  // The sample pages are Shift_JIS; their declarations say so, and so do the headers.
  server->server.set_file_extension_and_mimetype_mapping("html", "text/html; charset=Shift_JIS");
  server->server.set_file_extension_and_mimetype_mapping("css", "text/css");
  if (!server->server.set_mount_point("/", folder)) return nullptr;
  server->server.set_tcp_nodelay(true);
  server->port = server->server.bind_to_any_port("127.0.0.1");
  if (server->port <= 0) return nullptr;
  Server* running = server.get();
  server->thread = std::thread([running] { running->server.listen_after_bind(); });
  // Stopped before it listens, the server would never stop; wait until it does.
  while (!server->server.is_running())
    std::this_thread::yield();
  *port = server->port;
  return server.release();
}

/// Stops a server pellucor_demo_site_start returned and frees it.
__attribute__((visibility("default"))) void pellucor_demo_site_stop(void* handle) {
  std::unique_ptr<Server> server(static_cast<Server*>(handle));
  server->server.stop();
  server->thread.join();
}

}  // extern "C"

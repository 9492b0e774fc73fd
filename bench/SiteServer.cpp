// site_server FOLDER LATENCY_MS PORT_FILE: serves FOLDER on 127.0.0.1 and a free port, waiting
// LATENCY_MS before every answer (a far server's round trip), until SIGTERM or SIGINT. Writes the
// port to PORT_FILE when it is listening, and prints the number of requests served at the end.
#include <httplib.h>
#include <signal.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <thread>

namespace {
httplib::Server* running = nullptr;
void Stop(int) {
  if (running != nullptr) running->stop();
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: site_server FOLDER LATENCY_MS PORT_FILE\n";
    return 64;
  }
  const auto latency = std::chrono::milliseconds(std::atoi(argv[2]));
  std::atomic<long> requests{0};
  httplib::Server server;
  server.new_task_queue = [] { return new httplib::ThreadPool(32); };
  server.set_tcp_nodelay(true);
  server.set_keep_alive_max_count(100000);
  if (!server.set_mount_point("/", argv[1])) {
    std::cerr << "cannot serve " << argv[1] << "\n";
    return 2;
  }
  server.set_pre_routing_handler([&](const httplib::Request&, httplib::Response&) {
    ++requests;
    std::this_thread::sleep_for(latency);
    return httplib::Server::HandlerResponse::Unhandled;
  });
  const int port = server.bind_to_any_port("127.0.0.1");
  running = &server;
  signal(SIGTERM, Stop);
  signal(SIGINT, Stop);
  std::ofstream(argv[3]) << port << "\n";
  server.listen_after_bind();
  std::cout << requests.load() << "\n";
  return 0;
}

#include "support/ResetServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace pellucor::testing {

ResetServer::ResetServer(std::string firstBytes, std::size_t declaredLength)
    : response_("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                std::to_string(declaredLength) + "\r\n\r\n" + firstBytes) {
  listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      ::listen(listener_, 16) != 0 ||
      ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    return;
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

ResetServer::~ResetServer() {
  stopping_ = true;
  if (thread_.joinable()) thread_.join();
  if (listener_ >= 0) ::close(listener_);
}

std::string ResetServer::Url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

void ResetServer::Serve() {
  while (!stopping_) {
    pollfd waiting{listener_, POLLIN, 0};
    // Wakes up now and then to see whether the server is being destroyed.
    if (::poll(&waiting, 1, 20) <= 0) continue;
    const int client = ::accept(listener_, nullptr, nullptr);
    if (client < 0) continue;
    ++connections_;
    // Reads the request head (it fits one read on the loopback), then answers in part.
    char request[8192];
    (void)::recv(client, request, sizeof request, 0);
    (void)::send(client, response_.data(), response_.size(), MSG_NOSIGNAL);
    const linger reset{1, 0};
    ::setsockopt(client, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
    ::close(client);
  }
}

}  // namespace pellucor::testing

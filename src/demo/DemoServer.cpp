#include "demo/DemoServer.h"

#include <dlfcn.h>

namespace pellucor {

struct DemoServer::State {
  void* module = nullptr;
  void (*stop)(void*) = nullptr;
  void* server = nullptr;
  int port = -1;
  std::string failure;
};

DemoServer::DemoServer(const std::string& folder) : state_(std::make_unique<State>()) {
  // The server lives in a module of the build (see DemoSiteServer.cpp), found where the build
  // put it, as the sample site is.
  state_->module = dlopen(PELLUCOR_DEMO_MODULE, RTLD_NOW | RTLD_LOCAL);
  if (state_->module == nullptr) {
    const char* reason = dlerror();
    state_->failure = reason != nullptr ? reason
                                        : "the server module " PELLUCOR_DEMO_MODULE
                                          " could not be loaded";
    return;
  }
  using Start = void* (*)(const char*, int*);
  const auto start = reinterpret_cast<Start>(dlsym(state_->module, "pellucor_demo_site_start"));
  state_->stop =
      reinterpret_cast<void (*)(void*)>(dlsym(state_->module, "pellucor_demo_site_stop"));
  if (start == nullptr || state_->stop == nullptr) {
    state_->failure = "the server module " PELLUCOR_DEMO_MODULE " lacks its entry points";
    return;
  }
  state_->server = start(folder.c_str(), &state_->port);
  if (state_->server == nullptr)
    state_->failure = "no folder " + folder + ", or no free port on 127.0.0.1";
}

DemoServer::~DemoServer() {
  if (state_->server != nullptr) state_->stop(state_->server);
  // The module stays loaded: its runtime may still hold thread-local state of the stopped
  // server's thread, and the process ends soon after a demo.
}

bool DemoServer::ok() const {
  return state_->server != nullptr;
}

const std::string& DemoServer::failure() const {
  return state_->failure;
}

std::string DemoServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(state_->port) + path;
}

}  // namespace pellucor

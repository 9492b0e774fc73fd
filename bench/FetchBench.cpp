// Fetching 300 small files from a loopback server one after another, with the connection kept
// open between requests and with a new connection for every request.
#include <benchmark/benchmark.h>

#include "httpclient/HttpClient.h"
#include "support/LoopbackServer.h"

namespace {

using namespace pellucor;

constexpr int kFiles = 300;

testing::LoopbackServer& Server() {
  static testing::LoopbackServer* server = [] {
    auto* made = new testing::LoopbackServer();
    for (int i = 0; i < kFiles; ++i)
      made->Serve("/img/" + std::to_string(i) + ".gif", std::string(512 + i, 'g'), "image/gif");
    return made;
  }();
  return *server;
}

void FetchAll(benchmark::State& state, ConnectionReuse reuse) {
  testing::LoopbackServer& server = Server();
  std::vector<std::string> urls;
  for (int i = 0; i < kFiles; ++i)
    urls.push_back(server.Url("/img/" + std::to_string(i) + ".gif"));
  HttpClientOptions options;
  options.reuse = reuse;
  for (auto _ : state) {
    HttpClient client(options);
    for (const std::string& url : urls) {
      const HttpResponse response = client.Get(url);
      if (!response.ok() || response.status != 200) state.SkipWithError("a fetch failed");
      benchmark::DoNotOptimize(response.body.data());
    }
  }
  state.SetItemsProcessed(state.iterations() * kFiles);
}

void BM_Fetch300FilesReusingTheConnection(benchmark::State& state) {
  FetchAll(state, ConnectionReuse::Reuse);
}
BENCHMARK(BM_Fetch300FilesReusingTheConnection)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Fetch300FilesNewConnectionEach(benchmark::State& state) {
  FetchAll(state, ConnectionReuse::NewConnectionEachTime);
}
BENCHMARK(BM_Fetch300FilesNewConnectionEach)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();

// Syntax colouring of a generated 1 MiB Japanese page: HTML to coloured RTF (goal: at most
// 30 ms), and reading that RTF back into text and colour runs.
#include <benchmark/benchmark.h>

#include "SamplePage.h"
#include "syntax/HtmlRtf.h"
#include "syntax/RtfReader.h"

namespace {

using namespace pellucor;

constexpr std::size_t kPageSize = 1 << 20;

const std::string& SjisPage() {
  static const std::string page = bench::SampleSjisPage(kPageSize, "Shift_JIS");
  return page;
}

void BM_HtmlToRtf(benchmark::State& state) {
  for (auto _ : state) {
    std::string rtf = HtmlToRtf(SjisPage());
    benchmark::DoNotOptimize(rtf);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * SjisPage().size()));
}
BENCHMARK(BM_HtmlToRtf)->Unit(benchmark::kMillisecond);

void BM_ReadRtf(benchmark::State& state) {
  static const std::string rtf = HtmlToRtf(SjisPage());
  for (auto _ : state) {
    RtfText read = ReadRtf(rtf);
    benchmark::DoNotOptimize(read);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * rtf.size()));
}
BENCHMARK(BM_ReadRtf)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

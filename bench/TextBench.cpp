// Throughput of the whole-text passes and the formatter on a generated 1 MiB Japanese page.
#include <benchmark/benchmark.h>

#include "SamplePage.h"
#include "html/HtmlFormatter.h"
#include "text/CodePage932.h"
#include "text/HtmlCharset.h"
#include "text/JisCode.h"
#include "text/PercentCoding.h"
#include "text/TextSearch.h"
#include "text/TextTrim.h"

namespace {

using namespace pellucor;

constexpr std::size_t kPageSize = 1 << 20;

const std::string& SjisPage() {
  static const std::string page = bench::SampleSjisPage(kPageSize, "Shift_JIS");
  return page;
}

template <typename Pass>
void Measure(benchmark::State& state, const std::string& input, Pass pass) {
  for (auto _ : state) {
    std::string result = pass(input);
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
}

void BM_ReplaceAllTextIgnoringCase(benchmark::State& state) {
  // "<td" occurs in both cases, so every "<td" and "<TD" is replaced.
  Measure(state, SjisPage(),
          [](const std::string& page) { return ReplaceAllText(page, "<td", "<td nowrap"); });
}
BENCHMARK(BM_ReplaceAllTextIgnoringCase);

void BM_ConvertHtmlToSjisFromUtf8(benchmark::State& state) {
  static const std::string page = SjisToUtf8(bench::SampleSjisPage(kPageSize, "utf-8"));
  Measure(state, page, [](const std::string& text) {
    return ConvertHtmlToSjis(text, CharsetCode::Automatic).text;
  });
}
BENCHMARK(BM_ConvertHtmlToSjisFromUtf8);

void BM_ConvertHtmlToSjisFromEucJp(benchmark::State& state) {
  static const std::string page =
      SjisToEuc(bench::SampleSjisPage(kPageSize, "euc-jp"), KanaWidening::Keep);
  Measure(state, page, [](const std::string& text) {
    return ConvertHtmlToSjis(text, CharsetCode::Automatic).text;
  });
}
BENCHMARK(BM_ConvertHtmlToSjisFromEucJp);

void BM_PercentEncode(benchmark::State& state) {
  Measure(state, SjisPage(), [](const std::string& page) { return PercentEncode(page); });
}
BENCHMARK(BM_PercentEncode);

void BM_CollapseBlankLines(benchmark::State& state) {
  Measure(state, SjisPage(), [](const std::string& page) { return CollapseBlankLines(page); });
}
BENCHMARK(BM_CollapseBlankLines);

void BM_DeleteAllBetweenTags(benchmark::State& state) {
  Measure(state, SjisPage(),
          [](const std::string& page) { return DeleteAllBetween(page, "<A", "</A>"); });
}
BENCHMARK(BM_DeleteAllBetweenTags);

void BM_FormatHTMLSource(benchmark::State& state) {
  Measure(state, SjisPage(), [](const std::string& page) { return FormatHTMLSource(page); });
}
BENCHMARK(BM_FormatHTMLSource)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

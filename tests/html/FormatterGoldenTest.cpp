// Whole pages through the format pipeline (HTMLToShiftJIS, then FormatHTMLSource), compared byte
// for byte with the expected output beside each input in tests/fixtures/format. Run with
// PELLUCOR_REGENERATE_GOLDEN=1 to write the expected files anew (then read the diff!).
#include <gtest/gtest.h>

#include <filesystem>

#include "html/HtmlFormatter.h"
#include "html/SaveCharset.h"
#include "support/Golden.h"
#include "support/TempFolder.h"

namespace pellucor {
namespace {

namespace fs = std::filesystem;
using testing::ExpectedBeside;
using testing::ExpectMatchesGolden;
using testing::GoldenInputs;
using testing::ReadBytes;

TEST(FormatterGolden, PagesComeOutAsExpected) {
  const std::vector<fs::path> inputs =
      GoldenInputs(fs::path(PELLUCOR_FIXTURES) / "format", ".html");
  ASSERT_GE(inputs.size(), 6u);
  for (const fs::path& input : inputs) {
    SCOPED_TRACE(input.filename().string());
    const ConvertedText converted = HTMLToShiftJIS(ReadBytes(input.string()));
    ASSERT_TRUE(converted.ok());
    ASSERT_NO_FATAL_FAILURE(
        ExpectMatchesGolden(FormatHTMLSource(converted.text), ExpectedBeside(input, ".html")));
  }
}

}  // namespace
}  // namespace pellucor

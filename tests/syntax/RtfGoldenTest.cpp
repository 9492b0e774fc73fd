// Whole Shift_JIS pages through the HTML colourer, compared byte for byte with the RTF expected
// beside each input in tests/fixtures/syntax. Run with PELLUCOR_REGENERATE_GOLDEN=1 to write the
// expected files anew (then read the diff!).
#include <gtest/gtest.h>

#include <filesystem>

#include "support/Golden.h"
#include "support/TempFolder.h"
#include "syntax/HtmlRtf.h"
#include "syntax/RtfReader.h"

namespace pellucor {
namespace {

namespace fs = std::filesystem;
using testing::ExpectedBeside;
using testing::ExpectMatchesGolden;
using testing::GoldenInputs;
using testing::ReadBytes;

TEST(RtfGolden, PagesComeOutAsExpected) {
  const std::vector<fs::path> inputs =
      GoldenInputs(fs::path(PELLUCOR_FIXTURES) / "syntax", ".html");
  ASSERT_FALSE(inputs.empty());
  for (const fs::path& input : inputs) {
    SCOPED_TRACE(input.filename().string());
    const std::string page = ReadBytes(input.string());
    const std::string rtf = HtmlToRtf(page);
    ASSERT_NO_FATAL_FAILURE(ExpectMatchesGolden(rtf, ExpectedBeside(input, ".rtf")));
    EXPECT_EQ(ReadRtf(rtf).text, page);
  }
}

}  // namespace
}  // namespace pellucor

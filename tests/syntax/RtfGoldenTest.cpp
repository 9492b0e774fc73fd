// Whole Shift_JIS pages through the HTML colourer, compared byte for byte with the RTF expected
// beside each input in tests/syntax/fixtures. Run with PELLUCOR_REGENERATE_GOLDEN=1 to write the
// expected files anew (then read the diff!).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "support/TempFolder.h"
#include "syntax/HtmlRtf.h"
#include "syntax/RtfReader.h"

namespace pellucor {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

std::vector<fs::path> Inputs() {
  std::vector<fs::path> inputs;
  for (const auto& entry : fs::directory_iterator(PELLUCOR_SYNTAX_FIXTURES)) {
    if (entry.path().extension() == ".html") inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

TEST(RtfGolden, PagesComeOutAsExpected) {
  const bool regenerate = std::getenv("PELLUCOR_REGENERATE_GOLDEN") != nullptr;
  const std::vector<fs::path> inputs = Inputs();
  ASSERT_FALSE(inputs.empty());
  for (const fs::path& input : inputs) {
    SCOPED_TRACE(input.filename().string());
    const std::string page = ReadBytes(input.string());
    const std::string rtf = HtmlToRtf(page);
    fs::path expected = input;
    expected.replace_extension(".expected.rtf");
    if (regenerate) WriteBytes(expected.string(), rtf);
    ASSERT_TRUE(fs::exists(expected)) << "no expected output; regenerate and review it";
    EXPECT_EQ(rtf, ReadBytes(expected.string()));
    EXPECT_EQ(ReadRtf(rtf).text, page);
  }
}

}  // namespace
}  // namespace pellucor

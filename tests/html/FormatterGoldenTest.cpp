// Whole pages through the format pipeline (HTMLToShiftJIS, then FormatHTMLSource), compared byte
// for byte with the expected output beside each input in tests/fixtures/format. Run with
// PELLUCOR_REGENERATE_GOLDEN=1 to write the expected files anew (then read the diff!).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "html/HtmlFormatter.h"
#include "html/SaveCharset.h"
#include "support/TempFolder.h"

namespace pellucor {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

constexpr std::string_view kExpectedSuffix = ".expected.html";

std::vector<fs::path> Inputs() {
  std::vector<fs::path> inputs;
  for (const auto& entry : fs::directory_iterator(fs::path(PELLUCOR_FIXTURES) / "format")) {
    const std::string name = entry.path().filename().string();
    if (name.ends_with(".html") && !name.ends_with(kExpectedSuffix)) inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

TEST(FormatterGolden, PagesComeOutAsExpected) {
  const bool regenerate = std::getenv("PELLUCOR_REGENERATE_GOLDEN") != nullptr;
  const std::vector<fs::path> inputs = Inputs();
  ASSERT_GE(inputs.size(), 6u);
  for (const fs::path& input : inputs) {
    SCOPED_TRACE(input.filename().string());
    const ConvertedText converted = HTMLToShiftJIS(ReadBytes(input.string()));
    ASSERT_TRUE(converted.ok());
    const std::string formatted = FormatHTMLSource(converted.text);
    fs::path expected = input;
    expected.replace_extension();
    expected += kExpectedSuffix;
    if (regenerate) WriteBytes(expected.string(), formatted);
    ASSERT_TRUE(fs::exists(expected)) << "no expected output; regenerate and review it";
    EXPECT_EQ(formatted, ReadBytes(expected.string()));
  }
}

}  // namespace
}  // namespace pellucor

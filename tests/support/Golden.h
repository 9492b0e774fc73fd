#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/TempFolder.h"

namespace pellucor::testing {

/// The inputs of a golden test: the files in `folder` whose names end in `extension`, less the
/// expected outputs kept beside them ("*.expected.*"), in name order so that runs compare alike.
inline std::vector<std::filesystem::path> GoldenInputs(const std::filesystem::path& folder,
                                                       std::string_view extension) {
  std::vector<std::filesystem::path> inputs;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.ends_with(extension) && name.find(".expected.") == std::string::npos)
      inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

/// Where the expected output of an input is kept: "page.html" has "page.expected.rtf" beside it
/// for the extension ".rtf".
inline std::filesystem::path ExpectedBeside(const std::filesystem::path& input,
                                            std::string_view extension) {
  std::filesystem::path expected = input;
  expected.replace_extension();
  expected += ".expected";
  expected += extension;
  return expected;
}

/// Compares `actual` byte for byte with the checked-in file at `expectedPath`. With
/// PELLUCOR_REGENERATE_GOLDEN set, the file is written from `actual` first, so that an intended
/// change of output is one run away; the diff is then for the developer to read before
/// committing. A missing file is a fatal failure: wrap the call in ASSERT_NO_FATAL_FAILURE
/// where the test cannot go on without it.
inline void ExpectMatchesGolden(const std::string& actual,
                                const std::filesystem::path& expectedPath) {
  if (std::getenv("PELLUCOR_REGENERATE_GOLDEN") != nullptr)
    WriteBytes(expectedPath.string(), actual);
  ASSERT_TRUE(std::filesystem::exists(expectedPath))
      << expectedPath.string() << ": no expected output; regenerate and review it";
  EXPECT_EQ(actual, ReadBytes(expectedPath.string()));
}

}  // namespace pellucor::testing

#include "files/FoundFileText.h"

#include <gtest/gtest.h>

#include "files/TimeBounds.h"
#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Sjis;

TEST(FoundFileText, SizesRoundUpToWholeKilobytes) {
  struct Case {
    const char* name;
    std::uint64_t size;
    bool folder;
    std::string text;
  } cases[] = {
      {"empty file", 0, false, "0KB"},
      {"one byte", 1, false, "1KB"},
      {"exactly one kilobyte", 1024, false, "1KB"},
      {"one byte more", 1025, false, "2KB"},
      {"3000 bytes", 3000, false, "3KB"},
      {"past 4 GiB the whole size counts", (5ULL << 30) + 1, false, "5242881KB"},
      {"a folder", 4096, true, "Folder"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TFileInfo entry;
    entry.Size = c.size;
    if (c.folder) entry.Attr.Include(TFileAttribute::ffDirectory);
    EXPECT_EQ(FoundFileSizeText(entry), c.text);
  }
}

TEST(FoundFileText, TimeAndSummaries) {
  EXPECT_EQ(FoundFileTimeText(EncodeDateTime(2009, 7, 4, 8, 5, 9)), "2009/07/04 08:05:09");
  EXPECT_EQ(
      FileSearchSummary(12, 3, 0.25),
      Sjis(" 【 12 】個のフォルダーを検索し、【 3 】個のファイルを検出しました - ［ 0.250 ］秒"));
  EXPECT_EQ(FileSearchAbortedText(), Sjis("  実行は中止されました - "));
}

}  // namespace
}  // namespace pellucor

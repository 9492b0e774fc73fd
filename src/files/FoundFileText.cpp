#include "files/FoundFileText.h"

#include <cstdio>

#include "files/TimeBounds.h"
#include "text/CodePage932.h"

namespace pellucor {

std::string FoundFileSizeText(const TFileInfo& entry) {
  if (entry.Attr.Contains(TFileAttribute::ffDirectory)) return "Folder";
  return std::to_string(entry.Size / 1024 + (entry.Size % 1024 != 0 ? 1 : 0)) + "KB";
}

std::string FoundFileTimeText(TDateTime time) {
  const TDateTimeParts parts = DecodeDateTime(time);
  char text[40];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", parts.year, parts.month,
                parts.day, parts.hour, parts.minute, parts.second);
  return text;
}

std::string FileSearchSummary(std::size_t folderCount, std::size_t fileCount, double seconds) {
  char numbers[3][32];
  std::snprintf(numbers[0], sizeof numbers[0], "%zu", folderCount);
  std::snprintf(numbers[1], sizeof numbers[1], "%zu", fileCount);
  std::snprintf(numbers[2], sizeof numbers[2], "%.3f", seconds);
  return SjisFromUtf8Literal(" 【 ") + numbers[0] +
         SjisFromUtf8Literal(" 】個のフォルダーを検索し、【 ") + numbers[1] +
         SjisFromUtf8Literal(" 】個のファイルを検出しました - ［ ") + numbers[2] +
         SjisFromUtf8Literal(" ］秒");
}

std::string FileSearchAbortedText() {
  return SjisFromUtf8Literal("  実行は中止されました - ");
}

}  // namespace pellucor

#include "files/FoundFileText.h"

#include <cstdio>
#include "files/FileSearchMessages.h"

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
  namespace messages = file_search_messages;
  return SjisFromUtf8Literal(messages::kSummaryFolders) + numbers[0] +
         SjisFromUtf8Literal(messages::kSummaryFiles) + numbers[1] +
         SjisFromUtf8Literal(messages::kSummarySeconds) + numbers[2] +
         SjisFromUtf8Literal(messages::kSummaryEnd);
}

std::string FileSearchAbortedText() {
  return SjisFromUtf8Literal(file_search_messages::kAborted);
}

}  // namespace pellucor

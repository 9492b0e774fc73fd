#pragma once

#include <cstddef>
#include <string>

#include "files/FileInfo.h"

// The texts a file search shows: the size and time columns of a found file and the summary of
// a search. All are Shift_JIS texts.
namespace pellucor {

/// "Folder" for a folder entry; otherwise the size in kilobytes, a remainder counting as a whole
/// kilobyte, followed by "KB": "0KB" for an empty file, "1KB" for 1 to 1024 bytes. The whole
/// size counts, so a file of 5 GiB shows "5242880KB".
[[nodiscard]] std::string FoundFileSizeText(const TFileInfo& entry);

/// A local date-time as "yyyy/mm/dd hh:mm:ss".
[[nodiscard]] std::string FoundFileTimeText(TDateTime time);

/// " 【 folders 】個のフォルダーを検索し、【 files 】個のファイルを検出しました - ［ s.sss ］秒".
[[nodiscard]] std::string FileSearchSummary(std::size_t folderCount, std::size_t fileCount,
                                            double seconds);

/// The summary of an aborted search, "  実行は中止されました - ".
[[nodiscard]] std::string FileSearchAbortedText();

}  // namespace pellucor

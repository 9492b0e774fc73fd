#pragma once

#include <string_view>

// The file search's texts, as the user reads them. Written here in UTF-8 and turned into
// Shift_JIS where they are shown (SjisFromUtf8Literal).
namespace pellucor::file_search_messages {

// The summary line: the folder count, the file count and the seconds go between the pieces.
inline constexpr std::string_view kSummaryFolders = " 【 ";
inline constexpr std::string_view kSummaryFiles = " 】個のフォルダーを検索し、【 ";
inline constexpr std::string_view kSummarySeconds = " 】個のファイルを検出しました - ［ ";
inline constexpr std::string_view kSummaryEnd = " ］秒";
inline constexpr std::string_view kAborted = "  実行は中止されました - ";

}  // namespace pellucor::file_search_messages

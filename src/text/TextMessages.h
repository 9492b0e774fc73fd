#pragma once

#include <string_view>

// The text and file helpers' messages, as the user reads them. Written here in UTF-8 and turned
// into Shift_JIS where they are shown (SjisFromUtf8Literal).
namespace pellucor::text_messages {

// A file that exists but cannot be read; its path and the system's reason follow.
inline constexpr std::string_view kCannotRead = "ファイルを読めません: ";

}  // namespace pellucor::text_messages

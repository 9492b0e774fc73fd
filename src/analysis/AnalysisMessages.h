#pragma once

#include <string_view>

// The local page analysis' texts, as the user reads them. Written here in UTF-8 and turned into
// Shift_JIS where they are shown (SjisFromUtf8Literal).
namespace pellucor::analysis_messages {

// The status panel after a jump to a hit: the line and the column go between the pieces.
inline constexpr std::string_view kStatusLine = " 行[  ";
inline constexpr std::string_view kStatusColumn = " ]    列[ ";

}  // namespace pellucor::analysis_messages

#pragma once

#include <string_view>

// The Flash player tab's dialog filters, as the user reads them (UTF-8; turned into Shift_JIS
// where they are used).
namespace pellucor::flash_messages {

inline constexpr std::string_view kMovieFilter =
    "Flashﾌｧｲﾙ（ *.swf ）|*.swf|すべてのﾌｧｲﾙ（ *.* ）|*.*";

// The tab's status text after the first movie.
inline constexpr std::string_view kCannotPlay =
    "Flash ムービーはこのブラウザーでは再生できません（Flash プラグインがありません）。"
    "生成したページはそのまま表示しています。";

}  // namespace pellucor::flash_messages

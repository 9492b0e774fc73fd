#pragma once

#include <string>
#include <string_view>

namespace pellucor {

/// The local page that plays a Flash movie: an HTML 4.01 page in Shift_JIS whose Shockwave
/// Flash object (800 by 300 pixels) loads the movie from `movieAddress`, every line ended by
/// CR LF. The address is inserted as it is, without escaping.
[[nodiscard]] std::string MakeFlashHTML(std::string_view movieAddress);

}  // namespace pellucor

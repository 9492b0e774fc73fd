#pragma once

#include <atomic>
#include <string_view>

#include "files/FileInfo.h"
#include "files/SearchPlan.h"

namespace pellucor {

/// Whether the plan accepts `entry` of `folder` (a Shift_JIS path ending in "/"). The tests run
/// in this order and the first that fails decides: the attributes (with ExactMatch they must
/// equal the allowed set; otherwise none may lie outside it, and an entry with no attribute bit
/// always passes), the size bounds, the time bounds of creation, last write and last access
/// (local day numbers, see TimeBounds.h), the excluded masks (MatchPathMask) and, with a phrase,
/// FileContainsPhrase on folder + name, which `stop` can cut short.
[[nodiscard]] bool AcceptFile(const TTargetSearch& plan, std::string_view folder,
                              const TFileInfo& entry, const std::atomic<bool>* stop = nullptr);

}  // namespace pellucor

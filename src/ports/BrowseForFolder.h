#pragma once

#include <string>
#include <string_view>

#include "ports/Dialogs.h"

namespace pellucor {

/// The folder dialog with the title, starting at `initial` when that is not empty. The chosen
/// folder's path, or empty when the user cancelled.
[[nodiscard]] std::string BrowseForFolder(Dialogs& dialogs, std::string_view title,
                                          std::string_view initial);

}  // namespace pellucor

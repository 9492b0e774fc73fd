#pragma once

#include "ports/Clipboard.h"
#include "ports/EventPump.h"
#include "text/TextFile.h"

namespace pellucor {

/// The side effects of the file helpers carried out on the host: paths placed on its clipboard
/// and its pending events run. Both ports must outlive the result.
[[nodiscard]] FileSideEffects HostFileEffects(Clipboard& clipboard, EventPump& pump);

}  // namespace pellucor

#include "ports/HostFileEffects.h"

namespace pellucor {

FileSideEffects HostFileEffects(Clipboard& clipboard, EventPump& pump) {
  return {[&clipboard](std::string_view text) { clipboard.SetText(text); },
          [&pump] { pump.ProcessPendingEvents(); }};
}

}  // namespace pellucor

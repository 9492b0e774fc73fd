#pragma once

#include <cstdint>

#include "syntax/RtfSyntax.h"

// The system colours the colourers may ask for, by their platform numbers (window, window
// text, button face, highlight...), taken from the application's Qt palette.
namespace pellucor::app {

/// The palette's colour for the system colour's number; black for a number the platform does
/// not define.
[[nodiscard]] Color QtSystemColor(std::uint8_t systemColor);

}  // namespace pellucor::app

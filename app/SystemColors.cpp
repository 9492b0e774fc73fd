#include "app/SystemColors.h"

#include <QApplication>
#include <QPalette>
#include <array>
#include <optional>

namespace pellucor::app {
namespace {

// The platform's system colour numbers, in their order, and the palette role that plays each
// part on a Qt desktop.
constexpr std::array<std::optional<QPalette::ColorRole>, 31> kRoles = {
    QPalette::Button,           // 0 scroll bar
    QPalette::Window,           // 1 desktop
    QPalette::Highlight,        // 2 active caption
    QPalette::Mid,              // 3 inactive caption
    QPalette::Window,           // 4 menu
    QPalette::Base,             // 5 window
    QPalette::Shadow,           // 6 window frame
    QPalette::WindowText,       // 7 menu text
    QPalette::Text,             // 8 window text
    QPalette::HighlightedText,  // 9 caption text
    QPalette::Window,           // 10 active border
    QPalette::Window,           // 11 inactive border
    QPalette::Mid,              // 12 application workspace
    QPalette::Highlight,        // 13 highlight
    QPalette::HighlightedText,  // 14 highlight text
    QPalette::Button,           // 15 button face
    QPalette::Dark,             // 16 button shadow
    QPalette::PlaceholderText,  // 17 grey text
    QPalette::ButtonText,       // 18 button text
    QPalette::WindowText,       // 19 inactive caption text
    QPalette::Light,            // 20 button highlight
    QPalette::Shadow,           // 21 3D dark shadow
    QPalette::Midlight,         // 22 3D light
    QPalette::ToolTipText,      // 23 info text
    QPalette::ToolTipBase,      // 24 info background
    std::nullopt,               // 25 (not defined)
    QPalette::Link,             // 26 hot-tracked item
    QPalette::Highlight,        // 27 gradient active caption
    QPalette::Mid,              // 28 gradient inactive caption
    QPalette::Highlight,        // 29 menu highlight
    QPalette::Window,           // 30 menu bar
};

}  // namespace

Color QtSystemColor(std::uint8_t systemColor) {
  if (systemColor >= kRoles.size() || !kRoles[systemColor]) return 0;
  const QColor color = QApplication::palette().color(*kRoles[systemColor]);
  return RgbColor(static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
                  static_cast<std::uint8_t>(color.blue()));
}

}  // namespace pellucor::app

#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

// The one place where the core's Shift_JIS texts meet Qt's strings.
namespace pellucor::app {

/// The Shift_JIS text as a QString; bytes that are no character show as U+FFFD.
[[nodiscard]] QString FromSjis(std::string_view sjis);

/// The QString as Shift_JIS; characters Shift_JIS lacks become "?".
[[nodiscard]] std::string ToSjis(const QString& text);

/// The QString as Shift_JIS, or nullopt when a character has no Shift_JIS form (a file name
/// that must not be changed silently).
[[nodiscard]] std::optional<std::string> ToSjisExact(const QString& text);

}  // namespace pellucor::app

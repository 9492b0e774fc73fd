#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ports/Dialogs.h"

// Reading and writing the files that views show: text files of a saved page, in any of the
// page encodings.
namespace pellucor {

/// The longest file a view shows: a view holding more is no longer usable, and no page, style
/// sheet or report of a real site comes near it.
inline constexpr std::uintmax_t kLongestViewFile = std::uintmax_t{64} << 20;

enum class ViewFileStatus { Read, Missing, Unreadable, TooLarge, Binary };

struct ViewFile {
  std::string text;  // line ends made CR LF, as LoadTextFile gives them; empty unless Read
  ViewFileStatus status = ViewFileStatus::Missing;
  /// For every status but Read: a Shift_JIS message naming the file and what is wrong.
  std::string message;
};

/// The file's text for a view. A path naming no regular file is Missing; a file that cannot
/// be read is Unreadable; one past kLongestViewFile is TooLarge; one holding a zero byte (an
/// image, an archive) is Binary, as no text of any page encoding holds one.
[[nodiscard]] ViewFile ReadViewFile(std::string_view path);

/// ReadViewFile's text, or nullopt after its message went to `status` (the tab's status
/// label) and, for a file too large or not text at all, to a warning as well.
[[nodiscard]] std::optional<std::string> LoadViewFile(std::string_view path, std::string& status,
                                                      Dialogs& dialogs);

/// A file dialog with the filter (UTF-8) that opens where the path in `field` lies and
/// proposes its name; for a blank field, the dialog's own start.
[[nodiscard]] FileDialogRequest DialogAtField(std::string_view filter, std::string_view field);

/// Writes a view's text to the file (SaveTextFile); false after telling the user which file
/// could not be written and why.
bool SaveViewText(std::string_view text, const std::string& path, Dialogs& dialogs);

}  // namespace pellucor

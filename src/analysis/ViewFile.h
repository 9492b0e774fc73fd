#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Reading a file that a view shows: a text file of a saved page, in any of the page encodings.
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

}  // namespace pellucor

#pragma once

#include <string>
#include <string_view>

// The files of a saved page as a browser opening them from the disk meets them. Paths are
// system paths (UTF-8 on Linux), the names a browser asks the system for.
namespace pellucor {

/// Whether a regular file that can be read stands at the path (a link is followed): a folder,
/// a named pipe or a file without read permission loads nothing.
[[nodiscard]] bool IsLoadableFile(const std::string& path);

/// A saved file's text, or why it could not be read.
struct SavedText {
  std::string utf8;
  std::string failure;  // empty when read; otherwise an ASCII reason ("no such file", ...)
  [[nodiscard]] bool ok() const { return failure.empty(); }
};

/// The file's text as UTF-8, converted from the charset that DetectHtmlCharset names (a byte
/// order mark removed). Fails for a path where no regular file stands or one that cannot be
/// read; a named pipe is refused without waiting for a writer.
[[nodiscard]] SavedText ReadSavedText(const std::string& path);

/// The bytes of a page or style sheet as UTF-8: Shift_JIS (declared, or not well-formed UTF-8),
/// EUC-JP or ISO-2022-JP as declared, converted; UTF-8 as it is, without a byte order mark.
[[nodiscard]] std::string SavedTextAsUtf8(std::string_view bytes);

}  // namespace pellucor

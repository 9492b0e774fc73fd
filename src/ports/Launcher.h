#pragma once

#include <string_view>

namespace pellucor {

/// Opens files and addresses with the desktop's programs. Paths and URLs are Shift_JIS texts.
/// Nothing is reported back: a program that cannot be started simply does not appear.
class Launcher {
 public:
  virtual ~Launcher() = default;
  /// The system's HTML viewer (the web browser) with the file or URL.
  virtual void OpenWithHtmlViewer(std::string_view fileOrUrl) = 0;
  /// The program associated with the file's type.
  virtual void OpenWithAssociatedProgram(std::string_view path) = 0;
  /// The user's plain text editor.
  virtual void OpenWithTextEditor(std::string_view path) = 0;
};

/// Shows the saved page or the URL in the system's HTML viewer; nothing for an empty text.
void OpenInHtmlViewer(Launcher& launcher, std::string_view fileOrUrl);

}  // namespace pellucor

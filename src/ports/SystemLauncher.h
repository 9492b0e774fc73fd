#pragma once

#include <string>
#include <vector>

#include "ports/Launcher.h"

namespace pellucor {

/// The desktop's own launcher: `xdg-open` for the HTML viewer and associated programs, and
/// $VISUAL or $EDITOR (else `xdg-open`) for the text editor. Programs are started detached, so
/// they outlive this process and leave no zombie behind.
class SystemLauncher : public Launcher {
 public:
  void OpenWithHtmlViewer(std::string_view fileOrUrl) override;
  void OpenWithAssociatedProgram(std::string_view path) override;
  void OpenWithTextEditor(std::string_view path) override;

  /// The command line that OpenWithTextEditor starts for `path` (a UTF-8 name), for the given
  /// $VISUAL and $EDITOR values (empty when unset).
  [[nodiscard]] static std::vector<std::string> TextEditorCommand(const std::string& visual,
                                                                  const std::string& editor,
                                                                  const std::string& path);
};

}  // namespace pellucor

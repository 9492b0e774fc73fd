#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pellucor {

enum class MessageKind { Information, Warning, Error };

enum class Answer { Yes, No, Cancel };

/// What an open or save dialog starts with. Texts are Shift_JIS; `filter` is in the form
/// "HTML files (*.html;*.htm)|*.html;*.htm|All files (*.*)|*.*".
struct FileDialogRequest {
  std::string title;
  std::string filter;
  std::string initialFolder;
  std::string proposedName;
};

/// Modal dialogs of the host. All texts in and out are Shift_JIS; a host whose own names cannot
/// be written in Shift_JIS refuses such a choice (with its own message) and answers nullopt, so
/// no path is silently changed.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  virtual void ShowMessage(std::string_view text, MessageKind kind) = 0;

  /// Yes or No.
  [[nodiscard]] virtual Answer AskYesNo(std::string_view text) = 0;

  /// Yes, No or Cancel (closing the dialog counts as Cancel).
  [[nodiscard]] virtual Answer AskYesNoCancel(std::string_view text) = 0;

  /// The chosen file, or nullopt when cancelled.
  [[nodiscard]] virtual std::optional<std::string> ChooseOpenFile(
      const FileDialogRequest& request) = 0;

  /// The chosen file, or nullopt when cancelled.
  [[nodiscard]] virtual std::optional<std::string> ChooseSaveFile(
      const FileDialogRequest& request) = 0;

  /// The information box, shown modally: a label, an upper text shown as coloured HTML source
  /// and a lower plain text (either may be empty).
  virtual void ShowInformationBox(std::string_view label, std::string_view upperHtml,
                                  std::string_view lowerText) = 0;

  /// The chosen folder, or nullopt when cancelled. `initialFolder` is selected when the dialog
  /// opens, if it is not empty.
  [[nodiscard]] virtual std::optional<std::string> ChooseFolder(std::string_view title,
                                                                std::string_view initialFolder) = 0;
};

}  // namespace pellucor

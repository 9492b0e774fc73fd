#pragma once

#include <chrono>
#include <functional>

#include <QObject>

#include "ports/Clipboard.h"
#include "ports/Dialogs.h"
#include "ports/EventPump.h"

class QFileDialog;
class QWidget;

// The ports the core calls on its host, answered with Qt: modal dialogs with the program's
// texts, the system clipboard, and the event loop with the busy cursor. (The launcher needs no
// toolkit: SystemLauncher.)
namespace pellucor::app {

class InformationBox;

/// The window's named file dialogs.
struct FileDialogs {
  QFileDialog* openHtml = nullptr;  // OpenDialogHTML
  QFileDialog* saveHtml = nullptr;  // SaveDialogHTML
};

class QtDialogs : public Dialogs {
 public:
  QtDialogs(QWidget* window, InformationBox* informationBox)
      : window_(window), informationBox_(informationBox) {}

  /// The dialogs the open and save questions use; without them, dialogs of their own.
  void SetFileDialogs(FileDialogs dialogs) { files_ = dialogs; }

  void ShowMessage(std::string_view text, MessageKind kind) override;
  [[nodiscard]] Answer AskYesNo(std::string_view text) override;
  [[nodiscard]] Answer AskYesNoCancel(std::string_view text) override;
  [[nodiscard]] std::optional<std::string> ChooseOpenFile(
      const FileDialogRequest& request) override;
  [[nodiscard]] std::optional<std::string> ChooseSaveFile(
      const FileDialogRequest& request) override;
  void ShowInformationBox(std::string_view label, std::string_view upperHtml,
                          std::string_view lowerText) override;
  [[nodiscard]] std::optional<std::string> ChooseFolder(std::string_view title,
                                                        std::string_view initialFolder) override;

  /// The core's filter ("Name (*.a;*.b)|*.a;*.b|...") as Qt writes one ("Name (*.a *.b);;...").
  [[nodiscard]] static QString QtFilter(std::string_view filter);

 private:
  std::optional<std::string> Chosen(const QString& path);
  std::optional<std::string> Ask(QFileDialog* dialog, const FileDialogRequest& request, bool save);
  QWidget* window_;
  FileDialogs files_;
  InformationBox* informationBox_;
};

class QtClipboard : public Clipboard {
 public:
  void SetText(std::string_view text) override;
  [[nodiscard]] std::string Text() const override;
};

class QtEventPump : public EventPump {
 public:
  ~QtEventPump() override;
  /// Shows what the core changed (through `beforeEvents`), then lets pending events run.
  void ProcessPendingEvents() override;
  void SetBusyCursor(BusyCursor cursor) override;

  /// Runs at every pump point before the events: the window pushes the values the core changed
  /// to the widgets, so that long work shows its progress.
  std::function<void()> beforeEvents;

 private:
  bool busy_ = false;
};

/// A pause of the core (a wait before colouring, after clearing a browser, between a probe's
/// requests) that keeps the window's events running, so browsers load and paint meanwhile.
void WaitWithEvents(std::chrono::milliseconds duration);

}  // namespace pellucor::app

#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "ports/Browser.h"
#include "ports/Clipboard.h"
#include "ports/Dialogs.h"
#include "ports/EventPump.h"
#include "ports/Launcher.h"

// The command line's side of the ports: questions answered from an option and printed, no
// browser, a clipboard of its own, progress on standard error.
namespace pellucor::cli {

/// Answers every question with the answer given on the command line and prints each question,
/// message and information label with it (as UTF-8). Save dialogs answer with a file in the
/// given folder; folder and open dialogs are cancelled.
class TerminalDialogs : public Dialogs {
 public:
  TerminalDialogs(Answer answer, std::string saveFolder, std::ostream& out)
      : answer_(answer), saveFolder_(std::move(saveFolder)), out_(out) {}

  void ShowMessage(std::string_view text, MessageKind kind) override;
  Answer AskYesNo(std::string_view text) override;
  Answer AskYesNoCancel(std::string_view text) override;
  void ShowInformationBox(std::string_view label, std::string_view upperHtml,
                          std::string_view lowerText) override;
  std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFolder(std::string_view title,
                                          std::string_view initialFolder) override;

 private:
  Answer answer_;
  std::string saveFolder_;  // Shift_JIS, ends with "/"
  std::ostream& out_;
};

/// The command line has no browser: its document is empty and it has no images.
class NoBrowser : public Browser {
 public:
  void Navigate(std::string_view urlOrPath) override { location_ = std::string(urlOrPath); }
  void GoBack() override {}
  std::string LocationUrl() const override { return location_; }
  std::string DocumentOuterHtml() const override { return {}; }
  std::vector<std::string> ImageAddresses() const override { return {}; }
  void WriteDocument(std::string_view) override {}

 private:
  std::string location_ = "about:blank";
};

/// A clipboard that only keeps its text.
class MemoryClipboard : public Clipboard {
 public:
  void SetText(std::string_view text) override { text_ = std::string(text); }
  std::string Text() const override { return text_; }

 private:
  std::string text_;
};

/// A clipboard that lets its text go. A download run only ever puts texts there (whole pages,
/// for the desktop user to paste) and never reads them back, and a terminal has nothing to
/// paste into: keeping the last one would hold another copy of the page.
class NoClipboard : public Clipboard {
 public:
  void SetText(std::string_view) override {}
  std::string Text() const override { return {}; }
};

/// Pending events are the progress lines: `onPump` is called at each pump point.
class ProgressPump : public EventPump {
 public:
  std::function<void()> onPump;
  void ProcessPendingEvents() override {
    if (onPump) onPump();
  }
  void SetBusyCursor(BusyCursor) override {}
};

/// Opens nothing: a command-line run shows no page.
class NoLauncher : public Launcher {
 public:
  void OpenWithHtmlViewer(std::string_view) override {}
  void OpenWithAssociatedProgram(std::string_view) override {}
  void OpenWithTextEditor(std::string_view) override {}
};

}  // namespace pellucor::cli

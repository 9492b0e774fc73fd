#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ports/Dialogs.h"

namespace pellucor::testing {

/// Records every dialog the core opens and answers from a script. An unscripted question is
/// answered Cancel (or No for Yes/No) and an unscripted file or folder dialog is cancelled, as a
/// user closing it would.
class FakeDialogs : public Dialogs {
 public:
  struct Shown {
    std::string kind;  // "message", "yes-no", "yes-no-cancel", "information", "open", "save",
                       // "folder"
    std::string text;  // the message, label or title
    std::string
        initialFolder;         // for file and folder dialogs; the upper text of the information box
    std::string proposedName;  // for file dialogs
  };

  std::vector<Shown> shown;
  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> choices;

  void ShowMessage(std::string_view text, MessageKind) override {
    shown.push_back({"message", std::string(text), {}, {}});
  }
  Answer AskYesNo(std::string_view text) override {
    shown.push_back({"yes-no", std::string(text), {}, {}});
    return NextAnswer(Answer::No);
  }
  Answer AskYesNoCancel(std::string_view text) override {
    shown.push_back({"yes-no-cancel", std::string(text), {}, {}});
    return NextAnswer(Answer::Cancel);
  }
  void ShowInformationBox(std::string_view label, std::string_view upperHtml,
                          std::string_view) override {
    shown.push_back({"information", std::string(label), std::string(upperHtml), {}});
  }
  std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override {
    shown.push_back({"open", request.title, request.initialFolder, request.proposedName});
    return NextChoice();
  }
  std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override {
    shown.push_back({"save", request.title, request.initialFolder, request.proposedName});
    return NextChoice();
  }
  std::optional<std::string> ChooseFolder(std::string_view title,
                                          std::string_view initialFolder) override {
    shown.push_back({"folder", std::string(title), std::string(initialFolder), {}});
    return NextChoice();
  }

 private:
  Answer NextAnswer(Answer unscripted) {
    if (answers.empty()) return unscripted;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::string> NextChoice() {
    if (choices.empty()) return std::nullopt;
    std::optional<std::string> choice = choices.front();
    choices.pop_front();
    return choice;
  }
};

}  // namespace pellucor::testing

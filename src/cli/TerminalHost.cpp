#include "cli/TerminalHost.h"

#include <ostream>

#include "cli/TerminalText.h"
#include "text/CodePage932.h"

namespace pellucor::cli {
namespace {

const char* AnswerName(Answer answer) {
  switch (answer) {
    case Answer::Yes:
      return "yes";
    case Answer::No:
      return "no";
    case Answer::Cancel:
      return "cancel";
  }
  return "";
}

}  // namespace

void TerminalDialogs::ShowMessage(std::string_view text, MessageKind) {
  out_ << "message: " << TerminalText(text, LineEnds::Keep) << "\n";
}

Answer TerminalDialogs::AskYesNo(std::string_view text) {
  // A Yes/No question has no cancel; asked to cancel, the command line says no.
  const Answer answer = answer_ == Answer::Cancel ? Answer::No : answer_;
  out_ << "question: " << TerminalText(text, LineEnds::Keep) << "\nanswer: " << AnswerName(answer)
       << "\n";
  return answer;
}

Answer TerminalDialogs::AskYesNoCancel(std::string_view text) {
  out_ << "question: " << TerminalText(text, LineEnds::Keep) << "\nanswer: " << AnswerName(answer_)
       << "\n";
  return answer_;
}

void TerminalDialogs::ShowInformationBox(std::string_view label, std::string_view,
                                         std::string_view) {
  out_ << "information: " << TerminalText(label, LineEnds::Keep) << "\n";
}

std::optional<std::string> TerminalDialogs::ChooseOpenFile(const FileDialogRequest&) {
  return std::nullopt;
}

std::optional<std::string> TerminalDialogs::ChooseSaveFile(const FileDialogRequest& request) {
  // Without a proposed name the run names the file itself (a frameset page by its address) and
  // takes only the folder of the answer.
  if (request.proposedName.empty()) {
    out_ << "save in: " << TerminalText(saveFolder_, LineEnds::Keep) << "\n";
    return saveFolder_ + "index.html";
  }
  out_ << "save as: " << TerminalText(saveFolder_ + request.proposedName, LineEnds::Keep) << "\n";
  return saveFolder_ + request.proposedName;
}

std::optional<std::string> TerminalDialogs::ChooseFolder(std::string_view, std::string_view) {
  return std::nullopt;
}

}  // namespace pellucor::cli

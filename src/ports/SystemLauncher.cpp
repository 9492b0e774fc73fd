#include "ports/SystemLauncher.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

#include "text/CodePage932.h"

extern char** environ;

namespace pellucor {
namespace {

// Starts the command without waiting for it: a short-lived intermediate child starts the
// program and exits at once, so the program is adopted by init and never becomes our zombie.
void StartDetached(const std::vector<std::string>& command) {
  if (command.empty()) return;
  const pid_t child = ::fork();
  if (child < 0) return;
  if (child == 0) {
    ::setsid();
    std::vector<char*> arguments;
    arguments.reserve(command.size() + 1);
    for (const std::string& argument : command)
      arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    pid_t program = 0;
    ::posix_spawnp(&program, arguments[0], nullptr, nullptr, arguments.data(), environ);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
}

void OpenWithXdg(std::string_view target) {
  if (target.empty()) return;
  StartDetached({"xdg-open", SjisToUtf8(target)});
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

void OpenInHtmlViewer(Launcher& launcher, std::string_view fileOrUrl) {
  if (!fileOrUrl.empty()) launcher.OpenWithHtmlViewer(fileOrUrl);
}

void SystemLauncher::OpenWithHtmlViewer(std::string_view fileOrUrl) {
  OpenWithXdg(fileOrUrl);
}

void SystemLauncher::OpenWithAssociatedProgram(std::string_view path) {
  OpenWithXdg(path);
}

void SystemLauncher::OpenWithTextEditor(std::string_view path) {
  if (path.empty()) return;
  StartDetached(TextEditorCommand(Environment("VISUAL"), Environment("EDITOR"), SjisToUtf8(path)));
}

std::vector<std::string> SystemLauncher::TextEditorCommand(const std::string& visual,
                                                           const std::string& editor,
                                                           const std::string& path) {
  const std::string& chosen = !visual.empty() ? visual : editor;
  if (chosen.empty()) return {"xdg-open", path};
  // An editor variable may carry options ("code --wait"); split it at blanks as shells do for
  // the common cases, without running a shell on the path.
  std::vector<std::string> command;
  std::istringstream words(chosen);
  for (std::string word; words >> word;)
    command.push_back(word);
  command.push_back(path);
  return command;
}

}  // namespace pellucor

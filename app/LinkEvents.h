#pragma once

#include <functional>
#include <string>

#include "ports/Browser.h"

// The events every browser of the window that follows links by hand handles the same way: its
// status text (the link under the pointer) and its clicks go to the tab's handlers as commands.
namespace pellucor::app {

using CommandRunner = std::function<void(const std::function<void()>&)>;

/// Events whose status text and click run `statusText` and `click` as commands through `run`;
/// the click's answer (whether the document follows the click itself) is the handler's.
[[nodiscard]] BrowserEvents LinkEvents(CommandRunner run,
                                       std::function<void(const std::string&)> statusText,
                                       std::function<bool()> click);

}  // namespace pellucor::app

#include "app/LinkEvents.h"

#include <utility>

namespace pellucor::app {

BrowserEvents LinkEvents(CommandRunner run, std::function<void(const std::string&)> statusText,
                         std::function<bool()> click) {
  BrowserEvents events;
  events.statusText = [run, statusText = std::move(statusText)](std::string_view text) {
    const std::string shown(text);
    run([&statusText, &shown] { statusText(shown); });
  };
  events.click = [run = std::move(run), click = std::move(click)](const ClickedElement&) {
    bool follow = false;
    run([&click, &follow] { follow = click(); });
    return follow;
  };
  return events;
}

}  // namespace pellucor::app

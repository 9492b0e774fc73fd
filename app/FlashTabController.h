#pragma once

#include <functional>

#include "flash/FlashPlayer.h"

class QWidget;

// The Flash tab's controller: the player over the tab's browser and source view, its field,
// option, list and status text bound, its buttons connected.
namespace pellucor::app {

class Binder;
class PageWidgets;

class FlashTabController {
 public:
  using Runner = std::function<void(const std::function<void()>&)>;

  FlashTabController(QWidget& window, const PageWidgets& pages, Binder& binder, Dialogs& dialogs,
                     Runner run);

  [[nodiscard]] FlashPlayer& player() { return player_; }

 private:
  FlashPlayer player_;
};

}  // namespace pellucor::app

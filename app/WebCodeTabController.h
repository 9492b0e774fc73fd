#pragma once

#include <functional>

#include "webcode/WebCodeConverter.h"

class QWidget;

// The web code converter tab's controller: its memos and choices bound to the converter's
// values, its buttons connected to the converter's commands.
namespace pellucor::app {

class Binder;

class WebCodeTabController {
 public:
  using Runner = std::function<void(const std::function<void()>&)>;

  WebCodeTabController(QWidget& window, Binder& binder, Clipboard& clipboard, Runner run);

  [[nodiscard]] WebCodeConverter& converter() { return converter_; }

 private:
  WebCodeConverter converter_;
};

}  // namespace pellucor::app

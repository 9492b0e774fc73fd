#pragma once

#include <functional>

#include "download/ViewCommands.h"
#include "download/Workbenches.h"

class QWidget;

// The download tab's tools around its run: the single-file workbenches with the result panes
// that feed them, the tool buttons of the two browsers and the screen arrangements, and the
// top panel's two label commands.
namespace pellucor::app {

class Binder;
class DownloadTabController;
class PageWidgets;

class DownloadToolsController {
 public:
  /// Runs a command between a pull of the widgets and a push of what it changed.
  using Runner = std::function<void(const std::function<void()>&)>;

  DownloadToolsController(QWidget& window, const PageWidgets& pages, Binder& binder,
                          DownloadTabController& downloadTab, Runner run);

  [[nodiscard]] Workbenches& workbenches() { return workbenches_; }
  [[nodiscard]] ViewCommands& viewCommands() { return viewCommands_; }

 private:
  void Bind(Binder& binder);
  void ConnectPanes();
  void ConnectButtons();
  void ConnectLabels();

  QWidget& window_;
  DownloadTabController& downloadTab_;
  Runner run_;
  Workbenches workbenches_;
  ViewCommands viewCommands_;
};

}  // namespace pellucor::app

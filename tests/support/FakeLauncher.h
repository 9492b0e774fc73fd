#pragma once

#include <string>
#include <vector>

#include "ports/Launcher.h"

namespace pellucor::testing {

/// Records what the core asked to open, as "viewer PATH", "associated PATH" or "editor PATH".
class FakeLauncher : public Launcher {
 public:
  std::vector<std::string> opened;

  void OpenWithHtmlViewer(std::string_view fileOrUrl) override {
    opened.push_back("viewer " + std::string(fileOrUrl));
  }
  void OpenWithAssociatedProgram(std::string_view path) override {
    opened.push_back("associated " + std::string(path));
  }
  void OpenWithTextEditor(std::string_view path) override {
    opened.push_back("editor " + std::string(path));
  }
};

}  // namespace pellucor::testing

#pragma once

#include <string>
#include <vector>

#include "ports/Browser.h"

namespace pellucor::testing {

/// A browser that shows a scripted document: `document` and `images` are what a loaded page
/// would give; every navigation is recorded and becomes the location.
class FakeBrowser : public Browser {
 public:
  std::string document;
  std::vector<std::string> images;
  std::vector<std::string> navigations;
  std::string location = "about:blank";
  std::string written;

  void Navigate(std::string_view urlOrPath) override {
    navigations.emplace_back(urlOrPath);
    location = std::string(urlOrPath);
  }
  void GoBack() override {}
  std::string LocationUrl() const override { return location; }
  std::string DocumentOuterHtml() const override { return document; }
  std::vector<std::string> ImageAddresses() const override { return images; }
  void WriteDocument(std::string_view html) override { written = std::string(html); }

  bool busy = false;
  std::string title;
  BrowserEvents events;
  bool Busy() const override { return busy; }
  std::string LocationName() const override { return title; }
  void SetEvents(const BrowserEvents& handlers) override { events = handlers; }

  /// The words of every MarkText call, and what the calls answer.
  std::vector<std::vector<TextMark>> marked;
  MarkOutcome markOutcome = MarkOutcome::Marked;
  MarkOutcome MarkText(const std::vector<TextMark>& marks) override {
    marked.push_back(marks);
    return markOutcome;
  }
};

}  // namespace pellucor::testing

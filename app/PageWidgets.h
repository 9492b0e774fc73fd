#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <string_view>

// The window's embedded browsers and rich text views, made once at start-up, each by its name
// in its page or panel of the tabs, filling it. The tabs' controllers find them here by name.
namespace pellucor::app {

class QtBrowser;
class QtTextView;

class PageWidgets {
 public:
  /// Creates the eleven browsers and the sixteen source views (and the window's two plain
  /// file-list views) in the tabs built under `window`, whose pages are found by name; a panel
  /// that holds a view is made in its page. The browsers are not navigated yet.
  explicit PageWidgets(QWidget& window);

  /// The browser or view of that name; nullptr for a name the window does not have.
  [[nodiscard]] QtBrowser* Browser(std::string_view name) const;
  [[nodiscard]] QtTextView* View(std::string_view name) const;

  /// Every browser shows "about:blank".
  void BlankAllBrowsers();

  [[nodiscard]] const std::map<std::string, QtBrowser*, std::less<>>& browsers() const {
    return browsers_;
  }
  [[nodiscard]] const std::map<std::string, QtTextView*, std::less<>>& views() const {
    return views_;
  }

 private:
  std::map<std::string, QtBrowser*, std::less<>> browsers_;
  std::map<std::string, QtTextView*, std::less<>> views_;
};

}  // namespace pellucor::app

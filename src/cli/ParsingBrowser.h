#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "httpclient/HttpClient.h"
#include "ports/Browser.h"

namespace pellucor::cli {

/// The download browser of the command line. A run asks the browser for the images of the page
/// it shows, which the scan of the page's text can miss (an unquoted attribute before an <img>
/// hides it): this one reads the page as a browser would, with one request of its own, parses
/// it with an HTML5 parser (scripts are not run) and gives the address of every <img> of the
/// document, resolved against its base. Its document stays empty: nothing here shows a page. A
/// page that cannot be fetched, or is longer than 4 MiB, gives no images: the parse takes some
/// fifteen times a page's size, more than a whole run of the page needs.
class ParsingBrowser : public Browser {
 public:
  /// The text of a page the run has fetched already (as a browser's cache would give it), or
  /// nullopt to request it.
  using PageSource = std::function<std::optional<std::string>(std::string_view url)>;

  explicit ParsingBrowser(HttpClient& http) : http_(http) {}

  /// Where pages come from before a request of the browser's own is made.
  void SetPageSource(PageSource source) { pageSource_ = std::move(source); }

  void Navigate(std::string_view urlOrPath) override;
  void GoBack() override {}
  std::string LocationUrl() const override { return location_; }
  std::string DocumentOuterHtml() const override { return {}; }
  std::vector<std::string> ImageAddresses() const override { return images_; }
  void WriteDocument(std::string_view) override {}

 private:
  HttpClient& http_;
  PageSource pageSource_;
  std::string location_ = "about:blank";
  std::vector<std::string> images_;  // Shift_JIS, as the engine's texts
};

}  // namespace pellucor::cli

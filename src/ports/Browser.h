#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pellucor {

/// One embedded web browser of the window. Texts are Shift_JIS. A host without a browser (the
/// command line) answers with an empty document and no images.
class Browser {
 public:
  virtual ~Browser() = default;
  /// Starts loading the URL or local file; "about:blank" empties the browser. Does not wait.
  virtual void Navigate(std::string_view urlOrPath) = 0;
  virtual void GoBack() = 0;
  /// The address of the document shown, "about:blank" for none.
  [[nodiscard]] virtual std::string LocationUrl() const = 0;
  /// The outer HTML of the document element: the live page source after its scripts ran.
  [[nodiscard]] virtual std::string DocumentOuterHtml() const = 0;
  /// The absolute address of every image of the document, in document order.
  [[nodiscard]] virtual std::vector<std::string> ImageAddresses() const = 0;
  /// Replaces the document by the given HTML (clear, then write).
  virtual void WriteDocument(std::string_view html) = 0;
};

}  // namespace pellucor

#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pellucor {

class Browser;

/// What a click in a browser's document hit (Shift_JIS texts).
struct ClickedElement {
  std::string tag;    // the element's tag name in upper case ("A", "IMG", "P")
  std::string link;   // the absolute address of the link the element is in; empty for none
  std::string image;  // the absolute address of the image clicked; empty for no image
};

/// What a browser tells its owner as pages come and go. Texts are Shift_JIS; any handler may be
/// left empty.
struct BrowserEvents {
  /// A navigation of the main frame is about to start (a link followed, a script's move, a
  /// call of Navigate); false cancels it.
  std::function<bool(std::string_view url)> beforeNavigate;
  /// The main frame now shows the address (the navigation was committed).
  std::function<void(std::string_view url)> navigateComplete;
  /// The document has finished loading.
  std::function<void(std::string_view url)> documentComplete;
  /// The page asks for a new window: the browser to open it in, or nullptr to cancel it.
  std::function<Browser*()> newWindow;
  /// The status text: the address of the link under the pointer, empty when it leaves it.
  std::function<void(std::string_view text)> statusText;
  std::function<void(std::string_view title)> titleChange;
  /// Loading progress in percent.
  std::function<void(int percent)> progress;
  /// A click on an element of the document, while set (the click sink attached). Its answer
  /// false cancels the click's own action (following a link); true lets it take place.
  std::function<bool(const ClickedElement& element)> click;
};

/// What marking a word in a browser's document came to.
enum class MarkOutcome {
  Marked,      // every occurrence is marked (none may have been found)
  NoDocument,  // no HTML document with a body: nothing loaded, a frameset, not HTML
  Failed,      // the document refused the change or did not answer in time
};

/// A word to mark in a document and the tag that opens its mark (Shift_JIS).
struct TextMark {
  std::string word;
  std::string openingTag;
};

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

  /// Whether a page is loading. A host without a browser is never busy.
  [[nodiscard]] virtual bool Busy() const { return false; }
  /// The title of the document shown; empty for none.
  [[nodiscard]] virtual std::string LocationName() const { return {}; }
  /// The handlers of the browser's events, replacing those set before. A host without a browser
  /// has no events to tell.
  virtual void SetEvents(const BrowserEvents& events) { (void)events; }
  /// Marks every occurrence of each word in the text the document shows (letters without case,
  /// not only whole words), word after word, from the top down: an occurrence becomes the
  /// word's opening tag + its HTML + "</span>", and the last one is scrolled into view. The
  /// search goes on after the inserted mark, so a word marked before gets a second mark nested
  /// inside the first. An error ends the whole operation: the words after it are not marked.
  /// The page on disk or on the web is not touched. A host without a browser has no document.
  [[nodiscard]] virtual MarkOutcome MarkText(const std::vector<TextMark>& marks) {
    (void)marks;
    return MarkOutcome::NoDocument;
  }
};

}  // namespace pellucor

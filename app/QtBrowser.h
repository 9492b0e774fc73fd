#pragma once

#include <QWebEngineView>
#include <chrono>
#include <string>
#include <vector>

#include "ports/Browser.h"

// One embedded browser of the window over Qt WebEngine, as the core's Browser port. Qt WebEngine
// answers reads of the document later (runJavaScript); the port's calls wait for the answer
// while the event loop runs, with a time limit after which they answer "no document", so a page
// that never finishes or a script that never answers cannot hang the window. Right after a
// navigation starts the document is still the old page: reads wait for the load to finish.
namespace pellucor::app {

class QtBrowser : public QWebEngineView, public Browser {
  Q_OBJECT

 public:
  explicit QtBrowser(const QString& name, QWidget* parent = nullptr);

  /// http, https and file addresses, local paths and "about:blank"; anything else (javascript:,
  /// data:) is refused and leaves the browser as it is.
  void Navigate(std::string_view urlOrPath) override;
  void GoBack() override;
  [[nodiscard]] std::string LocationUrl() const override;
  [[nodiscard]] std::string DocumentOuterHtml() const override;
  [[nodiscard]] std::vector<std::string> ImageAddresses() const override;
  void WriteDocument(std::string_view html) override;

  [[nodiscard]] bool Busy() const override { return loading_; }
  [[nodiscard]] std::string LocationName() const override;
  void SetEvents(const BrowserEvents& events) override;
  [[nodiscard]] MarkOutcome MarkText(const std::vector<TextMark>& marks) override;

  /// How long a read of the document waits for the page and its answer.
  std::chrono::milliseconds waitLimit{5000};

 private:
  /// Waits (the event loop running) until no page is loading, or the limit; false at the limit.
  bool WaitForLoad() const;
  enum class ScriptWorld { Page, Program };
  /// The script's answer, or an invalid value when none came within the limit. The program's
  /// world sees the same document, but not the variables and overrides of the page's scripts.
  QVariant Evaluate(const QString& script, ScriptWorld world = ScriptWorld::Page) const;

  class Page;
  /// A click the document's listener reported: the handler decides, and a link it lets go is
  /// followed from here (the listener held it back).
  void OnClick(const QString& report);
  /// Tells the listener whether clicks on links are to be held back for the handler.
  void ArmClickListener();
  /// Before the document is left: its clicks no longer reach the handler until the next
  /// document has loaded.
  void DetachClickSink();
  bool loading_ = false;
  bool writing_ = false;   // a document written by the program is no navigation to ask about
  bool attached_ = false;  // the click sink: from a document's load to the next navigation
  BrowserEvents events_;
  QString clickReport_;  // how the click listener's reports begin, with this browser's key
};

}  // namespace pellucor::app

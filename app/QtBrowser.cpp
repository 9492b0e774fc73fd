#include "app/QtBrowser.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <memory>

#include "app/SjisText.h"

namespace pellucor::app {

// The page asks its browser before a navigation of the main frame and for a new window.
class QtBrowser::Page : public QWebEnginePage {
 public:
  explicit Page(QtBrowser* browser) : QWebEnginePage(browser), browser_(browser) {}

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
    if (!isMainFrame || browser_->writing_ || !browser_->events_.beforeNavigate) return true;
    return browser_->events_.beforeNavigate(ToSjis(url.toString()));
  }
  QWebEnginePage* createWindow(WebWindowType) override {
    if (!browser_->events_.newWindow) return nullptr;
    auto* opened = dynamic_cast<QtBrowser*>(browser_->events_.newWindow());
    return opened != nullptr ? opened->page() : nullptr;
  }

 private:
  QtBrowser* browser_;
};

QtBrowser::QtBrowser(const QString& name, QWidget* parent) : QWebEngineView(parent) {
  setObjectName(name);
  setPage(new Page(this));
  connect(this, &QWebEngineView::loadStarted, this, [this] { loading_ = true; });
  connect(this, &QWebEngineView::loadFinished, this, [this] {
    loading_ = false;
    writing_ = false;
    if (events_.documentComplete) events_.documentComplete(LocationUrl());
  });
  connect(this, &QWebEngineView::urlChanged, this, [this](const QUrl& url) {
    if (events_.navigateComplete) events_.navigateComplete(ToSjis(url.toString()));
  });
  connect(this, &QWebEngineView::titleChanged, this, [this](const QString& title) {
    if (events_.titleChange) events_.titleChange(ToSjis(title));
  });
  connect(this, &QWebEngineView::loadProgress, this, [this](int percent) {
    if (events_.progress) events_.progress(percent);
  });
  connect(page(), &QWebEnginePage::linkHovered, this, [this](const QString& url) {
    if (events_.statusText) events_.statusText(ToSjis(url));
  });
}

std::string QtBrowser::LocationName() const {
  return ToSjis(title());
}

void QtBrowser::SetEvents(BrowserEvents events) {
  events_ = std::move(events);
}

void QtBrowser::Navigate(std::string_view urlOrPath) {
  const QString text = FromSjis(urlOrPath).trimmed();
  QUrl url(text);
  if (text == "about:blank") {
    url = QUrl("about:blank");
  } else if (url.scheme().isEmpty() || text.startsWith('/')) {
    url = QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
  } else if (const QString scheme = url.scheme().toLower();
             scheme != "http" && scheme != "https" && scheme != "file") {
    return;
  }
  // The load counts as started now: reads that follow wait for it, not for the old page.
  loading_ = true;
  load(url);
}

void QtBrowser::GoBack() {
  if (history()->canGoBack()) {
    loading_ = true;
    back();
  }
}

std::string QtBrowser::LocationUrl() const {
  const QUrl shown = url();
  if (shown.isEmpty()) return "about:blank";
  return ToSjis(shown.toString());
}

bool QtBrowser::WaitForLoad() const {
  if (!loading_) return true;
  QEventLoop loop;
  QTimer limit;
  limit.setSingleShot(true);
  connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
  connect(this, &QWebEngineView::loadFinished, &loop, &QEventLoop::quit);
  limit.start(waitLimit);
  loop.exec();
  return !loading_;
}

QVariant QtBrowser::Evaluate(const QString& script) const {
  if (!WaitForLoad()) return {};
  // The page keeps the callback, which may answer after the wait gave up: what it writes to
  // lives as long as the callback, not in this frame.
  struct Answer {
    QVariant value;
    bool given = false;
    QEventLoop* waiting = nullptr;
  };
  const auto answer = std::make_shared<Answer>();
  page()->runJavaScript(script, [answer](const QVariant& value) {
    answer->value = value;
    answer->given = true;
    if (answer->waiting != nullptr) answer->waiting->quit();
  });
  if (!answer->given) {
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    answer->waiting = &loop;
    limit.start(waitLimit);
    loop.exec();
    answer->waiting = nullptr;
  }
  return answer->given ? answer->value : QVariant();
}

std::string QtBrowser::DocumentOuterHtml() const {
  const QVariant html =
      Evaluate("document.documentElement ? document.documentElement.outerHTML : ''");
  return ToSjis(html.toString());
}

std::vector<std::string> QtBrowser::ImageAddresses() const {
  std::vector<std::string> addresses;
  for (const QVariant& image :
       Evaluate("Array.from(document.images, function (image) { return image.src; })").toList())
    addresses.push_back(ToSjis(image.toString()));
  return addresses;
}

void QtBrowser::WriteDocument(std::string_view html) {
  loading_ = true;
  writing_ = true;
  setHtml(FromSjis(html), QUrl("about:blank"));
  (void)WaitForLoad();
}

}  // namespace pellucor::app

#include "app/QtBrowser.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QUuid>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <memory>

#include "app/SjisText.h"

namespace pellucor::app {

namespace {

// The click listener, in a world of its own (the page's scripts neither see nor disturb it): on
// every click it reports the element, its link and its image as a console message, and while
// armed it holds a link's navigation back for the handler to decide. The report carries a key
// made for each browser, which the page's own scripts cannot read, so a page cannot forge one.
const char kClickListener[] = R"(
window.pellucorArmed = window.pellucorArmed || false;
document.addEventListener('click', function (event) {
  var element = event.target;
  if (!element || !element.tagName) return;
  var link = element.closest ? element.closest('a[href], area[href]') : null;
  var report = {
    tag: element.tagName.toUpperCase(),
    link: link ? link.href : '',
    image: element.tagName.toUpperCase() === 'IMG' ? element.src : ''
  };
  if (window.pellucorArmed && link) {
    event.preventDefault();
    event.stopPropagation();
  }
  console.log('pellucor-click:KEY:' + JSON.stringify(report));
}, true);
)";

}  // namespace

// The page asks its browser before a navigation of the main frame and for a new window.
class QtBrowser::Page : public QWebEnginePage {
 public:
  explicit Page(QtBrowser* browser) : QWebEnginePage(browser), browser_(browser) {}

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
    if (!isMainFrame || browser_->writing_ || !browser_->events_.beforeNavigate) return true;
    return browser_->events_.beforeNavigate(ToSjis(url.toString()));
  }
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                int line, const QString& source) override {
    if (message.startsWith(browser_->clickReport_)) {
      browser_->OnClick(message.mid(browser_->clickReport_.size()));
      return;
    }
    QWebEnginePage::javaScriptConsoleMessage(level, message, line, source);
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
  const QString key = QUuid::createUuid().toString(QUuid::Id128);
  clickReport_ = "pellucor-click:" + key + ":";
  QWebEngineScript listener;
  listener.setName("pellucor-click-listener");
  listener.setSourceCode(QString::fromLatin1(kClickListener).replace("KEY", key));
  listener.setInjectionPoint(QWebEngineScript::DocumentReady);
  listener.setWorldId(QWebEngineScript::ApplicationWorld);
  listener.setRunsOnSubFrames(false);
  page()->scripts().insert(listener);
  connect(this, &QWebEngineView::loadStarted, this, [this] { loading_ = true; });
  connect(this, &QWebEngineView::loadFinished, this, [this] {
    loading_ = false;
    writing_ = false;
    ArmClickListener();
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

void QtBrowser::SetEvents(const BrowserEvents& events) {
  events_ = events;
  ArmClickListener();
}

void QtBrowser::ArmClickListener() {
  page()->runJavaScript(QString("window.pellucorArmed = %1;").arg(events_.click ? "true" : "false"),
                        QWebEngineScript::ApplicationWorld);
}

void QtBrowser::OnClick(const QString& report) {
  if (!events_.click) return;
  const QJsonObject fields = QJsonDocument::fromJson(report.toUtf8()).object();
  const ClickedElement element{ToSjis(fields.value("tag").toString()),
                               ToSjis(fields.value("link").toString()),
                               ToSjis(fields.value("image").toString())};
  // The listener held the link back; the handler's yes follows it from here.
  if (events_.click(element) && !element.link.empty()) Navigate(element.link);
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

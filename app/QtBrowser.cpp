#include "app/QtBrowser.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
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

// Marks every occurrence of each word in the text the document shows, word after word. The
// marks of a word lie within the text node it was found in, so each text node that holds a word
// is marked with every word in list order, one node after the other, which leaves the same
// marks as a walk of the whole page per word. Text of scripts and styles is passed over, and
// so is that of hidden elements: whether an element is shown is asked before the first change
// (the page is laid out already), and a mark is shown as its element is, so the page is laid
// out again only once, to scroll the last mark into view. A word is found within one text node:
// the engine's search would also find one that a tag splits in two.
const char kMarkText[] = R"(
(function (marks) {
  var body = document.body;
  if (!body || body.tagName !== 'BODY') return 'none';
  var unseen = { SCRIPT: 1, STYLE: 1, NOSCRIPT: 1, TEMPLATE: 1, TEXTAREA: 1, TITLE: 1 };
  var wanted = marks.map(function (mark) { return mark[0].toLowerCase(); });
  try {
    var openings = marks.map(function (mark) {
      var template = document.createElement('template');
      template.innerHTML = mark[1] + '</span>';
      if (!template.content.firstChild) throw new Error('no mark');
      return template.content.firstChild;
    });
    var found = [];
    var shown = new Map();
    var walker = document.createTreeWalker(body, NodeFilter.SHOW_TEXT);
    for (var node = walker.nextNode(); node; node = walker.nextNode()) {
      var parent = node.parentElement;
      if (unseen[parent.nodeName]) continue;
      var lower = node.data.toLowerCase();
      if (!wanted.some(function (word) { return word !== '' && lower.indexOf(word) >= 0; }))
        continue;
      if (!shown.has(parent)) shown.set(parent, parent.getClientRects().length > 0);
      if (shown.get(parent)) found.push(node);
    }
    var last = null;
    var lastPlace = -1;
    found.forEach(function (node) {
      var pieces = [node];
      marks.forEach(function (mark, place) {
        var word = mark[0];
        if (word === '') return;
        var next = [];
        pieces.forEach(function (text) {
          for (;;) {
            var lower = text.data.toLowerCase();
            // A letter whose lower case is longer would shift the offsets: search as typed.
            var at = lower.length === text.data.length ? lower.indexOf(wanted[place])
                                                       : text.data.indexOf(word);
            if (at < 0) break;
            var piece = text.splitText(at);
            var rest = piece.splitText(word.length);
            var wrapper = openings[place].cloneNode(false);
            text.parentNode.replaceChild(wrapper, piece);
            wrapper.appendChild(piece);
            if (text.data !== '') next.push(text);
            next.push(piece);
            text = rest;
            if (place >= lastPlace) {
              last = wrapper;
              lastPlace = place;
            }
          }
          if (text.data !== '') next.push(text);
        });
        pieces = next;
      });
    });
    if (last) last.scrollIntoView({ block: 'nearest' });
    return 'marked';
  } catch (error) {
    return 'failed';
  }
})
)";

}  // namespace

// The page asks its browser before a navigation of the main frame and for a new window.
class QtBrowser::Page : public QWebEnginePage {
 public:
  explicit Page(QtBrowser* browser) : QWebEnginePage(browser), browser_(browser) {}

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
    if (!isMainFrame || browser_->writing_) return true;
    if (browser_->events_.beforeNavigate &&
        !browser_->events_.beforeNavigate(ToSjis(url.toString())))
      return false;
    // The document is about to be left: its clicks no longer reach the handler.
    browser_->DetachClickSink();
    return true;
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
    attached_ = true;  // a new document exists: its clicks reach the handler
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
  const bool armed = attached_ && events_.click;
  page()->runJavaScript(QString("window.pellucorArmed = %1;").arg(armed ? "true" : "false"),
                        QWebEngineScript::ApplicationWorld);
}

void QtBrowser::DetachClickSink() {
  attached_ = false;
  ArmClickListener();
}

void QtBrowser::OnClick(const QString& report) {
  if (!attached_ || !events_.click) return;
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

QVariant QtBrowser::Evaluate(const QString& script, ScriptWorld world) const {
  if (!WaitForLoad()) return {};
  // The page keeps the callback, which may answer after the wait gave up: what it writes to
  // lives as long as the callback, not in this frame.
  struct Answer {
    QVariant value;
    bool given = false;
    QEventLoop* waiting = nullptr;
  };
  const auto answer = std::make_shared<Answer>();
  const quint32 worldId =
      world == ScriptWorld::Page ? QWebEngineScript::MainWorld : QWebEngineScript::ApplicationWorld;
  page()->runJavaScript(script, worldId, [answer](const QVariant& value) {
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

MarkOutcome QtBrowser::MarkText(const std::vector<TextMark>& marks) {
  QJsonArray pairs;
  for (const TextMark& mark : marks)
    pairs.append(QJsonArray{FromSjis(mark.word), FromSjis(mark.openingTag)});
  const QString call = QString::fromLatin1(kMarkText) + "(" +
                       QString::fromUtf8(QJsonDocument(pairs).toJson(QJsonDocument::Compact)) + ")";
  // The program's own world: a page's scripts cannot change what the marking calls.
  const QString answer = Evaluate(call, ScriptWorld::Program).toString();
  if (answer == "marked") return MarkOutcome::Marked;
  if (answer == "none") return MarkOutcome::NoDocument;
  return MarkOutcome::Failed;
}

void QtBrowser::WriteDocument(std::string_view html) {
  loading_ = true;
  writing_ = true;
  setHtml(FromSjis(html), QUrl("about:blank"));
  (void)WaitForLoad();
}

}  // namespace pellucor::app

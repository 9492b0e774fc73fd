#include "app/PageWidgets.h"

#include <QLayout>
#include <QVBoxLayout>

#include "app/QtBrowser.h"
#include "app/QtTextView.h"

namespace pellucor::app {
namespace {

// Each browser and the page it fills.
struct BrowserPlace {
  const char* browser;
  const char* page;
};
constexpr BrowserPlace kBrowsers[] = {
    {"WebBrowserNSBase", "PGTab01LTab01SearchMain"},
    {"WebBrowserNSTarget", "PGTab01RTab01Target"},
    {"WebBrowserNSNewWindow", "PGTab01LTab03BrowserNewWindow"},
    {"WebBrowserDownload", "PGTab02LTab01WB"},
    {"WebBrowserDownloadResult", "PGTab02RTab00ResultBrowser"},
    {"WebBrowserDLIndividual", "PGTab02RTab07Individual"},
    {"WebBrowserIndividualImage", "PGTab02RTab08ImageIndividual"},
    {"WebBrowserConfirmLocalFile", "PGMainTab03LocalLeftTab01Browser"},
    {"WebBrowserFlashPlayer", "PGMainTab04FlashPlayer"},
    {"WebBrowserTreeExplorerLeft", "PGTabb05LPGMainTreeExplorerTab01Main"},
    {"WebBrowserTreeExplorerRight", "PGMainTab05TreeExplorerRightTab01FileContents"},
};

enum class ScrollBars { Both, Vertical };
enum class Wrap { Off, On };

// The views in the order the window makes them: each with the panel it fills, the page that
// panel lies on, its scroll bars and line wrapping, and its paragraphs' left indent.
struct ViewPlace {
  const char* view;
  const char* panel;
  const char* page;
  ScrollBars scrollBars;
  Wrap wrap;
  int leftIndent;
};
constexpr ViewPlace kViews[] = {
    {"RichEditExPGTab02RTab02HTMLSrc", "PanelPGTab02RTab02HTMLSrcBody", "PGTab02RTab02HTMLSrc",
     ScrollBars::Both, Wrap::Off, 0},
    {"RichEditExPGTab02LTab11InnerHTML", "PanelPGTab02LTab11InnerHTMLBody",
     "PGTab02LTab11InnerHTML", ScrollBars::Both, Wrap::Off, 0},
    {"RichEditExPGTab02LTab09LocalFileHTML", "PanelPGTab02LTab09LocalFileHTMLBody",
     "PGTab02LTab09LocalFileHTML", ScrollBars::Both, Wrap::Off, 0},
    {"RichEditExPGTab02LTab12OrgHTML", "PanelPGTab02LTab12OrgHTMLBody", "PGTab02LTab12OrgHTML",
     ScrollBars::Both, Wrap::Off, 0},
    {"RichEditExPGTab02RTab03HTMLOrg", "PanelPGTab02RTab03HTMLOrgBody", "PGTab02RTab03HTMLOrg",
     ScrollBars::Both, Wrap::Off, 0},
    {"RichEditExPGTab02RTab04PDownload", "PanelPGTab02RTab04PDownloadBody",
     "PGTab02RTab04PDownload", ScrollBars::Both, Wrap::Off, 0},
    {"RichEditExPGMainTab03LocalRightTab01HTMLSrc", "PanelPGMainTab03LocalRightTab01HTMLSrcBody",
     "PGMainTab03LocalRightTab01HTMLSrc", ScrollBars::Both, Wrap::Off, 0},
    {"RichEditExPGMainTab03LocalLeftTab05OuterHTML", "PanelPGMainTab03LocalLeftTab05OuertHTML",
     "PGMainTab03LocalLeftTab05OuertHTML", ScrollBars::Both, Wrap::Off, 0},
    {"RichEditExPGMainTab03LocalRightTab02OuterHTML",
     "PanelPGMainTab03LocalRightTab02OuterHTMLBody", "PGMainTab03LocalRightTab02OuterHTML",
     ScrollBars::Both, Wrap::Off, 0},
    {"RichEditExPGMainTab03LocalLeftTab02TotalCSSJS",
     "PanelPGMainTab03LocalLeftTab02TotalCSSJSBody", "PGMainTab03LocalLeftTab02TotalCSSJS",
     ScrollBars::Both, Wrap::Off, 0},
    {"RichEditExPGMainTab03LocalLeftTab06OrgHTML", "PanelPGMainTab03LocalLeftTab06OrgHTMLBody",
     "PGMainTab03LocalLeftTab06OrigHTML", ScrollBars::Both, Wrap::Off, 0},
    {"RichEditExPGMainTab03LocalLeftTab04ImageList", "PanelPGMainTab03LocalLeftTab04ImageList",
     "PGMainTab03LocalLeftTab04ImageList", ScrollBars::Both, Wrap::Off, 0},
    {"RichEditExPGMainTab03LocalLeftTab07CSS", "PanelPanelPanelPGMainTab03LocalLeftTab07CSSLeft",
     "PGMainTab03LocalLeftTab07CSS", ScrollBars::Both, Wrap::Off, 0},
    {"RichEditExPGMainTab03LocalLeftTab08JS", "PanelPanelPGMainTab03LocalLeftTab08JSLeft",
     "PGMainTab03LocalLeftTab08JS", ScrollBars::Vertical, Wrap::On, 0},
    {"RichEditExPGMainTab03LocalRightTab04Ref", "PanelPGMainTab03LocalRightTab04RefLeft",
     "PGMainTab03LocalRightTab04Ref", ScrollBars::Vertical, Wrap::On, 0},
    {"RichEditExPGMainRTabb05TreeExplorer", "PanelPanelPGMainRTabb05TreeExplorerRightBottom",
     "PGMainTab05TreeExplorerRightTab01FileContents", ScrollBars::Both, Wrap::On, 10},
};

// The window's plain views (no line numbers), on their pages: two file lists and the Flash
// page's source.
struct ListPlace {
  const char* view;
  const char* page;
};
constexpr ListPlace kFileLists[] = {
    {"RichEditPGMainTab03LocalLeftTab03FileList", "PGMainTab03LocalLeftTab03FileList"},
    {"RichEditPGMainTab03LocalRightTab03FileList", "PGMainTab03LocalRightTab03RightFileList"},
    {"RichEditPGMainTab04FlushPlayer", "PGMainTab04FlashPlayer"},
};

// The views whose left and right margins the window widens for their lists.
constexpr const char* kListMargins[] = {
    "RichEditPGMainTab03LocalLeftTab03FileList",
    "RichEditPGMainTab03LocalRightTab03FileList",
    "RichEditExPGMainTab03LocalLeftTab04ImageList",
};

// The layout a page or panel lays its children out with; made when it has none.
QLayout* LayoutOf(QWidget& widget) {
  if (widget.layout() == nullptr) {
    auto* layout = new QVBoxLayout(&widget);
    layout->setContentsMargins(0, 0, 0, 0);
  }
  return widget.layout();
}

QWidget& Fill(QWidget& place, QWidget* child) {
  LayoutOf(place)->addWidget(child);
  if (auto* box = qobject_cast<QBoxLayout*>(place.layout())) box->setStretchFactor(child, 1);
  return *child;
}

}  // namespace

PageWidgets::PageWidgets(QWidget& window) {
  const auto page = [&window](const char* name) -> QWidget& {
    auto* found = window.findChild<QWidget*>(name);
    // The tabs are built before this; a missing page is a fault of the window's own tables.
    Q_ASSERT_X(found != nullptr, "PageWidgets", name);
    return found != nullptr ? *found : window;
  };
  for (const BrowserPlace& place : kBrowsers) {
    QWidget& parent = page(place.page);
    auto* browser = new QtBrowser(place.browser, &parent);
    Fill(parent, browser);
    browsers_.emplace(place.browser, browser);
  }
  for (const ViewPlace& place : kViews) {
    QWidget& parentPage = page(place.page);
    auto* panel = new QWidget(&parentPage);
    panel->setObjectName(place.panel);
    Fill(parentPage, panel);
    auto* view = new QtTextView(place.view, panel);
    Fill(*panel, view);
    view->setLineWrapMode(place.wrap == Wrap::On ? QPlainTextEdit::WidgetWidth
                                                 : QPlainTextEdit::NoWrap);
    view->setHorizontalScrollBarPolicy(
        place.scrollBars == ScrollBars::Both ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    if (place.leftIndent != 0) view->SetMargins(place.leftIndent, 0);
    views_.emplace(place.view, view);
  }
  for (const ListPlace& place : kFileLists) {
    QWidget& parent = page(place.page);
    auto* view = new QtTextView(place.view, &parent, LineNumbers::Hidden);
    Fill(parent, view);
    views_.emplace(place.view, view);
  }
  for (const char* name : kListMargins)
    View(name)->SetMargins(40, 30);
}

QtBrowser* PageWidgets::Browser(std::string_view name) const {
  const auto found = browsers_.find(name);
  return found != browsers_.end() ? found->second : nullptr;
}

QtTextView* PageWidgets::View(std::string_view name) const {
  const auto found = views_.find(name);
  return found != views_.end() ? found->second : nullptr;
}

void PageWidgets::BlankAllBrowsers() {
  for (const auto& [name, browser] : browsers_)
    browser->Navigate("about:blank");
}

}  // namespace pellucor::app

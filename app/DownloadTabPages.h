#pragma once

class QBoxLayout;
class QWidget;

// The download tab's tool rows and single-file pages, with their controls by name; the tab's
// layout places them and the window's page widgets add the browsers below them.
namespace pellucor::app {

/// The top panel's buttons that hand pages to the HTML viewer and arrange the two browsers.
QWidget* BuildDownloadViewButtons(QWidget* parent);
/// The frame address's buttons and the choice of what a click on a frame does.
QWidget* BuildFrameTools(QWidget* parent);
/// The labels naming the page navigated last.
QWidget* BuildNamingLabels(QWidget* parent);
/// The run's per-page options that the top panel's option column lacks.
void AddDownloadRunOptions(QBoxLayout& column, QWidget* parent);
/// Above the web page: back, home, the URL copied, pasted or opened, the link option.
void FillWebPageBar(QWidget& page);
/// Above the saved page: back, home, open, the HTML viewer, the link option.
void FillLocalPageBar(QWidget& page);
/// " Java実行後の内部HTML ": the buttons that take, save and copy the document after its scripts.
void FillInnerHtmlPage(QWidget& page);
/// " ｵﾘｼﾞﾅﾙWebHTML ": the button that shows the local page in the HTML viewer.
void FillOriginalHtmlPage(QWidget& page);
/// " Redirect前のWebHTML  ": the page's text as first read, before a redirect was followed.
void FillFirstPage(QWidget& page);
/// " CSS/JSﾃｷｽﾄ  ": the style sheet or script text with its file and charset.
void FillStyleSheetTextPage(QWidget& page);
/// " CSS/JSﾀﾞｳﾝﾛｰﾄﾞ ": the text workbench's boxes, buttons, choices and memo.
void FillTextWorkbench(QWidget& page);
/// " Imageﾀﾞｳﾝﾛｰﾄﾞ ": the image workbench's boxes and buttons.
void FillImageWorkbench(QWidget& page);
/// The result panes' columns: tab stops and the width a line scrolls to.
void SetResultPaneTabStops(QWidget& tab);

}  // namespace pellucor::app

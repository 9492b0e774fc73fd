// Showing a page on the download tab: the browser is sent to it while its text is read.
#include "download/DownloadEngine.h"
#include "download/DownloadMessages.h"
#include "html/HtmlFormatter.h"
#include "html/SaveCharset.h"
#include "text/CodePage932.h"
#include "text/ShiftJis.h"
#include "text/TextTrim.h"
#include "web/Fetch.h"
#include "web/LocalPath.h"
#include "web/UrlForms.h"
#include "web/UrlKinds.h"

namespace pellucor {

bool DownloadEngine::WBDLNavigate(std::string_view url, std::string_view saveFolder, int mode) {
  if (!IsWebUrl(url)) return false;
  run.InnerHtml.clear();
  run.InnerPath.clear();
  if (mode == 0) {
    DLClearRichEditListBox();
    host_.downloadBrowser.Navigate(url);
    host_.pump.ProcessPendingEvents();
  } else {
    host_.downloadBrowser.Navigate(url);
  }

  // The page's text gives the source views and, formatted, the head that a run from the
  // browser's document builds on. A run of the page as fetched (mode 0 without the inner HTML
  // option) has read the page already and makes the head anew from it: without views, there is
  // nothing to do here for it.
  if (pageTextViews || mode != 0 || tab.CheckBoxDLDownloadinnerHTML) {
    std::string text = UnifyLineEnds(fetcher_.ReadUrlText(url));
    if (pageTextViews) {
      tab.RichEditExPGTab02LTab12OrgHTML = text;
      tab.RichEditExPGTab02RTab03HTMLOrg = text;
      tab.RichEditExPGTab02RTab04PDownload = text;
    }
    ConvertedText converted = HTMLToShiftJIS(text);
    std::string().swap(text);
    std::string formatted = std::move(converted.text);
    FormatHTMLSourceIn(formatted);
    if (const std::size_t body = FindText(formatted, "<body", CaseMode::Exact);
        body != std::string::npos)
      run.FetchedHeadHtml = formatted.substr(0, body);
    if (pageTextViews) tab.RichEditExPGTab02RTab02HTMLSrc = std::move(formatted);
  }

  tab.LabelUrlRoot = UrlRoot(url);
  tab.LabelUrlPageFile = UrlDirPath(url);
  tab.LabelLocaFilename = UrlPathPart(url);
  tab.LabelWinFiename =
      UrlToLocalPath(url, saveFolder, static_cast<UrlDecodeMode>(tab.RadioGroupDLUrlWebDecode));
  tab.LabelWebBrowserUrl = std::string(url);
  tab.LabelWebDownloadHTMLSrc = std::string(url);

  host_.resultBrowser.Navigate("about:blank");
  tab.WindowCaption = SjisFromUtf8Literal(download_messages::kDownloadCaptionOpen) +
                      std::string(url) +
                      SjisFromUtf8Literal(download_messages::kDownloadCaptionClose);
  return true;
}

void DownloadEngine::DLClearRichEditListBox() {
  for (std::string* view : {&tab.RichEditExPGTab02LTab11InnerHTML,
                            &tab.RichEditExPGTab02LTab09LocalFileHTML,
                            &tab.RichEditExPGTab02LTab12OrgHTML,
                            &tab.RichEditExPGTab02RTab03HTMLOrg,
                            &tab.RichEditExPGTab02RTab04PDownload,
                            &tab.RichEditWebPageDownloadHTMLFirst,
                            &tab.MemoPGTab02RTab06CSSJS,
                            &tab.ComboBoxWBBrowserSearch,
                            &tab.ComboBoxWebLocalKW,
                            &tab.ComboBoxDLInnerKW,
                            &tab.ComboBoxWebOrgKW,
                            &tab.EditPGTab02RTab07IndividualUrl,
                            &tab.BtnEditPGTab02RTab07IndividualFilename,
                            &tab.EditPGTab02RTab08ImageIndividualUrl,
                            &tab.BtnEditPGTab02RTab08ImageIndividualFilename,
                            &tab.LabelLocalBrowserUrl,
                            &tab.LabelWebOrgKW,
                            &tab.LabelLocalHTMLSrc,
                            &tab.LabelDLLocalKW,
                            &tab.LabelDLWebinnerKW,
                            &tab.LabeWeblBrowserUrl,
                            &tab.LabelWebDownloadHTMLSrc,
                            &tab.LabelWebKW,
                            &tab.LabelDLCSSJSWinFilename})
    view->clear();
  for (std::vector<std::string>* list :
       {&tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS, &tab.ListBoxListDLLocalHTMLSrc,
        &tab.ListBoxListDLWebInnerHTMLSrc, &tab.ListBoxDownloadOrgHTMLSrc, &tab.ListBoxIEImage})
    list->clear();
}

}  // namespace pellucor

// The running and idle states of the tab's buttons, and the clearing of the tab.
#include "download/DownloadEngine.h"

namespace pellucor {

void DownloadEngine::DLButtonDisable() {
  tab.btnDownloadAllEnabled = false;
  tab.btnDLOpenFramesetEnabled = false;
  tab.sbWinFileIEEnabled = false;
  tab.sbWinFileDualScreenEnabled = false;
  tab.sbDLSingleScreenEnabled = false;
  tab.btnDownloadStopEnabled = true;
  tab.btnDownloadStopBold = true;
}

void DownloadEngine::DLButtonEnable() {
  tab.btnDownloadAllEnabled = true;
  tab.btnDLOpenFramesetEnabled = true;
  tab.sbWinFileIEEnabled = true;
  tab.sbWinFileDualScreenEnabled = true;
  tab.sbDLSingleScreenEnabled = true;
  tab.btnDownloadStopEnabled = false;
  tab.btnDownloadStopBold = false;
  host_.pump.SetBusyCursor(BusyCursor::Off);
}

void DownloadEngine::DLClearEditText(int mode) {
  if (mode == 0) tab.ComboBoxWBUrl.clear();
  if (mode == 0 || mode == 1) tab.BtnEditWBPageSaveFolder.clear();
  tab.BtnEditWBLocalFilename.clear();
  host_.downloadBrowser.Navigate("about:blank");
  tab.RichEditExPGTab02RTab02HTMLSrc.clear();
  tab.RichEditExPGTab02LTab12OrgHTML.clear();
  tab.RichEditExPGTab02RTab03HTMLOrg.clear();
}

void DownloadEngine::DLClearPageFile(int mode) {
  run.PagePath.clear();
  run.FlatPagePath.clear();
  run.AsFetchedPath.clear();
  if (mode == 0) {
    run.ConvertedHtml.clear();
    run.FetchedHtmlSize = 0;
  }
}

void DownloadEngine::DLClearLabel() {
  tab.LabelDownloadedFileCount.clear();
  tab.LabelDownloadedFile.clear();
  tab.StatusBarDLBaseBrowser[3].clear();
  host_.pump.ProcessPendingEvents();
}

void DownloadEngine::DLClearListBox(int mode) {
  if (mode == 0) {
    for (std::vector<std::string>* list : {
             &tab.ListBoxPGTab02LTab02PageWebCSS,
             &tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS,
             &tab.ListBoxPGTab02LTab03PageImage,
             &tab.ListBoxPGTab02LTab03PageImageDownloaedImage,
             &tab.ListBoxPGTab02LTab04DLCSSFileImportCSS,
             &tab.ListBoxPGTab02LTab04ImportCSSFileDownloaedCSSJS,
             &tab.ListBoxPGTab02LTab05UseRoot,
             &tab.ListBoxPGTab02LTab06DLImportCSSImage,
             &tab.ListBoxPGTab02LTab06DLImageNotFound,
             &tab.ListBoxPGTab02LTab07DLAllCSSFileImportCSS,
             &tab.ListBoxPGTab02LTab07AllImportCSSFileDownloaedCSSJS,
             &tab.ListBoxPGTab02LTab08UnkownImage,
             &tab.ListBoxPGTab02LTab09LHref,
         })
      list->clear();
  }
  for (SortedTextList* list :
       {&run.CandidateList, &run.HostList, &run.SwfList, &run.HeadLinkList, &run.ScriptRowList,
        &run.ImageRowList, &run.PlaceholderList, &run.SheetRefList})
    list->Clear();
}

void DownloadEngine::DLClearTextBox(int) {
  tab.RichEditExPGTab02RTab02HTMLSrc.clear();
  tab.RichEditExPGTab02LTab12OrgHTML.clear();
  tab.RichEditExPGTab02RTab03HTMLOrg.clear();
  tab.RichEditExPGTab02RTab04PDownload.clear();
  tab.RichEditWebPageDownloadHTMLFirst.clear();
}

void DownloadEngine::LabelInitialize() {
  for (std::string* label :
       {&tab.LabelDownloadedFileCount, &tab.LabelDownloadedFile, &tab.LabelLocalBrowserUrl,
        &tab.LabelLocalHTMLSrc, &tab.LabelWebDownloadHTMLSrc, &tab.LabelUrlRoot,
        &tab.LabelUrlPageFile, &tab.LabelLocaFilename, &tab.LabelWinFiename})
    label->clear();
  tab.MemoPGTab02RTab07Individual.clear();
}

void DownloadEngine::DLSettingsInitialize() {
  tab.BtnEditWBPageSaveFolder.clear();
  tab.BtnEditWBLocalFilename.clear();
  tab.EditWBBasePageLocalFimename.clear();
  for (bool* option :
       {&tab.CheckBoxDontEmptyFolder, &tab.CheckBoxDonttSaveImage, &tab.CheckBoxDLDownloadinnerHTML,
        &tab.CheckBoxDLsaveThisname, &tab.CheckBoxDLDecodeFilename,
        &tab.CheckBoxTopDirectoryForUnkwon, &tab.CheckBoxDontWebListClear,
        &tab.CheckBoxDLDontMakeCSSlist, &tab.CheckBoxDLCSSOnly})
    *option = false;
}

void DownloadEngine::TakeOverUrl(std::string_view url) {
  tab.LabelWebBrowserUrl = std::string(url);
  tab.ComboBoxWBUrl = std::string(url);
  tab.HomeUrl = std::string(url);
  DLClearLabel();
  LabelInitialize();
  DLClearListBox(0);
  DLSettingsInitialize();
  (void)WBDLNavigate(url, "", 1);
}

void DownloadEngine::DLScreenRestore() {
  tab.BtnEditWBPageSaveFolder.clear();
  tab.BtnEditWBLocalFilename.clear();
  tab.LeftTabShown = "PGTab02LTab01WB";
  tab.RightTabShown = "PGTab02RTab02HTMLSrc";
}

}  // namespace pellucor

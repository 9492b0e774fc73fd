#pragma once

#include <array>
#include <string>
#include <vector>

// The download tab's controls as values, under the controls' own names, so that the desktop
// binds each widget to its member by object name and the command line sets them from options.
namespace pellucor {

struct DownloadTab {
  // The request.
  std::string ComboBoxWBUrl;
  std::vector<std::string> ComboBoxWBUrlItems;  // the URL history of the box
  std::string BtnEditWBPageSaveFolder;          // ends with "/"
  std::string BtnEditWBLocalFilename;
  std::string EditWBBasePageLocalFimename;  // the hidden base page file box
  std::string BtnEditConfirmLocalHTMLFile;
  std::string BtnEditLocalFileOrgHTML;
  std::string EditDLSaveFilename;
  std::string EditDLTopDummyDirectory;
  std::string EditTopPageHTMLFilename = "index.html";
  // Individual downloads and the keyword boxes of the tab's views.
  std::string EditFrameLinkUrl;  // the frame address the frame commands act on
  std::string EditPGTab02RTab07IndividualUrl;
  std::string BtnEditPGTab02RTab07IndividualFilename;
  std::string EditPGTab02RTab08ImageIndividualUrl;
  std::string BtnEditPGTab02RTab08ImageIndividualFilename;
  std::string ComboBoxWBBrowserSearch;
  std::string ComboBoxWebKW;
  std::string ComboBoxWebLocalKW;
  std::string ComboBoxDLInnerKW;
  std::string ComboBoxWebOrgKW;
  // Report paths, filled by the report stage.
  std::string BtnEditLocalFileCSSJSList;
  std::string BtnEditLocalFileTotalCSSJS;
  std::string BtnEditLocalFileImageList;

  // Options.
  bool CheckBoxDontEmptyFolder = false;
  bool CheckBoxDonttSaveImage = false;
  bool CheckBoxDLDontMakeCSSlist = false;
  bool CheckBoxDLDownloadinnerHTML = false;
  bool CheckBoxDLsaveThisname = false;
  bool CheckBoxTopDirectoryForUnkwon = false;
  bool CheckBoxDLCSSOnly = false;
  bool CheckBoxLocalDontLoad = false;
  bool CheckBoxDontWebListClear = false;
  bool CheckBoxDLWebChageUrl = false;
  bool CheckBoxDLLocalChageUrl = false;
  bool CheckBoxDLDecodeFilename = false;
  int RadioGroupDLUrlWebDecode = 4;
  int RadioGroupDLMainHTMLCharSet = 0;
  int RadioGroupDLCSSJSCharSet = 0;
  int RadioGroupRemoveBaseHref = 0;
  int RadioGroupDLHTMLDQSlash = 1;
  int RadioGroupRemoveOtherDmain = 1;
  int RadioGroupDLFilnalOpenIE = 1;
  int RadioGroupDLFrameDownload = 0;
  // The workbenches: the charset of a text read and of a text saved, the display choice (0
  // automatic, 1 text, 2 image), and the charset of a fetched style sheet opened from its pane.
  int RadioGroupDLIndividualCode = 0;
  int RadioGroupDLIndividualCodeSaveFile = 0;
  int RadioGroupDLIndividualScreen = 0;
  int RadioGroupDLCSSJSCode = 0;
  // Options only the settings file and the tab's switching read.
  int RadioGroupInitialLoad = 0;    // 1: navigate to the stored URL at start
  int RadioGroupDLBaseLevel = 0;    // hidden
  int RadioGroupDLMaskUrlRoot = 1;  // remove the root of links in generated pages
  bool CheckBoxDLDontReDraw = false;
  bool CheckBoxDLRemoveDomain = false;  // hidden

  // Labels and the status bar.
  std::string LabelDownloadedFileCount;
  std::string LabelDownloadedFile;
  std::string LabelLocalBrowserUrl;
  std::string LabelWebBrowserUrl;
  std::string LabelUrlRoot;
  std::string LabelUrlPageFile;
  std::string LabelLocaFilename;
  std::string LabelWinFiename;
  std::string LabelWebDownloadHTMLSrc;
  std::string LabelLocalHTMLSrc;
  std::string LabelWebOrgKW;
  std::string LabelDLLocalKW;
  std::string LabelDLWebinnerKW;
  std::string LabeWeblBrowserUrl;
  std::string LabelWebKW;
  std::string LabelDLCSSJSWinFilename;
  std::array<std::string, 4> StatusBarDLBaseBrowser;

  // Source views; the desktop colours those that show HTML.
  std::string RichEditWebPageDownloadHTMLFirst;
  std::string RichEditExPGTab02RTab04PDownload;
  std::string RichEditExPGTab02RTab02HTMLSrc;
  std::string RichEditExPGTab02LTab12OrgHTML;
  std::string RichEditExPGTab02RTab03HTMLOrg;
  std::string RichEditExPGTab02LTab09LocalFileHTML;
  std::string RichEditExPGTab02LTab11InnerHTML;
  std::string MemoPGTab02RTab06CSSJS;
  std::string MemoPGTab02RTab07Individual;  // the text workbench's file, in Shift_JIS

  // The resource list boxes of the left page control.
  std::vector<std::string> ListBoxPGTab02LTab02PageWebCSS;
  std::vector<std::string> ListBoxPGTab02LTab02PageFileDownloaedCSSJS;
  std::vector<std::string> ListBoxPGTab02LTab03PageImage;
  std::vector<std::string> ListBoxPGTab02LTab03PageImageDownloaedImage;
  std::vector<std::string> ListBoxPGTab02LTab04DLCSSFileImportCSS;
  std::vector<std::string> ListBoxPGTab02LTab04ImportCSSFileDownloaedCSSJS;
  std::vector<std::string> ListBoxPGTab02LTab05UseRoot;
  std::vector<std::string> ListBoxPGTab02LTab06DLImportCSSImage;
  std::vector<std::string> ListBoxPGTab02LTab06DLImageNotFound;
  std::vector<std::string> ListBoxPGTab02LTab07DLAllCSSFileImportCSS;
  std::vector<std::string> ListBoxPGTab02LTab07AllImportCSSFileDownloaedCSSJS;
  std::vector<std::string> ListBoxPGTab02LTab08UnkownImage;
  std::vector<std::string> ListBoxPGTab02LTab09LHref;
  // Other lists of the tab.
  std::vector<std::string> ListBoxIEImage;
  std::vector<std::string> ListBoxDownloadHTMLSrc;
  std::vector<std::string> ListBoxListDLLocalHTMLSrc;
  std::vector<std::string> ListBoxListDLWebInnerHTMLSrc;
  std::vector<std::string> ListBoxDownloadOrgHTMLSrc;
  std::vector<std::string> ListBoxWBInFrameFileList;
  std::vector<std::string> ListBoxPGTab02LTab04ImportHTMLCSSForBase;
  std::vector<std::string> ListBoxPGTab02LTab04ImportHTMLSWF;

  // Buttons: enabled states of a running or idle engine.
  bool btnDownloadAllEnabled = true;
  bool btnDLOpenFramesetEnabled = true;
  bool sbWinFileIEEnabled = true;
  bool sbWinFileDualScreenEnabled = true;
  bool sbDLSingleScreenEnabled = true;
  bool btnDownloadStopEnabled = false;
  bool btnDownloadStopBold = false;

  // The tabs shown in the left and right page controls, and the window caption.
  std::string LeftTabShown = "PGTab02LTab01WB";
  std::string RightTabShown = "PGTab02RTab02HTMLSrc";
  std::string WindowCaption;
  /// The URL last handed over from the net search: the home of the home command.
  std::string HomeUrl;
};

}  // namespace pellucor

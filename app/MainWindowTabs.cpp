#include "app/MainWindowTabs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "app/ControlFactory.h"
#include "app/DownloadTabPages.h"
#include "app/RadioGroup.h"

namespace pellucor::app {

QWidget* BuildDownloadTab(QWidget* parent) {
  QWidget* page = Page("PGMainTab02Dowload", parent);
  QWidget* top = Panel("PanelDLPGMainTabTop", page);
  auto* topLayout = new QVBoxLayout(top);
  topLayout->setContentsMargins(2, 2, 2, 2);
  auto* request = new QGridLayout();
  // The two captions of the request answer a click (the URL's root, a text file read).
  request->addWidget(Named(Caption("ＵＲＬ ：", top), "LabelWBDLUrl"), 0, 0);
  request->addWidget(Combo("ComboBoxWBUrl", top), 0, 1);
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(Button("sbDLNavigate", "Go", "ﾅﾋﾞｹﾞｰﾄ", top));
  buttons->addWidget(Button("sbDLDecodeUrl", "ﾃﾞｺｰﾄﾞ", "Ｗｅｂデコード", top));
  buttons->addWidget(Button("sbDLCollapse", "▲▼", "ﾄｯﾌﾟ・ﾊﾟﾈﾙの高さの変更", top));
  buttons->addWidget(CloseButton("sbDLClose", top));
  request->addLayout(buttons, 0, 2);
  request->addWidget(Named(Caption("保存ﾌｫﾙﾀﾞｰ", top), "LabelDLClearListBox"), 1, 0);
  request->addWidget(Edit("BtnEditWBPageSaveFolder", top), 1, 1);
  auto* folderButtons = new QHBoxLayout();
  folderButtons->addWidget(Button("btnHTMLPageSaveFolder", "…", "保存ﾌｫﾙﾀﾞｰの設定", top));
  folderButtons->addWidget(Button("sbDLFolderlClear", "ｸﾘｱ", "入力ﾎﾞｯｸｽのｸﾘｱ", top));
  folderButtons->addWidget(Button("sbDLGetInnerHTML", "内部HTML", "内部ＨＴＭＬの取得", top));
  folderButtons->addWidget(Button("sbDLHTTPGet", "HTTP", "ＨＴＴＰｇｅｔ", top));
  folderButtons->addStretch(1);
  request->addLayout(folderButtons, 1, 2);
  request->addWidget(Caption("ﾌｧｲﾙ名", top), 2, 0);
  request->addWidget(Edit("BtnEditWBLocalFilename", top), 2, 1);
  QLineEdit* basePage = Edit("EditWBBasePageLocalFimename", top);
  basePage->hide();
  auto* fileButtons = new QHBoxLayout();
  fileButtons->addWidget(basePage);
  fileButtons->addWidget(BuildDownloadViewButtons(top));
  request->addLayout(fileButtons, 2, 2);
  topLayout->addLayout(request);
  // The run's commands and its progress.
  auto* run = new QHBoxLayout();
  for (const auto& [name, caption] :
       {std::pair{"btnDownloadAll",
                  "「 ﾌｫﾙﾀﾞ 」を指定/作成して ” HTML/CSS/JS/Image ” をﾀﾞｳﾝﾛｰﾄﾞする"},
        std::pair{"btnDownloadStop", "ﾀﾞｳﾝﾛｰﾄﾞ中止"},
        std::pair{"btnDLSaveHTMLOnly", "HTMLのみ再生成・保存する "},
        std::pair{"btnDLOpenFrameset",
                  "【 frameset / iframe 】で保存した場合に【 ﾍﾞｰｽ・ﾍﾟｰｼﾞHTML 】で ＩＥ を起動"}}) {
    auto* button = Named(new QPushButton(top), name);
    // The long captions are shortened at their end and read in full from the hint, so the four
    // buttons stay side by side.
    button->setToolTip(U(caption));
    button->setText(button->fontMetrics().elidedText(U(caption), Qt::ElideRight, 240));
    run->addWidget(button);
  }
  run->addWidget(Named(new QLabel(top), "LabelDownloadedFileCount"));
  auto* current = Named(new QLabel(top), "LabelDownloadedFile");
  current->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  run->addWidget(current, 1);
  topLayout->addLayout(run);

  // The download settings, side by side and scrolled sideways in the top panel.
  auto* scroll = new QScrollArea(top);
  scroll->setWidgetResizable(true);
  auto* settings = new QWidget(scroll);
  auto* row = new QHBoxLayout(settings);
  auto* names = new QWidget(settings);
  auto* nameGrid = new QGridLayout(names);
  const std::pair<const char*, const char*> nameBoxes[] = {
      {"EditDLSaveFilename", "保存ﾌｧｲﾙ名"},
      {"EditTopPageHTMLFilename", "ﾄｯﾌﾟﾍﾟｰｼﾞ名"},
      {"EditDLTopDummyDirectory", "ﾀﾞﾐｰ・ﾌｫﾙﾀﾞｰ"},
      {"EditFrameLinkUrl", "ﾌﾚｰﾑのUrl"},
  };
  int line = 0;
  for (const auto& [name, caption] : nameBoxes) {
    nameGrid->addWidget(Caption(caption, names), line, 0);
    nameGrid->addWidget(Edit(name, names), line++, 1);
  }
  nameGrid->addWidget(BuildFrameTools(names), line, 0, 1, 2);
  auto* options = new QWidget(settings);
  auto* optionColumn = new QVBoxLayout(options);
  optionColumn->addWidget(Check("CheckBoxDontEmptyFolder",
                                "ﾀﾞｳﾝﾛｰﾄﾞに先立って、「保存ﾌｫﾙﾀﾞ」を【 空 】にしない  ", options));
  optionColumn->addWidget(
      Check("CheckBoxDonttSaveImage", "【 ｲﾒｰｼﾞ・ﾌｧｲﾙ 】を保存しない", options));
  optionColumn->addWidget(Check("CheckBoxDLDontMakeCSSlist", "CSS/JS統合ﾘｽﾄを作成しない", options));
  optionColumn->addWidget(Check("CheckBoxDLCSSOnly", "CSSのみ統合する ", options));
  optionColumn->addWidget(
      Check("CheckBoxDLDontReDraw", "ﾀﾌﾞを替えたらUrlのﾍﾟｰｼﾞを再表示する", options));
  AddDownloadRunOptions(*optionColumn, options);
  QCheckBox* removeDomain = Check("CheckBoxDLRemoveDomain", "ﾄﾞﾒｲﾝを除く", options);
  removeDomain->hide();  // a hidden option
  optionColumn->addWidget(removeDomain);
  row->addWidget(names);
  row->addWidget(options);
  row->addWidget(BuildNamingLabels(settings));
  row->addWidget(Radio("RadioGroupDLFilnalOpenIE", "ﾀﾞｳﾝﾛｰﾄﾞ後の表示",
                       {"Webﾍﾟｰｼﾞを【 右 】に表示", "ﾀﾞｳﾝﾛｰﾄﾞしたﾛｰｶﾙﾍﾟｰｼﾞを【 右 】に表示",
                        "ＩＥを起動し、【 新しいウィンドウ 】に表示"},
                       settings));
  row->addWidget(Radio("RadioGroupInitialLoad", "起動時の自動的にﾅﾋﾞｹﾞｰﾄ",
                       {"何もしない", "設定されたUrlのﾍﾟｰｼﾞをﾅﾋﾞｹﾞｰﾄ"}, settings));
  row->addWidget(Radio("RadioGroupDLMaskUrlRoot", "ﾙｰﾄの処理",
                       {"何もしない（ そのまま残す ）", "【 ﾙｰﾄ http：//ﾄﾞﾒｲﾝ/　】を除く"},
                       settings));
  row->addWidget(Radio("RadioGroupRemoveOtherDmain", "他のﾄﾞﾒｲﾝの処理",
                       {"何もしない（ そのまま残す ）", "【 http:：//ﾄﾞﾒｲﾝ/ 】を除く"}, settings));
  row->addWidget(
      Radio("RadioGroupRemoveBaseHref", " 【 <base href=”ｈｔｔｐ：//・・ ” 】の処理 ",
            {"【 Windows 】のＰａｔｈに変更する【 警告 】", "【 Windows 】のＰａｔｈに変更する",
             "【 <base href=”http:：//・・/  】を除いて、CSSを変更する",
             "【 <base href=\"http:：//・・/  】を除くのみ"},
            settings));
  row->addWidget(Radio("RadioGroupDLHTMLDQSlash", " 「　”／　” ， ”．．／” 」の処理 ",
                       {"何もしない", "「 ”／　」　，「”．．／ ｝を除く"}, settings));
  row->addWidget(Radio("RadioGroupDLUrlWebDecode", " UrlのWebﾃﾞｺｰﾄﾞ ",
                       {"何もしない", "16進UTF-8", "16進EUC", "Web16進ｺｰﾄﾞ ",
                        "【 %25 】を除去して16進UTF-8", "Base64ｺｰﾄﾞ"},
                       settings));
  for (const auto& [name, caption] :
       {std::pair{"RadioGroupDLMainHTMLCharSet", " 【 HTML 】の文字コード（ Charset ） "},
        std::pair{"RadioGroupDLCSSJSCharSet", " 【 ＣＳＳ／ＪＳ 】 の文字コード（ Charset ） "}})
    row->addWidget(Radio(name, caption,
                         {"自動", "EUC-JP", "UTF-8", "Shift_JIS", "ISO-2022-JP", "UTF-8N"},
                         settings));
  RadioGroup* baseLevel =
      Radio("RadioGroupDLBaseLevel", "", {"なし", "．．/", "．．/．．/"}, settings);
  baseLevel->hide();  // a hidden option
  row->addWidget(baseLevel);
  row->addStretch(1);
  scroll->setWidget(settings);
  topLayout->addWidget(scroll, 1);

  auto* splitter = new QSplitter(Qt::Horizontal, page);
  QTabWidget* left = SubTabs("PGTab02L",
                             {{"PGTab02LTab01WB", " Webﾍﾟｰｼﾞの閲覧 "},
                              {"PGTab02LTab02PageCSSJS", " PageCSS/JS"},
                              {"PGTab02LTab03LPageImage", "PageImage"},
                              {"PGTab02LTab04CSSFileImportCSS", " CSSFileImportCSS "},
                              {"PGTab02LTab05UseRoot", " UseRoot Page(CSS/image)  "},
                              {"PGTab02LTab06ImportCSSImage", " ImportCSSImage"},
                              {"PGTab02LTab07AllImportCSSJS", " AllImportCSSJS "},
                              {"PGTab02LTab08InnerCSSImage", " InnerCSSImage"},
                              {"PGTab02LTab09HrefList", " HrefList"},
                              {"PGTab02LTab09LocalFileHTML", " ﾛｰｶﾙHTML "},
                              {"PGTab02LTab11InnerHTML", " Java実行後の内部HTML "},
                              {"PGTab02LTab12OrgHTML", " ｵﾘｼﾞﾅﾙWebHTML "}},
                             splitter);
  // The result panes, each list in its page. The engine's working lists stand on pages whose
  // tabs are hidden.
  const std::pair<const char*, std::vector<const char*>> panes[] = {
      {"PGTab02LTab02PageCSSJS",
       {"ListBoxPGTab02LTab02PageWebCSS", "ListBoxPGTab02LTab02PageFileDownloaedCSSJS"}},
      {"PGTab02LTab03LPageImage",
       {"ListBoxPGTab02LTab03PageImage", "ListBoxPGTab02LTab03PageImageDownloaedImage"}},
      {"PGTab02LTab04CSSFileImportCSS",
       {"ListBoxPGTab02LTab04DLCSSFileImportCSS", "ListBoxPGTab02LTab04ImportCSSFileDownloaedCSSJS",
        "ListBoxPGTab02LTab04ImportHTMLCSSForBase", "ListBoxPGTab02LTab04ImportHTMLSWF"}},
      {"PGTab02LTab05UseRoot", {"ListBoxPGTab02LTab05UseRoot"}},
      {"PGTab02LTab06ImportCSSImage",
       {"ListBoxPGTab02LTab06DLImportCSSImage", "ListBoxPGTab02LTab06DLImageNotFound"}},
      {"PGTab02LTab07AllImportCSSJS",
       {"ListBoxPGTab02LTab07DLAllCSSFileImportCSS",
        "ListBoxPGTab02LTab07AllImportCSSFileDownloaedCSSJS"}},
      {"PGTab02LTab08InnerCSSImage", {"ListBoxPGTab02LTab08UnkownImage", "ListBoxIEImage"}},
      {"PGTab02LTab09HrefList", {"ListBoxPGTab02LTab09LHref"}},
  };
  for (const auto& [pageName, lists] : panes) {
    auto* pane = left->findChild<QWidget*>(pageName);
    for (const char* list : lists)
      pane->layout()->addWidget(Named(new QListWidget(pane), list));
    const bool shown = std::string_view(pageName) == "PGTab02LTab02PageCSSJS" ||
                       std::string_view(pageName) == "PGTab02LTab03LPageImage";
    left->setTabVisible(left->indexOf(pane), shown);
  }
  SetResultPaneTabStops(*left);
  // The frame list under the browser.
  auto* frames = Named(new QListWidget(left), "ListBoxWBInFrameFileList");
  frames->setMaximumHeight(64);
  FillInnerHtmlPage(*left->findChild<QWidget*>("PGTab02LTab11InnerHTML"));
  FillOriginalHtmlPage(*left->findChild<QWidget*>("PGTab02LTab12OrgHTML"));
  auto* webPage = left->findChild<QWidget*>("PGTab02LTab01WB");
  FillWebPageBar(*webPage);
  webPage->layout()->addWidget(frames);
  splitter->addWidget(left);
  QTabWidget* right = SubTabs("PGTab02R",
                              {{"PGTab02RTab00ResultBrowser", " ﾛｰｶﾙﾍﾟｰｼﾞの閲覧 "},
                               {"PGTab02RTab02HTMLSrc", "　WebHTML "},
                               {"PGTab02RTab03HTMLOrg", " ｵﾘｼﾞﾅﾙWebHTML "},
                               {"PGTab02RTab04PDownload", " WebHTMLNative"},
                               {"PGTab02RTab05First", " Redirect前のWebHTML  "},
                               {"PGTab02RTab06CSSJSText", " CSS/JSﾃｷｽﾄ  "},
                               {"PGTab02RTab07Individual", " CSS/JSﾀﾞｳﾝﾛｰﾄﾞ "},
                               {"PGTab02RTab08ImageIndividual", " Imageﾀﾞｳﾝﾛｰﾄﾞ "}},
                              splitter);
  FillLocalPageBar(*right->findChild<QWidget*>("PGTab02RTab00ResultBrowser"));
  FillFirstPage(*right->findChild<QWidget*>("PGTab02RTab05First"));
  FillStyleSheetTextPage(*right->findChild<QWidget*>("PGTab02RTab06CSSJSText"));
  FillTextWorkbench(*right->findChild<QWidget*>("PGTab02RTab07Individual"));
  FillImageWorkbench(*right->findChild<QWidget*>("PGTab02RTab08ImageIndividual"));
  splitter->addWidget(right);
  page->layout()->addWidget(top);
  page->layout()->addWidget(splitter);
  return page;
}

QWidget* BuildFlashTab(QWidget* parent) {
  QWidget* page = Page("PGMainTab04FlashPlayer", parent);
  auto* bar = new QHBoxLayout();
  bar->addWidget(Caption("Flashﾌｧｲﾙ", page));
  bar->addWidget(Edit("BtnEditLocalFlashPlayer", page), 1);
  bar->addWidget(Button("sbFlashPlayerOpen", "開く", "Flashﾌｧｲﾙを開く", page));
  bar->addWidget(Button("sbFlashPlayerOpenGo", "Go", "表示", page));
  bar->addWidget(Button("sbFlashPlayerStop", "■", "Stop", page));
  bar->addWidget(Button("sbFlashInnerHTMLGet", "HTML", "表示中のHTMLｿｰｽ", page));
  bar->addWidget(Check("CheckBoxFlushPlayer", "表示前にｸﾘｱする  ", page));
  bar->addWidget(CloseButton("sbFlashPlayerClose", page));
  auto* column = static_cast<QVBoxLayout*>(page->layout());
  column->addLayout(bar);
  // The tab's status text; the window names it after the tab.
  column->addWidget(Named(new QLabel(page), "LabelFlashPlayerStatus"));
  auto* played = Named(new QListWidget(page), "ListBoxPGMainTab04FlushPlayer");
  played->setMaximumHeight(70);
  column->addWidget(played);
  return page;
}

void SelectSubTab(QWidget& root, const QString& pageName) {
  QWidget* page = root.findChild<QWidget*>(pageName);
  if (page == nullptr) return;
  for (QWidget* up = page->parentWidget(); up != nullptr; up = up->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(up)) {
      tabs->setCurrentWidget(page);
      return;
    }
  }
}

}  // namespace pellucor::app

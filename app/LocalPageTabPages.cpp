// The local page tab's layout: the top panel with the page path, its commands and options, and
// the two page controls with each pane's file field and buttons. The browser, the views and the
// keyword search rows are added by the window's page widgets and the tabs' controllers.
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ControlFactory.h"
#include "app/MainWindowTabs.h"
#include "app/RadioGroup.h"

namespace pellucor::app {
namespace {

constexpr std::initializer_list<const char*> kCharsets = {"自動",      "EUC-JP",   "UTF-8",
                                                          "Shift_JIS", "ISO-2022", "UTF-8N"};

QHBoxLayout* RowOn(QWidget& page) {
  auto* row = new QHBoxLayout();
  row->setContentsMargins(0, 0, 0, 0);
  static_cast<QVBoxLayout*>(page.layout())->addLayout(row);
  return row;
}

// A file field of a pane with its buttons.
void FileRow(QWidget& page, const char* field, std::initializer_list<ButtonText> buttons) {
  QHBoxLayout* row = RowOn(page);
  row->addWidget(Edit(field, &page), 1);
  AddButtons(*row, buttons, &page);
}

QWidget* BuildTop(QWidget* page) {
  QWidget* top = Panel("PanelPGMainTab03Top", page);
  auto* column = new QVBoxLayout(top);
  column->setContentsMargins(2, 2, 2, 2);
  auto* grid = new QGridLayout();
  grid->addWidget(Caption("ﾛｰｶﾙ・ﾍﾟｰｼﾞ", top), 0, 0);
  grid->addWidget(Edit("BtnEditConfirmLocalHTMLFile", top), 0, 1);
  auto* pageButtons = new QHBoxLayout();
  AddButtons(*pageButtons,
             {{"sbConfirmLocaHTMLGo", "Go", "ﾛｰｶﾙ・ﾍﾟｰｼﾞの表示"},
              {"sbLoadLocaHTMLFile", "開く", "ﾛｰｶﾙ・ﾍﾟｰｼﾞを開く"},
              {"sbConfirmLocaHTMLFileHome", "ﾎｰﾑ", "再表示"},
              {"sbConfirmLocaHTMLFileBack", "←", "戻る"},
              {"sbConfirmLocaHTMLFileClear", "ｸﾘｱ", "入力ﾎﾞｯｸｽのｸﾘｱ"},
              {"sbConfirmLocaHTMLFilePaste", "貼付け", "貼付け"},
              {"sbConfirmLocaHTMLOpenIE", "IE", "ﾛｰｶﾙ・ﾍﾟｰｼﾞのＩＥ表示"},
              {"sbSaveLocaHTMLFile", "保存", "HTMLｿｰｽの保存"},
              {"sbDLLocalCollapse", "▲▼", "ﾄｯﾌﾟ・ﾊﾟﾈﾙの高さの変更"}},
             top);
  pageButtons->addWidget(CloseButton("sbConfirmLocalHTMLFileExit", top));
  grid->addLayout(pageButtons, 0, 2);
  grid->addWidget(Caption("元のHTML", top), 1, 0);
  grid->addWidget(Edit("BtnEditLocalFileOrgHTML", top), 1, 1);
  auto* originalButtons = new QHBoxLayout();
  AddButtons(*originalButtons,
             {{"sbConfirmLocaHTMLOrgHTMLGo", "Go", "ｵﾘｼﾞﾅﾙHTMLの表示"},
              {"sbConfirmLocaHTMLOrgHTMLOpen", "開く", "ｵﾘｼﾞﾅﾙHTMLを開く"}},
             top);
  originalButtons->addStretch(1);
  grid->addLayout(originalButtons, 1, 2);
  column->addLayout(grid);

  // The options side by side, scrolled sideways when the panel is narrow.
  auto* scroll = new QScrollArea(top);
  scroll->setWidgetResizable(true);
  auto* options = new QWidget(scroll);
  auto* row = new QHBoxLayout(options);
  auto* checks = new QWidget(options);
  auto* checkColumn = new QVBoxLayout(checks);
  checkColumn->addWidget(Check("CheckBoxLocalFileDontPageChange",
                               " JavaScriptの実行を確認のため、ﾍﾟｰｼﾞを変更しない ", checks));
  checkColumn->addWidget(Check("CheckBoxLocalDontLoad", "ﾍﾟｰｼﾞを替えても再ﾛｰﾄﾞしない", checks));
  checkColumn->addWidget(
      Check("CheckBoxLocalDontChnageCharset",
            "保存時に、HTMLｿｰｽ・ﾃｷｽﾄ内の「 charset=\"・・\"　」の「 ・・ 」を変更しない", checks));
  checkColumn->addWidget(
      Check("CheckBoxLOcalCreanupHTML", " 保存時にHTMLのＴＡＧを【 小文字 】にする", checks));
  checkColumn->addWidget(
      Check("CheckBoxLocalChageUrl", "画面をｸﾘｯｸすると、ﾘﾝｸへｼﾞｬﾝﾌﾟし、Urlを変更する", checks));
  row->addWidget(checks);
  row->addWidget(
      Radio("RadioGroupLocalFileLoadCharset", " ﾍﾟｰｼﾞを読み込む文字ｺｰﾄﾞ ", kCharsets, options));
  row->addWidget(
      Radio("RadioGroupLocalFileOriginalCharset", " ｵﾘｼﾞﾅﾙHTMLの文字ｺｰﾄﾞ ", kCharsets, options));
  row->addWidget(Radio("RadioGroupLocalFileSaveCharset", " 保存する文字ｺｰﾄﾞ ", kCharsets, options));
  row->addStretch(1);
  scroll->setWidget(options);
  column->addWidget(scroll, 1);
  return top;
}

// A colour list's row: the colour clicked, the build and clear buttons and the two options.
void ColorRow(QWidget& page, const char* colorBox, ButtonText build, ButtonText clear,
              const char* sortOption, const char* skipOption) {
  QHBoxLayout* row = RowOn(page);
  row->addWidget(Caption("ｶﾗｰ", &page));
  QLineEdit* color = Edit(colorBox, &page);
  color->setMaximumWidth(110);
  row->addWidget(color);
  AddButtons(*row, {build, clear}, &page);
  row->addWidget(Check(sortOption, "重複を除去し、昇順にリストする", &page));
  if (skipOption != nullptr) row->addWidget(Check(skipOption, "ｶﾗｰﾘｽﾄを作成しない", &page));
  row->addStretch(1);
}

void FillLeftPages(QTabWidget& left) {
  const auto page = [&left](const char* name) -> QWidget& {
    return *left.findChild<QWidget*>(name);
  };
  QWidget& browser = page("PGMainTab03LocalLeftTab01Browser");
  QHBoxLayout* status = RowOn(browser);
  AddButtons(*status, {{"sbConfirmLocaBrowserBack", "←", "戻る"}}, &browser);
  auto* label = Named(new QLabel(&browser), "LabelLocalBrowserStatusBar");
  label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  status->addWidget(label, 1);

  QWidget& merged = page("PGMainTab03LocalLeftTab02TotalCSSJS");
  FileRow(merged, "BtnEditLocalFileTotalCSSJS",
          {{"sbLocalCSSJSTotalFile", "開く", "CSS/JS統合ﾌｧｲﾙを開く"},
           {"sbLocalCSSJSGo", "Go", "CSS/JS統合ﾌｧｲﾙの表示"}});
  ColorRow(merged, "EditLocalTotalCSS", {"sbocalCSSJSSearchColoList", "ｶﾗｰﾘｽﾄ", "ｶﾗｰﾘｽﾄの作成"},
           {"sbsbocalCSSJSSearchColoListClear", "ｸﾘｱ", "ｶﾗｰﾘｽﾄのｸﾘｱ"},
           "CheckBoxLocalTotalCSSColorDupIgnore", "CheckBoxDontCheckBoxLocalTotalCSSColor");

  FileRow(page("PGMainTab03LocalLeftTab03FileList"), "BtnEditLocalFileCSSJSList",
          {{"sbConfirmLocaCSSJSListOpenFile", "開く", "CSS/JSﾌｧｲﾙ一覧を開く"},
           {"sbConfirmLocaCSSJSListOpenFileGo", "Go", "CSS/JSﾌｧｲﾙ一覧の表示"}});
  FileRow(page("PGMainTab03LocalLeftTab04ImageList"), "BtnEditLocalFileImageList",
          {{"sbConfirmLocalFileImageListOpenFile", "開く", "イメージ一覧を開く"},
           {"sbConfirmLocalFileImageListOpenFileGo", "Go", "イメージ一覧の表示"}});

  QWidget& outer = page("PGMainTab03LocalLeftTab05OuertHTML");
  QHBoxLayout* outerRow = RowOn(outer);
  AddButtons(*outerRow,
             {{"sbPGMainTab03LocalLeftTab05OuterHTML", "取得", "Java実行後の内部HTMLの取得"},
              {"sclPGMainTab03LocalLeftTab05OuterHTMLSave", "保存", "内部HTMLの保存"}},
             &outer);
  outerRow->addStretch(1);

  FileRow(page("PGMainTab03LocalLeftTab07CSS"), "BtnEditLocalFileIndivCSS",
          {{"sbLocalCSSIndivOpenFile", "開く", "CSSﾌｧｲﾙを開く"},
           {"sbLocalCSSIndivOpenFileGo", "Go", "CSSﾌｧｲﾙの表示"},
           {"sbLocaIndivlCSSSave", "保存", "CSSﾌｧｲﾙの保存"}});
  ColorRow(page("PGMainTab03LocalLeftTab07CSS"), "EditLocalIndivCSSSearch",
           {"sbLocalCSSIndivSearchColorList", "ｶﾗｰﾘｽﾄ", "ｶﾗｰﾘｽﾄの作成"},
           {"sbLocalCSSIndivSearchColorListClear", "ｸﾘｱ", "ｶﾗｰﾘｽﾄのｸﾘｱ"},
           "CheckBoxLocalIndivlCSSColorDupIgnore", "CheckBoxDontCheckBoxLocalIndivCSSColor");
  FileRow(page("PGMainTab03LocalLeftTab08JS"), "BtnEditLocalFileIndivJS",
          {{"sbLocalJSIndivOpenFile", "開く", "JSﾌｧｲﾙを開く"},
           {"sbLocalJSIndivOpenFileGo", "Go", "JSﾌｧｲﾙの表示"},
           {"sbLocaIndivJSSave", "保存", "JSﾌｧｲﾙの保存"}});
}

void FillRightPages(QTabWidget& right) {
  const auto page = [&right](const char* name) -> QWidget& {
    return *right.findChild<QWidget*>(name);
  };
  ColorRow(page("PGMainTab03LocalRightTab01HTMLSrc"), "EditLocalGUIHTMLColor",
           {"sbLocalHTMLColoList", "ｶﾗｰﾘｽﾄ", "ｶﾗｰﾘｽﾄの作成"},
           {"sbLocalHTMLColoListClear", "ｸﾘｱ", "ｶﾗｰﾘｽﾄのｸﾘｱ"}, "CheckBoxLocalHTMLColorDupIgnore",
           nullptr);
  QWidget& outer = page("PGMainTab03LocalRightTab02OuterHTML");
  QHBoxLayout* outerRow = RowOn(outer);
  AddButtons(*outerRow,
             {{"sclPGMainTab03LocalRightTab05OuterHTML", "取得", "Java実行後の内部HTMLの取得"}},
             &outer);
  outerRow->addStretch(1);
  FileRow(page("PGMainTab03LocalRightTab04Ref"), "BtnEditLocalFileRef",
          {{"sbLocalRefOpenFile", "開く", "ﾌｧｲﾙを開く"},
           {"sbLocalRefOpenFileGo", "Go", "ﾌｧｲﾙの表示"},
           {"sbLocalRefSave", "保存", "保存"}});
}

}  // namespace

QWidget* BuildLocalPageTab(QWidget* parent) {
  QWidget* page = Page("PGMainTab03BrowseLocalFile", parent);
  QWidget* top = BuildTop(page);
  auto* splitter = new QSplitter(Qt::Horizontal, page);
  QTabWidget* left = SubTabs("PGMainTab03LocalLeft",
                             {{"PGMainTab03LocalLeftTab01Browser", " ﾌﾞﾗｳｻﾞ "},
                              {"PGMainTab03LocalLeftTab02TotalCSSJS", " CSS/JS統合ﾌｧｲﾙ "},
                              {"PGMainTab03LocalLeftTab03FileList", " CSS/JSﾌｧｲﾙ一覧 "},
                              {"PGMainTab03LocalLeftTab04ImageList", " イメージ一覧 "},
                              {"PGMainTab03LocalLeftTab05OuertHTML", " Java実行後の内部HTMLｿｰｽ "},
                              {"PGMainTab03LocalLeftTab06OrigHTML", " ｵﾘｼﾞﾅﾙHTML "},
                              {"PGMainTab03LocalLeftTab07CSS", " 個別CSS "},
                              {"PGMainTab03LocalLeftTab08JS", " 個別JS "}},
                             splitter);
  FillLeftPages(*left);
  splitter->addWidget(left);
  QTabWidget* right = SubTabs("PGMainTab03LocalRight",
                              {{"PGMainTab03LocalRightTab01HTMLSrc", " HTMLｿｰｽ "},
                               {"PGMainTab03LocalRightTab02OuterHTML", " Java実行後の内部HTMLｿｰｽ "},
                               {"PGMainTab03LocalRightTab03RightFileList", " CSS/JSﾌｧｲﾙ一覧 "},
                               {"PGMainTab03LocalRightTab04Ref", " ｵﾘｼﾞﾅﾙとの比較 "}},
                              splitter);
  FillRightPages(*right);
  splitter->addWidget(right);
  page->layout()->addWidget(top);
  page->layout()->addWidget(splitter);
  return page;
}

}  // namespace pellucor::app

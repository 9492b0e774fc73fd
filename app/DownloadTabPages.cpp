#include "app/DownloadTabPages.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ControlFactory.h"
#include "app/RadioGroup.h"
#include "app/TabStopDelegate.h"

namespace pellucor::app {
namespace {

// The six charsets of the workbenches' groups, the codes 0 to 5 in this order.
constexpr std::initializer_list<const char*> kCharsets = {"自動",      "EUC-JP",      "UTF-8",
                                                          "Shift_JIS", "ISO-2022-JP", "UTF-8N"};

QHBoxLayout* Row(QBoxLayout& column) {
  auto* row = new QHBoxLayout();
  row->setContentsMargins(0, 0, 0, 0);
  column.addLayout(row);
  return row;
}

// A label the window reads and writes, taking what room is left in its row.
QLabel* ShownPath(const char* name, QWidget* parent) {
  auto* label = Named(new QLabel(parent), name);
  label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QVBoxLayout& ColumnOf(QWidget& page) {
  return *static_cast<QVBoxLayout*>(page.layout());
}

}  // namespace

QWidget* BuildDownloadViewButtons(QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  AddButtons(*layout,
             {{"sbDLWebIE", "Web→IE", "ＷｅｂページのＩＥ表示"},
              {"sbWinFileIE", "ﾛｰｶﾙ→IE", "ﾛｰｶﾙ・ﾍﾟｰｼﾞのＩＥ表示"},
              {"sbDLSingleScreen", "右ﾍﾟｲﾝ", "ﾛｰｶﾙ・ﾍﾟｰｼﾞの【 右 】ﾍﾟｲﾝ表示"},
              {"sbWinFileDualScreen", "２画面", "Ｗｅｂ／ﾛｰｶﾙ・ﾍﾟｰｼﾞの【 ２ 】画面表示"}},
             row);
  QToolButton* basePage = Button("sbWinPageFileIE", "ﾍﾞｰｽ→IE", "ﾍﾞｰｽ・ﾍﾟｰｼﾞのＩＥ表示", row);
  basePage->hide();  // a hidden command
  layout->addWidget(basePage);
  layout->addStretch(1);
  return row;
}

QWidget* BuildFrameTools(QWidget* parent) {
  auto* tools = new QWidget(parent);
  auto* layout = new QHBoxLayout(tools);
  layout->setContentsMargins(0, 0, 0, 0);
  AddButtons(*layout,
             {{"sbDLFrameGo", "Go", "ﾅﾋﾞｹﾞｰﾄ"},
              {"sbDLFrameIEOpen", "IE", "ＷｅｂページのＩＥ表示"},
              {"sbDLFrameCOPY", "ｺﾋﾟｰ", "Ｕｒｌのコピー"},
              {"sbDLFramePaste", "貼付け", "貼付け"}},
             tools);
  layout->addWidget(Radio("RadioGroupDLFrameDownload", " 処理法 ",
                          {"ｸﾘｯｸすると、ﾀﾞｳﾝﾛｰﾄﾞする", "ｸﾘｯｸしてもﾀﾞｳﾝﾛｰﾄﾞせず、ＩＥで開く",
                           "ｸﾘｯｸしてもﾀﾞｳﾝﾛｰﾄﾞせず、ﾛｰｶﾙﾍﾟｰｼﾞに表示する"},
                          tools));
  return tools;
}

void AddDownloadRunOptions(QBoxLayout& column, QWidget* parent) {
  column.addWidget(Check("CheckBoxDLDownloadinnerHTML",
                         " 通常ではﾀﾞｳﾝﾛｰﾄﾞできない場合に、取得した内部HTMLを使って保存する ",
                         parent));
  column.addWidget(
      Check("CheckBoxDLsaveThisname", "このﾌｧｲﾙ名で保存する（ Ｕｒｌのﾌｧｲﾙ名でなく ） ", parent));
  column.addWidget(Check("CheckBoxTopDirectoryForUnkwon",
                         "ﾄｯﾌﾟﾍﾟｰｼﾞをﾀﾞﾐｰ･ﾃﾞｨﾚｸﾄﾘ/ﾌｫﾙﾀﾞにﾀﾞｳﾝﾛｰﾄﾞする  ", parent));
  column.addWidget(Check("CheckBoxDontWebListClear", "ﾅﾋﾞｹﾞｰﾄしてもｸﾘｱしない", parent));
  // Kept in the settings file, read by no command.
  QCheckBox* decode = Check("CheckBoxDLDecodeFilename", "ﾌｧｲﾙ名をﾃﾞｺｰﾄﾞする", parent);
  decode->hide();
  column.addWidget(decode);
}

void FillWebPageBar(QWidget& page) {
  QHBoxLayout* row = Row(ColumnOf(page));
  AddButtons(*row,
             {{"sbDLBackward", "←", "戻る"},
              {"sbPanelPGTab02LTab01WBTop", "⇐", "戻る"},
              {"sbDLHome", "ﾄｯﾌﾟ", "ﾎｰﾑ（ ﾄｯﾌﾟﾍﾟｰｼﾞ ）"},
              {"sbDLWebNavigateHome", "ﾎｰﾑ", "ホーム"},
              {"sbDLWebNavigateCOPY", "ｺﾋﾟｰ", "Ｕｒｌのコピー"},
              {"sbDLWebNavigateOpenIE", "IE", "ＷｅｂページのＩＥ表示"},
              {"sbDLUrlPaste", "貼付け", "貼付け"}},
             &page);
  row->addStretch(1);
  // The link option and the page's URL in a row of their own, so the two panes stay narrow.
  QHBoxLayout* second = Row(ColumnOf(page));
  second->addWidget(
      Check("CheckBoxDLWebChageUrl", "画面のﾘﾝｸをｸﾘｯｸすると、ｼﾞｬﾝﾌﾟし、Urlを変更する", &page));
  second->addWidget(ShownPath("LabelWebBrowserUrl", &page), 1);
}

void FillLocalPageBar(QWidget& page) {
  QHBoxLayout* row = Row(ColumnOf(page));
  AddButtons(*row,
             {{"sbDLBackLocalBrowser", "←", "戻る"},
              {"sbDLNavigateLocalHome", "ﾎｰﾑ", "ホーム"},
              {"sbDLNavigateLocalOpenFile", "開く", "ﾛｰｶﾙ・ﾍﾟｰｼﾞを開く"},
              {"sbDLNavigateLocalHomeOpenIE", "IE", "ﾛｰｶﾙ・ﾍﾟｰｼﾞのＩＥ表示"},
              {"sbWinFileIE2", "ﾛｰｶﾙ→IE", "ﾛｰｶﾙ・ﾍﾟｰｼﾞのＩＥ表示"},
              {"sbLocalFileIE2", "右ﾍﾟｲﾝ", "ﾛｰｶﾙ・ﾍﾟｰｼﾞの【 右 】ﾍﾟｲﾝ表示"}},
             &page);
  row->addStretch(1);
  QHBoxLayout* second = Row(ColumnOf(page));
  second->addWidget(
      Check("CheckBoxDLLocalChageUrl", "画面のﾘﾝｸをｸﾘｯｸすると、ｼﾞｬﾝﾌﾟし、Urlを変更する", &page));
  second->addWidget(ShownPath("LabelLocalBrowserUrl", &page), 1);
  auto* source = ShownPath("LabelLocalHTMLSrc", &page);
  source->hide();  // the file of the local page shown, kept for the commands
  second->addWidget(source);
}

QWidget* BuildNamingLabels(QWidget* parent) {
  // What the page navigated last is called: its root, folder, path below the host and local
  // file, and its URL.
  auto* labels = new QWidget(parent);
  auto* grid = new QGridLayout(labels);
  grid->setContentsMargins(0, 0, 0, 0);
  const std::pair<const char*, const char*> rows[] = {
      {"LabelUrlRoot", "ﾙｰﾄ"},
      {"LabelUrlPageFile", "ﾌｫﾙﾀﾞｰ"},
      {"LabelLocaFilename", "ﾊﾟｽ"},
      {"LabelWinFiename", "ﾌｧｲﾙ"},
      {"LabelWebDownloadHTMLSrc", "Url"},
      {"LabeWeblBrowserUrl", "ﾌﾞﾗｳｻﾞｰ"},
  };
  int line = 0;
  for (const auto& [name, caption] : rows) {
    grid->addWidget(Caption(caption, labels), line, 0);
    auto* label = ShownPath(name, labels);
    label->setMinimumWidth(240);
    grid->addWidget(label, line++, 1);
  }
  return labels;
}

void FillInnerHtmlPage(QWidget& page) {
  QHBoxLayout* row = Row(ColumnOf(page));
  AddButtons(*row,
             {{"sbInnerHTMLGet", "取得", "Java実行後の内部HTMLの取得"},
              {"SbDLInnerHTMLSave", "保存", "内部HTMLの保存"},
              {"sbDLInnerHTMLCOPY", "ｺﾋﾟｰ", "内部HTMLのｺﾋﾟｰ"}},
             &page);
  row->addStretch(1);
}

void FillOriginalHtmlPage(QWidget& page) {
  QHBoxLayout* row = Row(ColumnOf(page));
  AddButtons(*row, {{"SpeedButton1", "IE", "ﾛｰｶﾙ・ﾍﾟｰｼﾞのＩＥ表示"}}, &page);
  row->addStretch(1);
}

void FillFirstPage(QWidget& page) {
  auto* memo = Named(new QPlainTextEdit(&page), "RichEditWebPageDownloadHTMLFirst");
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  ColumnOf(page).addWidget(memo, 1);
}

void FillStyleSheetTextPage(QWidget& page) {
  QVBoxLayout& column = ColumnOf(page);
  QHBoxLayout* row = Row(column);
  row->addWidget(ShownPath("LabelDLCSSJSWinFilename", &page), 1);
  row->addWidget(Radio("RadioGroupDLCSSJSCode", "  ﾛｰｶﾙ・ﾌｧｲﾙの文字ｺｰﾄﾞ  ", kCharsets, &page));
  auto* memo = Named(new QPlainTextEdit(&page), "MemoPGTab02RTab06CSSJS");
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  column.addWidget(memo, 1);
}

void FillTextWorkbench(QWidget& page) {
  QVBoxLayout& column = ColumnOf(page);
  QHBoxLayout* url = Row(column);
  url->addWidget(Caption("Url", &page));
  url->addWidget(Edit("EditPGTab02RTab07IndividualUrl", &page), 1);
  AddButtons(*url,
             {{"sbPGTab02RTab07IndividualUrl", "Go", "ﾅﾋﾞｹﾞｰﾄ"},
              {"sbPGTab02RTab07IndividualUrlPaste", "貼付け", "貼付け"},
              {"sbPGTab02RTab07IndividualDownload", "ﾀﾞｳﾝﾛｰﾄﾞ", "直接ﾀﾞｳﾝﾛｰﾄﾞ"}},
             &page);
  QHBoxLayout* file = Row(column);
  file->addWidget(Caption("ﾌｧｲﾙ", &page));
  file->addWidget(Edit("BtnEditPGTab02RTab07IndividualFilename", &page), 1);
  AddButtons(*file,
             {{"sbsbPGTab02RTab07IndividualOpenFileGo", "Go", "ﾌｧｲﾙを開く"},
              {"sbsbPGTab02RTab07IndividualOpenFile", "開く", "ﾛｰｶﾙ･ﾌｧｲﾙを開く"},
              {"sbsbPGTab02RTab07IndividualSaveFile", "保存", "保存"},
              {"sbsbPGTab02RTab07IndividualCOPY", "ｺﾋﾟｰ", "ｺﾋﾟｰ"},
              {"sbsbPGTab02RTab07IndividualMemoClear", "ｸﾘｱ", "ｸﾘｱ"}},
             &page);
  QHBoxLayout* options = Row(column);
  options->addWidget(Radio("RadioGroupDLIndividualCode",
                           "  【 Web / ﾛｰｶﾙ・ﾌｧｲﾙ （ オリジナル ） 】の文字コード （ Charset ） ",
                           kCharsets, &page));
  options->addWidget(Radio("RadioGroupDLIndividualCodeSaveFile",
                           "  【 保存するファイル 】の文字コード （ Charset ） ", kCharsets,
                           &page));
  options->addWidget(
      Radio("RadioGroupDLIndividualScreen", " 表示の選択 ", {"自動", "ﾃｷｽﾄ", "画像"}, &page));
  options->addStretch(1);
  auto* memo = Named(new QPlainTextEdit(&page), "MemoPGTab02RTab07Individual");
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  column.addWidget(memo, 1);
}

void FillImageWorkbench(QWidget& page) {
  QVBoxLayout& column = ColumnOf(page);
  QHBoxLayout* url = Row(column);
  url->addWidget(Caption("Url", &page));
  url->addWidget(Edit("EditPGTab02RTab08ImageIndividualUrl", &page), 1);
  AddButtons(*url,
             {{"sbPGTab02RTab08ImageIndividualGo", "Go", "ﾅﾋﾞｹﾞｰﾄ"},
              {"sbPGTab02RTab08ImageIndividualPaste", "貼付け", "貼付け"},
              {"sbPGTab02RTab08ImageIndividualDownload", "ﾀﾞｳﾝﾛｰﾄﾞ", "Webから直接ﾀﾞｳﾝﾛｰﾄﾞ"},
              {"sbPGTab02RTab08ImageIndividualClear", "ｸﾘｱ", "入力ﾎﾞｯｸｽのｸﾘｱ"}},
             &page);
  QHBoxLayout* file = Row(column);
  file->addWidget(Caption("ﾌｧｲﾙ", &page));
  file->addWidget(Edit("BtnEditPGTab02RTab08ImageIndividualFilename", &page), 1);
  AddButtons(*file,
             {{"sbPGTab02RTab08ImageIndividualOpenFile", "開く", "ﾛｰｶﾙ･ﾌｧｲﾙを開く"},
              {"sbPGTab02RTab08ImageIndividualSave", "保存", "保存"}},
             &page);
  for (const char* why :
       {"画像がＷｅｂでは表示されているにもかかわらず、ダウンロードしたＨＴＭＬをローカル表示すると"
        "「×」となっていることがあります。",
        "これは拡張子が「 ．ｇｉｆ」にもかかわらず、実はＪＰＧ（ 内容をテキスト表示させると、ＧＩＦ"
        "＝ＧＩＦ８９ａ　、ＪＰＧ＝ＪＦＩＦ ）の場合が考えられます。"}) {
    QLabel* label = Caption(why, &page);
    label->setWordWrap(true);
    column.addWidget(label);
  }
}

void SetResultPaneTabStops(QWidget& tab) {
  // Tab stops in dialog units: the reference, its URL and its local path in columns.
  struct Pane {
    const char* name;
    int urlStop;
    int pathStop;
  };
  constexpr Pane kPanes[] = {
      {"ListBoxPGTab02LTab02PageWebCSS", 150, 400},
      {"ListBoxPGTab02LTab04DLCSSFileImportCSS", 150, 400},
      {"ListBoxPGTab02LTab07DLAllCSSFileImportCSS", 150, 400},
      {"ListBoxPGTab02LTab03PageImage", 250, 500},
      {"ListBoxPGTab02LTab04ImportCSSFileDownloaedCSSJS", 250, 500},
      {"ListBoxPGTab02LTab06DLImportCSSImage", 250, 500},
      {"ListBoxPGTab02LTab06DLImageNotFound", 250, 500},
  };
  constexpr int kScrollExtent = 630;
  for (const Pane& pane : kPanes) {
    if (auto* list = tab.findChild<QListWidget*>(pane.name)) {
      list->setItemDelegate(
          new TabStopDelegate({1, pane.urlStop, pane.pathStop, 50}, kScrollExtent, list));
    }
  }
}

}  // namespace pellucor::app

// The web code converter tab's layout: two panes side by side, each with its decode and encode
// choices, its buttons and its two memos.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ControlFactory.h"
#include "app/MainWindowTabs.h"
#include "app/RadioGroup.h"
#include "webcode/WebCode.h"

namespace pellucor::app {
namespace {

struct PaneNames {
  const char* decodeGroup;
  const char* encodeGroup;
  const char* decode;
  const char* encode;
  const char* paste;
  const char* topClear;
  const char* bottomClear;
  const char* topMemo;
  const char* bottomMemo;
};

RadioGroup* ItemGroup(const char* name, const char* caption,
                      const std::array<std::string_view, kWebCodeItemCount>& items,
                      QWidget* parent) {
  QStringList texts;
  for (const std::string_view item : items)
    texts << QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size()));
  return new RadioGroup(name, U(caption), texts, parent);
}

QWidget* BuildPane(const PaneNames& names, QWidget* parent) {
  auto* pane = new QWidget(parent);
  auto* column = new QVBoxLayout(pane);
  auto* options = new QHBoxLayout();
  options->addWidget(ItemGroup(names.decodeGroup, "  Decode（ 各ｺｰﾄﾞ→「 Shift_JIS 」 ）  ",
                               kWebCodeDecodeItems, pane));
  options->addWidget(ItemGroup(names.encodeGroup, "  Encode（ 「 Shift_JIS 」→各ｺｰﾄﾞ ）  ",
                               kWebCodeEncodeItems, pane));
  column->addLayout(options);
  auto* buttons = new QHBoxLayout();
  for (const auto& [name, caption] :
       {std::pair{names.decode, "Decode"}, std::pair{names.encode, "Encode"},
        std::pair{names.paste, "貼付け"}, std::pair{names.topClear, "上ｸﾘｱ"},
        std::pair{names.bottomClear, "下ｸﾘｱ"}})
    buttons->addWidget(Named(new QPushButton(U(caption), pane), name));
  buttons->addStretch(1);
  column->addLayout(buttons);
  for (const char* memo : {names.topMemo, names.bottomMemo})
    column->addWidget(Named(new QPlainTextEdit(pane), memo), 1);
  return pane;
}

}  // namespace

QWidget* BuildWebCodeTab(QWidget* parent) {
  QWidget* page = Page("PGMainTabb06WebDecode", parent);
  auto* top = new QHBoxLayout();
  top->addStretch(1);
  top->addWidget(CloseButton("sbWebCodeExit", page));
  static_cast<QVBoxLayout*>(page->layout())->addLayout(top);
  auto* panes = new QHBoxLayout();
  panes->addWidget(
      BuildPane({"RadioGroupWebLeftDecode", "RadioGroupWebLeftEncode", "btnWebCodeLeftDecode",
                 "btnWebCodeLeftEncode", "btnWebCodeLeftPaste", "btnWebCodeLeftTopClear",
                 "btnWebCodeCodeLeftBottomClear", "MemolPGMainTabab05WebDecodeLeftWebCodeOrgSrc",
                 "MemolPGMainTabab05WebDecodeLeftWebCodeOrgResult"},
                page));
  panes->addWidget(
      BuildPane({"RadioGroupWebRightDecode", "RadioGroupWebRightEncode", "btnWebCodeRightDecode",
                 "btnWebCodeRightEncode", "btnWebCodeRightPaste", "btnWebCodeRightTopClear",
                 "btnWebCodeRightBottomClear", "MemolPGMainTabab05WebDecodeRightWebCodeConvSrc",
                 "MemolPGMainTabab05WebDecodeRightWebCodeConvResult"},
                page));
  static_cast<QVBoxLayout*>(page->layout())->addLayout(panes, 1);
  return page;
}

}  // namespace pellucor::app

#include "app/FileSearchPlaceController.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include "app/ControlFactory.h"
#include "app/SjisText.h"

namespace pellucor::app {
namespace {

QLabel* Panel(QWidget& window, const char* bar, int index) {
  return window.findChild<QLabel*>(QString("%1Panel%2").arg(bar).arg(index));
}

}  // namespace

void BuildSearchPlace(const SearchPlaceNames& names, QWidget& parent) {
  if (parent.layout() == nullptr) new QVBoxLayout(&parent);
  auto* column = static_cast<QBoxLayout*>(parent.layout());
  const auto row = [&](const char* caption, QWidget* box,
                       std::initializer_list<ButtonText> buttons) {
    auto* line = new QHBoxLayout();
    line->addWidget(Caption(caption, &parent));
    line->addWidget(box, 1);
    AddButtons(*line, buttons, &parent);
    column->addLayout(line);
  };
  QComboBox* mask = Combo(names.maskBox, &parent);
  for (const std::string_view preset : kPresetMasks)
    mask->addItem(QString::fromUtf8(preset.data(), static_cast<qsizetype>(preset.size())));
  mask->setEditText("");
  row("ﾌｧｲﾙ名", mask,
      {{names.pasteMask, "貼付け", "貼付け"},
       {names.clearMask, "ｸﾘｱ", "入力ﾎﾞｯｸｽのｸﾘｱ"},
       {names.start, "検索", "検索実行"},
       {names.abort, "中止", "検索の強制終了"},
       {names.clearList, "一覧ｸﾘｱ", "検索結果一覧のｸﾘｱ"}});
  if (names.folderBox != nullptr) row("ﾌｫﾙﾀﾞｰ", Combo(names.folderBox, &parent), {});
  row("ﾌﾚｰｽﾞ", Combo(names.phraseBox, &parent),
      {{names.pastePhrase, "貼付け", "貼付け"}, {names.clearPhrase, "ｸﾘｱ", "入力ﾎﾞｯｸｽのｸﾘｱ"}});
  auto* list = Named(new QTreeWidget(&parent), names.list);
  list->setRootIsDecorated(false);
  list->setHeaderLabels({U("      ファイル名"), U("          フォルダー"), U("      サイズ"),
                         U("     最終更新日付時刻")});
  list->header()->setSectionsClickable(true);
  column->addWidget(list, 1);
  auto* bar = Named(new QStatusBar(&parent), names.statusBar);
  bar->setSizeGripEnabled(false);
  for (int i = 0; i < 3; ++i) {
    auto* panel = new QLabel(bar);
    panel->setObjectName(QString("%1Panel%2").arg(names.statusBar).arg(i));
    bar->addWidget(panel, i == 0 ? 0 : 1);
  }
  column->addWidget(bar);
}

FileSearchPlaceController::FileSearchPlaceController(QWidget& window, const SearchPlaceNames& names,
                                                     SearchPlaceKind kind, Clipboard& clipboard,
                                                     Launcher& launcher,
                                                     std::function<std::string()> folderText,
                                                     Runner run)
    : window_(window), names_(names), run_(std::move(run)), folderText_(std::move(folderText)) {
  mask_ = window.findChild<QComboBox*>(names.maskBox);
  phrase_ = window.findChild<QComboBox*>(names.phraseBox);
  list_ = window.findChild<QTreeWidget*>(names.list);
  place_ = std::make_unique<FileSearchPlace>(
      kind, FileSearchHost{clipboard, launcher,
                           [this](std::function<void()> task) {
                             QMetaObject::invokeMethod(list_, std::move(task),
                                                       Qt::QueuedConnection);
                           },
                           [] {
                             // Input waits while the search ends; painting and timers go on.
                             QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                           },
                           [this] { Show(false); }});
  const auto command = [this](const char* name, const std::function<void()>& action, bool allRows) {
    QObject::connect(window_.findChild<QToolButton*>(name), &QToolButton::clicked, &window_,
                     [this, action, allRows] {
                       run_([this, action, allRows] {
                         Pull();
                         action();
                         Show(allRows);
                       });
                     });
  };
  FileSearchPlace& place = *place_;
  command(
      names.start, [&place] { place.Start(); }, true);
  command(
      names.abort, [&place] { place.Abort(); }, false);
  command(
      names.clearList, [&place] { place.ClearList(); }, true);
  command(
      names.pasteMask, [&place] { place.PasteMask(); }, true);
  command(
      names.pastePhrase, [&place] { place.PastePhrase(); }, false);
  command(
      names.clearMask, [&place] { place.ClearMask(); }, false);
  command(
      names.clearPhrase, [&place] { place.ClearPhrase(); }, false);
  QObject::connect(list_->header(), &QHeaderView::sectionClicked, &window_, [this](int column) {
    place_->SortBy(column);
    Show(true);
  });
  QObject::connect(list_, &QTreeWidget::itemClicked, &window_, [this](QTreeWidgetItem* item) {
    const auto row = static_cast<std::size_t>(list_->indexOfTopLevelItem(item));
    run_([this, row] { place_->RowClick(row); });
  });
  QObject::connect(list_, &QTreeWidget::itemDoubleClicked, &window_, [this](QTreeWidgetItem* item) {
    const auto row = static_cast<std::size_t>(list_->indexOfTopLevelItem(item));
    run_([this, row] { place_->RowDoubleClick(row); });
  });
  Show(true);
}

FileSearchPlaceController::~FileSearchPlaceController() = default;

void FileSearchPlaceController::Pull() {
  place_->values.mask = ToSjis(mask_->currentText());
  place_->values.phrase = ToSjis(phrase_->currentText());
  place_->values.folder = folderText_();
}

void FileSearchPlaceController::Show(bool allRows) {
  const FileSearchValues& values = place_->values;
  if (ToSjis(mask_->currentText()) != values.mask) mask_->setEditText(FromSjis(values.mask));
  if (ToSjis(phrase_->currentText()) != values.phrase)
    phrase_->setEditText(FromSjis(values.phrase));
  window_.findChild<QToolButton*>(names_.start)->setEnabled(values.startEnabled);
  window_.findChild<QToolButton*>(names_.abort)->setEnabled(values.abortEnabled);
  list_->header()->setSectionsClickable(values.sortable);
  for (int i = 0; i < 3; ++i)
    Panel(window_, names_.statusBar, i)
        ->setText(FromSjis(values.status[static_cast<std::size_t>(i)]));
  if (allRows || values.rows.size() < shownRows_) {
    list_->clear();
    shownRows_ = 0;
  }
  QList<QTreeWidgetItem*> items;
  for (std::size_t i = shownRows_; i < values.rows.size(); ++i) {
    const FoundRow& row = values.rows[i];
    items << new QTreeWidgetItem(
        {FromSjis(row.name), FromSjis(row.folder), FromSjis(row.size), FromSjis(row.time)});
  }
  list_->addTopLevelItems(items);
  shownRows_ = values.rows.size();
}

}  // namespace pellucor::app

#include "app/ViewSideColumn.h"

#include <QBoxLayout>
#include <QSplitter>
#include <QString>

namespace pellucor::app {
namespace {

// The page's own child that holds the view: the holder, or the splitter put around it.
QWidget& OnPage(QWidget& view) {
  QWidget* holder = &HolderOf(view);
  if (auto* splitter = qobject_cast<QSplitter*>(holder->parentWidget())) return *splitter;
  return *holder;
}

}  // namespace

QWidget& HolderOf(QWidget& view) {
  QWidget* parent = view.parentWidget();
  if (parent != nullptr && parent->objectName().startsWith("Panel")) return *parent;
  return view;
}

void InsertAboveView(QWidget& view, QWidget* row) {
  QWidget& placed = OnPage(view);
  auto* layout = qobject_cast<QBoxLayout*>(placed.parentWidget()->layout());
  if (layout == nullptr) return;
  layout->insertWidget(layout->indexOf(&placed), row);
}

QVBoxLayout& SideColumnOf(QWidget& view) {
  QWidget& holder = HolderOf(view);
  if (auto* splitter = qobject_cast<QSplitter*>(holder.parentWidget()))
    return *static_cast<QVBoxLayout*>(splitter->widget(1)->layout());
  QWidget* page = holder.parentWidget();
  auto* splitter = new QSplitter(Qt::Horizontal, page);
  // The layout hands back the item that held the view's holder; it is ours to delete.
  delete page->layout()->replaceWidget(&holder, splitter);
  if (auto* box = qobject_cast<QBoxLayout*>(page->layout())) box->setStretchFactor(splitter, 1);
  splitter->addWidget(&holder);
  auto* column = new QWidget(splitter);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  splitter->addWidget(column);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 0);
  return *layout;
}

}  // namespace pellucor::app

#include "app/TabStopDelegate.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace pellucor::app {

TabStopDelegate::TabStopDelegate(std::vector<int> stops, int scrollExtent, QObject* parent)
    : QStyledItemDelegate(parent), stops_(std::move(stops)), scrollExtent_(scrollExtent) {}

std::vector<int> TabStopDelegate::PartStarts(const QFontMetrics& metrics,
                                             const QStringList& parts) const {
  std::vector<int> starts;
  int x = 0;
  for (const QString& part : parts) {
    if (!starts.empty()) {
      // The stops are taken in their order, as the list box takes them: the first one past
      // the text so far.
      int next = x + metrics.horizontalAdvance(' ');
      for (const int stop : stops_) {
        const int pixels = stop * metrics.averageCharWidth() / 4;
        if (pixels > x) {
          next = pixels;
          break;
        }
      }
      x = next;
    }
    starts.push_back(x);
    x += metrics.horizontalAdvance(part);
  }
  return starts;
}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  const QStringList parts = item.text.split('\t');
  item.text.clear();
  const QWidget* widget = option.widget;
  QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

  const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
  const std::vector<int> starts = PartStarts(item.fontMetrics, parts);
  painter->save();
  painter->setFont(item.font);
  painter->setPen(item.palette.color(QPalette::Normal, (option.state & QStyle::State_Selected) != 0
                                                           ? QPalette::HighlightedText
                                                           : QPalette::Text));
  for (qsizetype i = 0; i < parts.size(); ++i) {
    const QRect cell(area.left() + starts[static_cast<std::size_t>(i)], area.top(),
                     item.fontMetrics.horizontalAdvance(parts[i]) + 1, area.height());
    painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, parts[i]);
  }
  painter->restore();
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  const QStringList parts = index.data(Qt::DisplayRole).toString().split('\t');
  const std::vector<int> starts = PartStarts(option.fontMetrics, parts);
  const int width = starts.back() + option.fontMetrics.horizontalAdvance(parts.back()) + 8;
  size.setWidth(std::max({width, scrollExtent_, 0}));
  return size;
}

}  // namespace pellucor::app

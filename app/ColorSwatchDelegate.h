#pragma once

#include <QStyledItemDelegate>

// Draws a colour list's items each on a swatch of its own colour, in a text colour readable on
// it, selected or not.
namespace pellucor::app {

class ColorSwatchDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace pellucor::app

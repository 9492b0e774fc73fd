#include "app/ColorSwatchDelegate.h"

#include <QPainter>

#include "analysis/ColorSwatch.h"
#include "app/SjisText.h"

namespace pellucor::app {

void ColorSwatchDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  const QString text = index.data(Qt::DisplayRole).toString();
  const ColorItemLook look = ColorItemLookOf(ToSjis(text));
  if (!look.drawn) return;
  painter->save();
  // The swatch spans the list's width, so a long item does not end in an unpainted stripe.
  QRect swatch = option.rect;
  if (option.widget != nullptr) swatch.setRight(std::max(swatch.right(), option.widget->width()));
  painter->fillRect(swatch,
                    QColor(look.background.red, look.background.green, look.background.blue));
  painter->setPen(QColor(look.text.red, look.text.green, look.text.blue));
  painter->setFont(option.font);
  painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
  painter->restore();
}

}  // namespace pellucor::app

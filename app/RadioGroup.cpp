#include "app/RadioGroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace pellucor::app {

RadioGroup::RadioGroup(const QString& name, const QString& caption, const QStringList& items,
                       QWidget* parent)
    : QGroupBox(caption, parent) {
  setObjectName(name);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 2, 6, 2);
  layout->setSpacing(0);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    button->setObjectName(name + "Item" + QString::number(i));
    buttons_.addButton(button, i);
    layout->addWidget(button);
  }
  connect(&buttons_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) emit ItemChanged(id);
  });
}

int RadioGroup::ItemIndex() const {
  return buttons_.checkedId();
}

void RadioGroup::SetItemIndex(int index) {
  if (QAbstractButton* button = buttons_.button(index)) {
    button->setChecked(true);
    return;
  }
  // No item: every button off, which an exclusive group allows only while it is not exclusive.
  buttons_.setExclusive(false);
  for (QAbstractButton* button : buttons_.buttons())
    button->setChecked(false);
  buttons_.setExclusive(true);
}

}  // namespace pellucor::app

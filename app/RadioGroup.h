#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

// A captioned group of radio buttons with an item index, as the window's radio groups are.
namespace pellucor::app {

class RadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  RadioGroup(const QString& name, const QString& caption, const QStringList& items,
             QWidget* parent = nullptr);

  /// The checked item, or -1 when none is.
  [[nodiscard]] int ItemIndex() const;
  /// Checks the item; an index out of range checks none.
  void SetItemIndex(int index);

 signals:
  void ItemChanged(int index);

 private:
  QButtonGroup buttons_;
};

}  // namespace pellucor::app

#include "app/Binder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <type_traits>

#include "app/RadioGroup.h"
#include "app/SjisText.h"

namespace pellucor::app {

struct Binder::Binding {
  virtual ~Binding() = default;
  virtual void Pull() = 0;
  virtual void Push() = 0;
};

namespace {

// A text: `synced` holds the bytes widget and state last agreed on.
template <typename Widget>
class TextBinding : public Binder::Binding {
 public:
  TextBinding(Widget* widget, std::string* value) : widget_(widget), value_(value) {
    synced_ = *value;
    Show();
  }
  void Pull() override {
    if (Text() == FromSjis(synced_)) return;  // not edited: the bytes stay as they are
    *value_ = ToSjis(Text());
    synced_ = *value_;
  }
  void Push() override {
    if (*value_ == synced_) return;
    synced_ = *value_;
    Show();
  }

 private:
  [[nodiscard]] QString Text() const {
    if constexpr (std::is_same_v<Widget, QComboBox>) {
      return widget_->currentText();
    } else {
      return widget_->text();
    }
  }
  void Show() {
    if constexpr (std::is_same_v<Widget, QComboBox>) {
      widget_->setEditText(FromSjis(synced_));
    } else {
      widget_->setText(FromSjis(synced_));
    }
  }
  Widget* widget_;
  std::string* value_;
  std::string synced_;
};

// A combo box's list; the user changes it only through the box's text.
class ItemsBinding : public Binder::Binding {
 public:
  ItemsBinding(QComboBox* widget, std::vector<std::string>* items)
      : widget_(widget), items_(items) {
    Show();
  }
  void Pull() override {}
  void Push() override {
    if (*items_ != synced_) Show();
  }

 private:
  void Show() {
    synced_ = *items_;
    const QString text = widget_->currentText();
    widget_->clear();
    for (const std::string& item : synced_)
      widget_->addItem(FromSjis(item));
    widget_->setEditText(text);
  }
  QComboBox* widget_;
  std::vector<std::string>* items_;
  std::vector<std::string> synced_;
};

// What only the core writes: a list box's lines or a label's text, shown when they change.
template <typename Widget, typename Value>
class ShownBinding : public Binder::Binding {
 public:
  ShownBinding(Widget* widget, Value* value) : widget_(widget), value_(value), synced_(*value) {
    Show();
  }
  void Pull() override {}
  void Push() override {
    if (*value_ == synced_) return;
    synced_ = *value_;
    Show();
  }

 private:
  void Show() {
    if constexpr (std::is_same_v<Widget, QListWidget>) {
      widget_->clear();
      for (const std::string& line : synced_)
        widget_->addItem(FromSjis(line));
    } else {
      widget_->setText(FromSjis(synced_));
    }
  }
  Widget* widget_;
  Value* value_;
  Value synced_;
};

template <typename Widget, typename Value>
class ValueBinding : public Binder::Binding {
 public:
  ValueBinding(Widget* widget, Value* value) : widget_(widget), value_(value), synced_(*value) {
    Show();
  }
  void Pull() override {
    if (Current() == synced_) return;
    *value_ = Current();
    synced_ = *value_;
  }
  void Push() override {
    if (*value_ == synced_) return;
    synced_ = *value_;
    Show();
  }

 private:
  [[nodiscard]] Value Current() const {
    if constexpr (std::is_same_v<Widget, QCheckBox>) {
      return widget_->isChecked();
    } else {
      return widget_->ItemIndex();
    }
  }
  void Show() {
    if constexpr (std::is_same_v<Widget, QCheckBox>) {
      widget_->setChecked(synced_);
    } else {
      widget_->SetItemIndex(synced_);
    }
  }
  Widget* widget_;
  Value* value_;
  Value synced_;
};

}  // namespace

Binder::Binder() = default;
Binder::~Binder() = default;

void Binder::Bind(QLineEdit* widget, std::string* value) {
  bindings_.push_back(std::make_unique<TextBinding<QLineEdit>>(widget, value));
}

void Binder::Bind(QComboBox* widget, std::string* value, std::vector<std::string>* items) {
  // The list first: filling it must not change the text.
  if (items != nullptr) bindings_.push_back(std::make_unique<ItemsBinding>(widget, items));
  bindings_.push_back(std::make_unique<TextBinding<QComboBox>>(widget, value));
}

void Binder::Bind(QCheckBox* widget, bool* value) {
  bindings_.push_back(std::make_unique<ValueBinding<QCheckBox, bool>>(widget, value));
}

void Binder::Bind(RadioGroup* widget, int* value) {
  bindings_.push_back(std::make_unique<ValueBinding<RadioGroup, int>>(widget, value));
}

void Binder::Bind(QListWidget* widget, std::vector<std::string>* lines) {
  bindings_.push_back(
      std::make_unique<ShownBinding<QListWidget, std::vector<std::string>>>(widget, lines));
}

void Binder::Bind(QLabel* widget, std::string* value) {
  bindings_.push_back(std::make_unique<ShownBinding<QLabel, std::string>>(widget, value));
}

void Binder::Pull() {
  for (const auto& binding : bindings_)
    binding->Pull();
}

void Binder::Push() {
  for (const auto& binding : bindings_)
    binding->Push();
}

}  // namespace pellucor::app

#include "app/Binder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <type_traits>

#include "app/QtTextView.h"
#include "app/RadioGroup.h"
#include "app/SjisText.h"
#include "syntax/ViewColoring.h"

namespace pellucor::app {

struct Binder::Binding {
  virtual ~Binding() = default;
  virtual void Pull() = 0;
  virtual void Push() = 0;
};

namespace {

// What the state and the widget last agreed on; a value the core changed since goes to the
// widget (the derived binding's Show), anything else stays as the widget has it.
template <typename Derived, typename Value>
class SyncedBinding : public Binder::Binding {
 public:
  explicit SyncedBinding(Value* value) : value_(value), synced_(*value) {}
  void Push() override {
    if (*value_ == synced_) return;
    synced_ = *value_;
    static_cast<Derived*>(this)->Show();
  }

 protected:
  /// The user's value, taken into the state.
  void Take(Value value) {
    *value_ = std::move(value);
    synced_ = *value_;
  }
  Value* value_;
  Value synced_;
};

// A text: a widget whose text still reads as the bytes last agreed on was not edited, and the
// bytes stay as they are.
template <typename Widget>
class TextBinding : public SyncedBinding<TextBinding<Widget>, std::string> {
 public:
  TextBinding(Widget* widget, std::string* value)
      : SyncedBinding<TextBinding<Widget>, std::string>(value), widget_(widget) {
    Show();
  }
  void Pull() override {
    if (Text() == Shown(this->synced_)) return;
    QString text = Text();
    // A memo shows its lines with LF; the core's texts end them with CR LF.
    if constexpr (std::is_same_v<Widget, QPlainTextEdit>) text.replace('\n', "\r\n");
    this->Take(ToSjis(text));
  }
  void Show() {
    if constexpr (std::is_same_v<Widget, QComboBox>) {
      widget_->setEditText(Shown(this->synced_));
    } else if constexpr (std::is_same_v<Widget, QPlainTextEdit>) {
      widget_->setPlainText(Shown(this->synced_));
    } else {
      widget_->setText(Shown(this->synced_));
    }
  }

 private:
  [[nodiscard]] static QString Shown(const std::string& value) {
    QString text = FromSjis(value);
    if constexpr (std::is_same_v<Widget, QPlainTextEdit>) text.replace("\r\n", "\n");
    return text;
  }
  [[nodiscard]] QString Text() const {
    if constexpr (std::is_same_v<Widget, QComboBox>) {
      return widget_->currentText();
    } else if constexpr (std::is_same_v<Widget, QPlainTextEdit>) {
      return widget_->toPlainText();
    } else {
      return widget_->text();
    }
  }
  Widget* widget_;
};

// A combo box's list; the user changes it only through the box's text.
class ItemsBinding : public SyncedBinding<ItemsBinding, std::vector<std::string>> {
 public:
  ItemsBinding(QComboBox* widget, std::vector<std::string>* items)
      : SyncedBinding(items), widget_(widget) {
    Show();
  }
  void Pull() override {}
  void Show() {
    const QString text = widget_->currentText();
    widget_->clear();
    for (const std::string& item : synced_)
      widget_->addItem(FromSjis(item));
    widget_->setEditText(text);
  }

 private:
  QComboBox* widget_;
};

// What only the core writes: a list box's lines or a label's text.
template <typename Widget, typename Value>
class ShownBinding : public SyncedBinding<ShownBinding<Widget, Value>, Value> {
 public:
  ShownBinding(Widget* widget, Value* value)
      : SyncedBinding<ShownBinding<Widget, Value>, Value>(value), widget_(widget) {
    Show();
  }
  void Pull() override {}
  void Show() {
    if constexpr (std::is_same_v<Widget, QListWidget>) {
      widget_->clear();
      for (const std::string& line : this->synced_)
        widget_->addItem(FromSjis(line));
    } else {
      widget_->setText(FromSjis(this->synced_));
    }
  }

 private:
  Widget* widget_;
};

// A check box's state, a radio group's item or a number box's number.
template <typename Widget, typename Value>
class ValueBinding : public SyncedBinding<ValueBinding<Widget, Value>, Value> {
 public:
  ValueBinding(Widget* widget, Value* value)
      : SyncedBinding<ValueBinding<Widget, Value>, Value>(value), widget_(widget) {
    Show();
  }
  void Pull() override {
    if (Current() != this->synced_) this->Take(Current());
  }
  void Show() {
    if constexpr (std::is_same_v<Widget, QCheckBox>) {
      widget_->setChecked(this->synced_);
    } else if constexpr (std::is_same_v<Widget, QSpinBox>) {
      widget_->setValue(this->synced_);
    } else {
      widget_->SetItemIndex(this->synced_);
    }
  }

 private:
  [[nodiscard]] Value Current() const {
    if constexpr (std::is_same_v<Widget, QCheckBox>) {
      return widget_->isChecked();
    } else if constexpr (std::is_same_v<Widget, QSpinBox>) {
      return widget_->value();
    } else {
      return widget_->ItemIndex();
    }
  }
  Widget* widget_;
};

// A source view: only a text the user edited is read back (reading a whole page out of the view
// at every move would cost more than the move itself).
class ViewBinding : public SyncedBinding<ViewBinding, std::string> {
 public:
  ViewBinding(QtTextView* widget, std::string* value, ViewColoring coloring)
      : SyncedBinding(value), widget_(widget), coloring_(coloring) {
    QObject::connect(widget, &QtTextView::Changed, widget, [this] { edited_ = true; });
    Show();
  }
  void Pull() override {
    if (!edited_) return;
    edited_ = false;
    Take(widget_->Text());
  }
  void Show() {
    widget_->SetText(synced_);
    switch (coloring_) {
      case ViewColoring::Plain:
        break;
      case ViewColoring::CaretToStart:
        ColorizeHtmlView(*widget_);
        break;
      case ViewColoring::KeepCaret:
        ColorizeHtmlViewEx(*widget_);
        break;
    }
    edited_ = false;
  }

 private:
  QtTextView* widget_;
  ViewColoring coloring_;
  bool edited_ = false;
};

}  // namespace

Binder::Binder() = default;
Binder::~Binder() = default;

void Binder::Bind(QLineEdit* widget, std::string* value) {
  bindings_.push_back(std::make_unique<TextBinding<QLineEdit>>(widget, value));
}

void Binder::Bind(QSpinBox* widget, int* value) {
  bindings_.push_back(std::make_unique<ValueBinding<QSpinBox, int>>(widget, value));
}

void Binder::Bind(QPlainTextEdit* widget, std::string* value) {
  bindings_.push_back(std::make_unique<TextBinding<QPlainTextEdit>>(widget, value));
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

void Binder::Bind(QtTextView* widget, std::string* value, ViewColoring coloring) {
  bindings_.push_back(std::make_unique<ViewBinding>(widget, value, coloring));
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

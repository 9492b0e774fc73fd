#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QToolButton;
class QWidget;

// The window's controls as the tab layouts make them: named by their control names, with
// captions and hints written in UTF-8.
namespace pellucor::app {

class RadioGroup;

[[nodiscard]] QString U(const char* utf8);

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QLineEdit* Edit(const char* name, QWidget* parent);
/// An editable box with a drop-down list that the program fills.
QComboBox* Combo(const char* name, QWidget* parent);
QCheckBox* Check(const char* name, const char* caption, QWidget* parent);
/// A tool button with its text and its hint.
QToolButton* Button(const char* name, const char* text, const char* hint, QWidget* parent);
/// A tool button's name, text and hint, for rows of them.
struct ButtonText {
  const char* name;
  const char* text;
  const char* hint;
};
/// The tool buttons added to the row in their order.
void AddButtons(QBoxLayout& row, std::initializer_list<ButtonText> buttons, QWidget* parent);
RadioGroup* Radio(const char* name, const char* caption, std::initializer_list<const char*> items,
                  QWidget* parent);
/// A panel of fixed height.
QWidget* Panel(const char* name, QWidget* parent);
/// A page control with named, captioned pages, each with an empty layout of its own.
QTabWidget* SubTabs(const char* name,
                    std::initializer_list<std::pair<const char*, const char*>> pages,
                    QWidget* parent);
/// A tab page with a vertical layout.
QWidget* Page(const char* name, QWidget* parent);
QLabel* Caption(const char* text, QWidget* parent);
/// The close button every tab has; the window connects it to closing.
QToolButton* CloseButton(const char* name, QWidget* parent);

}  // namespace pellucor::app

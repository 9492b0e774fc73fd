#include "app/ControlFactory.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/RadioGroup.h"

namespace pellucor::app {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

QLineEdit* Edit(const char* name, QWidget* parent) {
  return Named(new QLineEdit(parent), name);
}

QComboBox* Combo(const char* name, QWidget* parent) {
  auto* box = Named(new QComboBox(parent), name);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  return box;
}

QCheckBox* Check(const char* name, const char* caption, QWidget* parent) {
  return Named(new QCheckBox(U(caption), parent), name);
}

QToolButton* Button(const char* name, const char* text, const char* hint, QWidget* parent) {
  auto* button = Named(new QToolButton(parent), name);
  button->setText(U(text));
  button->setToolTip(U(hint));
  return button;
}

void AddButtons(QBoxLayout& row, std::initializer_list<ButtonText> buttons, QWidget* parent) {
  for (const ButtonText& button : buttons)
    row.addWidget(Button(button.name, button.text, button.hint, parent));
}

RadioGroup* Radio(const char* name, const char* caption, std::initializer_list<const char*> items,
                  QWidget* parent) {
  QStringList texts;
  for (const char* item : items)
    texts << U(item);
  return new RadioGroup(name, U(caption), texts, parent);
}

QWidget* Panel(const char* name, QWidget* parent) {
  auto* panel = Named(new QWidget(parent), name);
  panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  return panel;
}

QTabWidget* SubTabs(const char* name,
                    std::initializer_list<std::pair<const char*, const char*>> pages,
                    QWidget* parent) {
  auto* tabs = Named(new QTabWidget(parent), name);
  for (const auto& [pageName, caption] : pages) {
    auto* page = Named(new QWidget(tabs), pageName);
    new QVBoxLayout(page);
    tabs->addTab(page, U(caption));
  }
  return tabs;
}

QWidget* Page(const char* name, QWidget* parent) {
  auto* page = Named(new QWidget(parent), name);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(2, 2, 2, 2);
  return page;
}

QLabel* Caption(const char* text, QWidget* parent) {
  return new QLabel(U(text), parent);
}

QToolButton* CloseButton(const char* name, QWidget* parent) {
  return Button(name, "×", "終了", parent);
}

}  // namespace pellucor::app

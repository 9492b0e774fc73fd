#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

// The information box (TInformboxForm): a label, an upper text shown as HTML source and a lower
// plain text, closed by its button. The download run and the HTTP probe show it through the
// Dialogs port.
namespace pellucor::app {

class InformationBox : public QDialog {
  Q_OBJECT

 public:
  explicit InformationBox(QWidget* parent = nullptr);

  /// Fills the box; the texts are UTF-16 already.
  void SetTexts(const QString& label, const QString& upperHtml, const QString& lowerText);

 private:
  QLabel* label_;
  QPlainTextEdit* upper_;
  QPlainTextEdit* lower_;
};

}  // namespace pellucor::app

#include "app/InformationBox.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace pellucor::app {

InformationBox::InformationBox(QWidget* parent) : QDialog(parent) {
  setObjectName("TInformboxForm");
  setWindowTitle(QString::fromUtf8("インフォメーション"));
  resize(720, 520);
  auto* layout = new QVBoxLayout(this);
  label_ = new QLabel(this);
  label_->setObjectName("LabelInfo");
  label_->setWordWrap(true);
  auto* splitter = new QSplitter(Qt::Vertical, this);
  upper_ = new QPlainTextEdit(splitter);
  upper_->setObjectName("MemoMemoNSHTTPGetFile");
  upper_->setReadOnly(true);
  upper_->setLineWrapMode(QPlainTextEdit::NoWrap);
  lower_ = new QPlainTextEdit(splitter);
  lower_->setObjectName("MemoNSHTTPGet");
  lower_->setReadOnly(true);
  auto* close = new QPushButton(QString::fromUtf8("閉じる"), this);
  close->setObjectName("sbClose");
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(label_);
  layout->addWidget(splitter, 1);
  layout->addWidget(close, 0, Qt::AlignRight);
}

void InformationBox::SetTexts(const QString& label, const QString& upperHtml,
                              const QString& lowerText) {
  label_->setText(label);
  upper_->setPlainText(upperHtml);
  lower_->setPlainText(lowerText);
  // A box with one text gives it the whole room.
  upper_->setVisible(!upperHtml.isEmpty() || lowerText.isEmpty());
  lower_->setVisible(!lowerText.isEmpty());
}

}  // namespace pellucor::app

#include "app/QtPorts.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include "app/InformationBox.h"
#include "app/SjisText.h"
#include "shell/MainWindowState.h"

namespace pellucor::app {
namespace {

QString Title() {
  return QString::fromUtf8(kApplicationTitle);
}

}  // namespace

void QtDialogs::ShowMessage(std::string_view text, MessageKind kind) {
  const QString message = FromSjis(text);
  switch (kind) {
    case MessageKind::Information:
      QMessageBox::information(window_, Title(), message);
      break;
    case MessageKind::Warning:
      QMessageBox::warning(window_, Title(), message);
      break;
    case MessageKind::Error:
      QMessageBox::critical(window_, Title(), message);
      break;
  }
}

Answer QtDialogs::AskYesNo(std::string_view text) {
  return QMessageBox::question(window_, Title(), FromSjis(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes
             ? Answer::Yes
             : Answer::No;
}

Answer QtDialogs::AskYesNoCancel(std::string_view text) {
  switch (QMessageBox::question(window_, Title(), FromSjis(text),
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

QString QtDialogs::QtFilter(std::string_view filter) {
  const QStringList parts = FromSjis(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    patterns.replace("*.*", "*");
    QString name = parts[i];
    if (const qsizetype open = name.indexOf('('); open >= 0) name = name.left(open).trimmed();
    filters << name + " (" + patterns + ")";
  }
  return filters.join(";;");
}

std::optional<std::string> QtDialogs::Chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  std::optional<std::string> sjis = ToSjisExact(path);
  if (!sjis)
    QMessageBox::warning(
        window_, Title(),
        QString::fromUtf8("この名前は使えません（Shift_JIS にない文字）： ") + path);
  return sjis;
}

std::optional<std::string> QtDialogs::Ask(QFileDialog* dialog, const FileDialogRequest& request,
                                          bool save) {
  QFileDialog own(window_);
  QFileDialog& asked = dialog != nullptr ? *dialog : own;
  asked.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  asked.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  asked.setWindowTitle(FromSjis(request.title));
  asked.setNameFilter(QtFilter(request.filter));
  asked.setDirectory(FromSjis(request.initialFolder));
  asked.selectFile(FromSjis(request.proposedName));
  if (asked.exec() != QDialog::Accepted || asked.selectedFiles().isEmpty()) return std::nullopt;
  return Chosen(asked.selectedFiles().front());
}

std::optional<std::string> QtDialogs::ChooseOpenFile(const FileDialogRequest& request) {
  return Ask(files_.openHtml, request, false);
}

std::optional<std::string> QtDialogs::ChooseSaveFile(const FileDialogRequest& request) {
  return Ask(files_.saveHtml, request, true);
}

void QtDialogs::ShowInformationBox(std::string_view label, std::string_view upperHtml,
                                   std::string_view lowerText) {
  informationBox_->SetTexts(FromSjis(label), FromSjis(upperHtml), FromSjis(lowerText));
  informationBox_->exec();
}

std::optional<std::string> QtDialogs::ChooseFolder(std::string_view title,
                                                   std::string_view initialFolder) {
  QString folder =
      QFileDialog::getExistingDirectory(window_, FromSjis(title), FromSjis(initialFolder));
  if (!folder.isEmpty() && !folder.endsWith('/')) folder += '/';
  return Chosen(folder);
}

void QtClipboard::SetText(std::string_view text) {
  QGuiApplication::clipboard()->setText(FromSjis(text));
}

std::string QtClipboard::Text() const {
  return ToSjis(QGuiApplication::clipboard()->text());
}

QtEventPump::~QtEventPump() {
  if (busy_) QApplication::restoreOverrideCursor();
}

void QtEventPump::ProcessPendingEvents() {
  if (beforeEvents) beforeEvents();
  QCoreApplication::processEvents();
}

void QtEventPump::SetBusyCursor(BusyCursor cursor) {
  const bool busy = cursor == BusyCursor::On;
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void WaitWithEvents(std::chrono::milliseconds duration) {
  QEventLoop loop;
  QTimer::singleShot(duration, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace pellucor::app

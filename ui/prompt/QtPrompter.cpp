#include "QtPrompter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace zonalyst::ui {
namespace {

QMessageBox::StandardButton ToQt(MessageAnswer answer) {
  switch (answer) {
    case MessageAnswer::Ok:
      return QMessageBox::Ok;
    case MessageAnswer::Cancel:
      return QMessageBox::Cancel;
    case MessageAnswer::Yes:
      return QMessageBox::Yes;
    case MessageAnswer::No:
      return QMessageBox::No;
    case MessageAnswer::SaveElsewhere:
      return QMessageBox::NoButton;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButtons ToQt(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return QMessageBox::Ok;
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::OkSaveElsewhere:
      return QMessageBox::Ok;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon ToQt(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::None:
      return QMessageBox::NoIcon;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

// The button that Esc and the close box press: the cancelling one, or OK where OK is the
// only way on.
MessageAnswer EscapeAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkSaveElsewhere:
      return MessageAnswer::Ok;
    case MessageButtons::OkCancel:
      return MessageAnswer::Cancel;
    case MessageButtons::YesNo:
      return MessageAnswer::No;
  }
  return MessageAnswer::Ok;
}

// A name typed without an extension takes the one of the filter chosen ("PNG pictures (*.png)").
QString WithExtensionOfFilter(const QString& path, const QString& filter) {
  const qsizetype star = filter.indexOf(QStringLiteral("(*."));
  const qsizetype end = filter.indexOf(QLatin1Char(')'), star);
  if (!QFileInfo(path).suffix().isEmpty() || star < 0 || end < 0) return path;
  return path + filter.mid(star + 2, end - star - 2);
}

}  // namespace

MessageAnswer QtPrompter::message(const MessageRequest& request) {
  QString text = request.text;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(ToQt(request.icon), request.title, text, ToQt(request.buttons), owner_);
  QPushButton* elsewhere = nullptr;
  if (request.buttons == MessageButtons::OkSaveElsewhere) {
    elsewhere = box.addButton(QStringLiteral("Save elsewhere..."), QMessageBox::ActionRole);
  }
  if (request.defaultButton == MessageAnswer::SaveElsewhere) {
    box.setDefaultButton(elsewhere);
  } else {
    box.setDefaultButton(ToQt(request.defaultButton));
  }
  // Esc and the close box press it; Qt finds none by itself beside "Save elsewhere...".
  box.setEscapeButton(ToQt(EscapeAnswer(request.buttons)));
  const int answer = box.exec();
  if (elsewhere != nullptr && box.clickedButton() == elsewhere) return MessageAnswer::SaveElsewhere;
  switch (answer) {
    case QMessageBox::Ok:
      return MessageAnswer::Ok;
    case QMessageBox::Cancel:
      return MessageAnswer::Cancel;
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    default:
      return EscapeAnswer(request.buttons);
  }
}

QString QtPrompter::input(const InputRequest& request) {
  QString prompt = request.prompt;
  prompt.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  bool accepted = false;
  const QString text =
      QInputDialog::getText(owner_, request.title, prompt, QLineEdit::Normal, request.defaultText, &accepted);
  return accepted ? text : QString();
}

std::optional<QString> QtPrompter::saveFile(const SaveFileRequest& request) {
  const QString start = request.folder.isEmpty() ? request.fileName : request.folder + '/' + request.fileName;
  QString chosenFilter;
  const QString path = QFileDialog::getSaveFileName(owner_, request.title, start, request.filter, &chosenFilter);
  if (path.isEmpty()) return std::nullopt;
  return WithExtensionOfFilter(path, chosenFilter);
}

QStringList QtPrompter::openFiles(const OpenFilesRequest& request) {
  if (request.several) return QFileDialog::getOpenFileNames(owner_, request.title, request.folder, request.filter);
  const QString path = QFileDialog::getOpenFileName(owner_, request.title, request.folder, request.filter);
  return path.isEmpty() ? QStringList() : QStringList{path};
}

}  // namespace zonalyst::ui

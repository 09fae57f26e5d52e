#include "QtPrompter.h"

#include <QDateTime>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>

#include <algorithm>

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

// Qt's own file box, where the desktop offers none, opens its columns narrower than their
// texts ("17....KiB"): the size, type and date columns take their texts' width, and the box
// widens as it first shows (when its view has its width) to hold a long test's picture name
// beside them in the name column.
class FileBoxFitter final : public QObject {
 public:
  FileBoxFitter(QFileDialog& dialog, QTreeView& view) : QObject(&dialog), dialog_(dialog), view_(view) {
    QHeaderView* header = view.header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < header->count(); ++column) {
      header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    dialog.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &dialog_ && event->type() == QEvent::Show) {
      const QFontMetrics metrics = view_.fontMetrics();
      const QString sample = QStringLiteral("foucault2-simu200f6-unmasked-7zones-effective_M-L_Plot.gif") +
                             QStringLiteral("1023.99 KiB") + QStringLiteral("JPEG image") +
                             QLocale().toString(QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59)));
      const int wanted = metrics.horizontalAdvance(sample) + 8 * metrics.averageCharWidth();
      const int width = std::min(dialog_.width() + wanted - view_.width(), dialog_.screen()->availableSize().width());
      if (width > dialog_.width()) dialog_.resize(width, dialog_.height());
      dialog_.removeEventFilter(this);
    }
    return false;
  }

 private:
  QFileDialog& dialog_;
  QTreeView& view_;
};

// Runs the box; the paths chosen, or none when the user cancelled.
QStringList RunFileBox(QFileDialog& dialog) {
  if (auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) new FileBoxFitter(dialog, *view);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
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
  QFileDialog dialog(owner_, request.title, start, request.filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  const QStringList chosen = RunFileBox(dialog);
  if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
  return WithExtensionOfFilter(chosen.front(), dialog.selectedNameFilter());
}

QStringList QtPrompter::openFiles(const OpenFilesRequest& request) {
  QFileDialog dialog(owner_, request.title, request.folder, request.filter);
  dialog.setFileMode(request.several ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
  return RunFileBox(dialog);
}

}  // namespace zonalyst::ui

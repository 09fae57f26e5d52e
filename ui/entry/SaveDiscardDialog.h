#pragma once

#include "io/TestFileSaver.h"
#include "ui/prompt/Prompter.h"

#include <QDialog>
#include <QPointer>

namespace zonalyst::ui {

// Save_Discard: the test differs from its file; discard the changes, overwrite the
// file, or save under a new name. Closing it any other way (close box, Esc) answers
// "not now": nothing is written and the user stays with the test.
class SaveDiscardDialog final : public QDialog {
  Q_OBJECT
 public:
  SaveDiscardDialog(const QString& folder, const QString& fileName, Prompter& prompter, QWidget* parent = nullptr);

  const io::SaveDecision& decision() const { return decision_; }

 private:
  void saveAs();

  Prompter& prompter_;
  io::SaveDecision decision_;
};

// The saver's question answered by the dialog, modal over `owner`.
class SaveDiscardQuestion final : public QObject, public io::SaveQuestion {
  Q_OBJECT
 public:
  SaveDiscardQuestion(QWidget* owner, Prompter& prompter) : QObject(owner), owner_(owner), prompter_(prompter) {}
  io::SaveDecision ask(const std::string& folder, const std::string& fileName) override;

 private:
  QPointer<QWidget> owner_;
  Prompter& prompter_;
};

}  // namespace zonalyst::ui

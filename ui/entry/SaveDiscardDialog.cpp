#include "SaveDiscardDialog.h"

#include "TestNameQuestion.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zonalyst::ui {
namespace {

QPushButton* AddButton(QDialog* dialog, QLayout* row, const QString& caption, const QString& objectName) {
  auto* button = new QPushButton(caption, dialog);
  button->setObjectName(objectName);
  button->setAutoDefault(false);
  row->addWidget(button);
  return button;
}

}  // namespace

SaveDiscardDialog::SaveDiscardDialog(const QString& folder, const QString& fileName, Prompter& prompter,
                                     QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
  setObjectName(QStringLiteral("Save_Discard"));
  setWindowTitle(QStringLiteral("Save Changes?"));
  setModal(true);
  decision_ = {false, folder.toStdString(), fileName.toStdString(), true};

  auto* label = new QLabel(
      QStringLiteral("The contents of file ") + fileName + QStringLiteral(" have changed, what do you want to do now?"),
      this);
  label->setObjectName(QStringLiteral("Label1"));
  label->setWordWrap(true);
  auto* buttons = new QHBoxLayout;
  QPushButton* discard = AddButton(this, buttons, QStringLiteral("Discard Changes"), QStringLiteral("cmdDiscard"));
  QPushButton* overwrite =
      AddButton(this, buttons, QStringLiteral("Overwrite Existing File"), QStringLiteral("cmdOverwrite"));
  QPushButton* saveAs = AddButton(this, buttons, QStringLiteral("Save Changes As:"), QStringLiteral("cmdSaveAs"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addLayout(buttons);

  connect(discard, &QPushButton::clicked, this, [this] {
    decision_.notNow = false;
    reject();
  });
  connect(overwrite, &QPushButton::clicked, this, [this] {
    decision_.goAhead = true;
    decision_.notNow = false;
    accept();
  });
  connect(saveAs, &QPushButton::clicked, this, &SaveDiscardDialog::saveAs);
}

void SaveDiscardDialog::saveAs() {
  const std::optional<QString> name = AskTestFileName(prompter_, QString::fromStdString(decision_.folder));
  if (!name) return;  // no name: the choice stays open
  decision_.goAhead = true;
  decision_.notNow = false;
  decision_.fileName = name->toStdString();
  accept();
}

io::SaveDecision SaveDiscardQuestion::ask(const std::string& folder, const std::string& fileName) {
  SaveDiscardDialog dialog(QString::fromStdString(folder), QString::fromStdString(fileName), prompter_, owner_);
  dialog.exec();
  return dialog.decision();
}

}  // namespace zonalyst::ui

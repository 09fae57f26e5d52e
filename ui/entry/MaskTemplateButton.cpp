#include "MaskTemplateButton.h"

#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "io/PrintableText.h"
#include "plot/MaskLayout.h"
#include "plot/MaskPdf.h"
#include "ui/panel/SaveGuard.h"

namespace zonalyst::ui {
namespace {

const QString kTitle = QStringLiteral("Print Mask Template");

// Letter where the user's locale measures in US units, A4 elsewhere.
const plot::Paper& UsersPaper() {
  return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? plot::kLetter : plot::kA4;
}

}  // namespace

MaskTemplateButton::MaskTemplateButton(const AppState& state, Prompter& prompter, QWidget* parent)
    : QWidget(parent),
      state_(state),
      prompter_(prompter),
      button_(new QPushButton(QStringLiteral("Print Mask Template..."), this)),
      why_(new QLabel(QStringLiteral("The mask template needs inner and outer radii: set the Mask Entry Type to "
                                     "Inner/Outer"),
                      this)) {
  button_->setObjectName(QStringLiteral("cmdMaskTemplate"));
  button_->setAutoDefault(false);
  why_->setObjectName(QStringLiteral("lblMaskTemplate"));
  why_->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(button_);
  layout->addWidget(why_);
  connect(button_, &QPushButton::clicked, this, &MaskTemplateButton::print);
  refresh();
}

void MaskTemplateButton::refresh() {
  const bool innerOuter = state_.test.InnerOuterEntry == 1;
  button_->setEnabled(innerOuter);
  why_->setVisible(!innerOuter);
}

void MaskTemplateButton::print() {
  SaveGuardingMemory(prompter_, kTitle, [this] { printToChosenFile(); });
}

void MaskTemplateButton::printToChosenFile() {
  const plot::Paper& paper = UsersPaper();
  const MirrorTest& test = state_.test;
  if (const auto refusal = plot::MaskRefusal(test, paper, plot::kDefaultOpeningDeg)) {
    prompter_.message({QString::fromStdString(*refusal), kTitle, MessageButtons::Ok, MessageAnswer::Ok,
                       MessageIcon::Critical});
    return;
  }
  const QString name = QFileInfo(state_.fileName).completeBaseName();
  const auto chosen = prompter_.saveFile({kTitle, state_.folder, name + QStringLiteral("_Mask.pdf"),
                                          QStringLiteral("PDF (*.pdf)")});
  if (!chosen || chosen->isEmpty()) return;
  QString path = *chosen;
  if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
  const plot::MaskLayout layout = plot::PlanMask(test, state_.fileName.toStdString(), paper, plot::kDefaultOpeningDeg);
  const std::string problem = plot::WriteMaskPdf(layout, paper, path.toStdString());
  if (!problem.empty()) {
    prompter_.message({QStringLiteral("The mask template was not saved:\r\n") +
                           QString::fromStdString(io::AsSentence(problem)),
                       kTitle, MessageButtons::Ok, MessageAnswer::Ok, MessageIcon::Critical});
    return;
  }
  emit saved(QStringLiteral("Mask template saved to %1 (%2 of %3): print it at actual size, then check the scale bar")
                 .arg(path)
                 .arg(layout.pageCount() == 1 ? QStringLiteral("1 page") : QStringLiteral("%1 pages").arg(layout.pageCount()))
                 .arg(QString::fromLatin1(paper.name)));
}

}  // namespace zonalyst::ui

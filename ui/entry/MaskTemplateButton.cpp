#include "MaskTemplateButton.h"

#include "io/PrintableText.h"
#include "plot/MaskLayout.h"
#include "plot/MaskPdf.h"
#include "ui/panel/SaveGuard.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <iterator>

namespace zonalyst::ui {
namespace {

const QString kTitle = QStringLiteral("Print Mask Template");

constexpr const plot::Paper* kPapers[] = {&plot::kA4, &plot::kLetter};

// The paper chosen last, or else Letter where the user's locale measures in US units and
// A4 elsewhere: its place in kPapers.
int FirstPaper(platform::SettingsStore& settings) {
  const std::string stored = settings.read(platform::kSettingsSection, platform::kKeyMaskPaper);
  for (std::size_t i = 0; i < std::size(kPapers); ++i) {
    if (stored == kPapers[i]->name) return static_cast<int>(i);
  }
  return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? 1 : 0;
}

}  // namespace

MaskTemplateButton::MaskTemplateButton(const AppState& state, Prompter& prompter, platform::SettingsStore& settings,
                                       QWidget* parent)
    : QWidget(parent),
      state_(state),
      prompter_(prompter),
      button_(new QPushButton(QStringLiteral("Print Mask Template..."), this)),
      paper_(new QComboBox(this)),
      why_(new QLabel(QStringLiteral("The mask template needs inner and outer radii: set the Mask Entry Type to "
                                     "Inner/Outer"),
                      this)) {
  button_->setObjectName(QStringLiteral("cmdMaskTemplate"));
  button_->setAutoDefault(false);
  why_->setObjectName(QStringLiteral("lblMaskTemplate"));
  why_->setWordWrap(true);
  paper_->setObjectName(QStringLiteral("cboMaskPaper"));
  for (const plot::Paper* paper : kPapers) paper_->addItem(QString::fromLatin1(paper->name));
  paper_->setCurrentIndex(FirstPaper(settings));
  auto* row = new QHBoxLayout;
  row->addWidget(button_, 1);
  row->addWidget(paper_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(row);
  layout->addWidget(why_);
  connect(button_, &QPushButton::clicked, this, &MaskTemplateButton::print);
  connect(paper_, &QComboBox::activated, this, [this, &settings](int index) {
    settings.write(platform::kSettingsSection, platform::kKeyMaskPaper, kPapers[index]->name);
  });
  refresh();
}

void MaskTemplateButton::refresh() {
  const bool innerOuter = state_.test.InnerOuterEntry == 1;
  button_->setEnabled(innerOuter);
  paper_->setEnabled(innerOuter);
  why_->setVisible(!innerOuter);
}

void MaskTemplateButton::print() {
  SaveGuardingMemory(prompter_, kTitle, [this] { printToChosenFile(); });
}

void MaskTemplateButton::printToChosenFile() {
  const plot::Paper& paper = *kPapers[paper_->currentIndex()];
  const MirrorTest& test = state_.test;
  if (const auto refusal = plot::MaskRefusal(test, paper, plot::kDefaultOpeningDeg)) {
    prompter_.message(
        {QString::fromStdString(*refusal), kTitle, MessageButtons::Ok, MessageAnswer::Ok, MessageIcon::Critical});
    return;
  }
  const QString name = QFileInfo(state_.fileName).completeBaseName();
  const auto chosen =
      prompter_.saveFile({kTitle, state_.folder, name + QStringLiteral("_Mask.pdf"), QStringLiteral("PDF (*.pdf)")});
  if (!chosen || chosen->isEmpty()) return;
  QString path = *chosen;
  if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
  const plot::MaskLayout layout = plot::PlanMask(test, state_.fileName.toStdString(), paper, plot::kDefaultOpeningDeg);
  const std::string problem = plot::WriteMaskPdf(layout, paper, path.toStdString());
  if (!problem.empty()) {
    prompter_.message(
        {QStringLiteral("The mask template was not saved:\r\n") + QString::fromStdString(io::AsSentence(problem)),
         kTitle, MessageButtons::Ok, MessageAnswer::Ok, MessageIcon::Critical});
    return;
  }
  emit saved(
      QStringLiteral("Mask template saved to %1 (%2 of %3): print it at actual size, then check the scale bar")
          .arg(path)
          .arg(layout.pageCount() == 1 ? QStringLiteral("1 page") : QStringLiteral("%1 pages").arg(layout.pageCount()))
          .arg(QString::fromLatin1(paper.name)));
}

}  // namespace zonalyst::ui

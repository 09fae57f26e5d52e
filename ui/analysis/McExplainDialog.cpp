#include "McExplainDialog.h"

#include "ui/analysis/rules/LocalisedText.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zonalyst::ui {

McExplainDialog::McExplainDialog(std::string explanation, std::string rawData, platform::Clipboard& clipboard,
                                 platform::Settings& settings, platform::SettingsStore& store, QWidget* parent)
    : QDialog(parent), rawData_(std::move(rawData)) {
  setObjectName(QStringLiteral("Dialog"));
  setWindowTitle(QStringLiteral("Monte Carlo Results Explained"));
  setModal(false);
  setAttribute(Qt::WA_DeleteOnClose);

  auto* frame = new QGroupBox(QStringLiteral("How to ready the MC chart"), this);
  auto* frameLayout = new QVBoxLayout(frame);
  auto* text = new QLabel(frame);
  text->setObjectName(QStringLiteral("Label1"));
  text->setText(analysis::ScreenText(explanation));
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  frameLayout->addWidget(text);

  auto* suppress = new QCheckBox(QStringLiteral("Check this to supress this message next time."), this);
  suppress->setObjectName(QStringLiteral("Check1"));
  suppress->setChecked(settings.showMcDialog);
  connect(suppress, &QCheckBox::clicked, this, [&settings, &store](bool checked) {
    settings.showMcDialog = checked;
    platform::WriteShowMcDialog(store, checked);
  });

  auto* copy = new QPushButton(QStringLiteral("Copy RAW data to Windows CLipboard"), this);
  copy->setObjectName(QStringLiteral("cmdCopy_data"));
  copy->setToolTip(QStringLiteral("Move text data to clipboard, you can then paste into Excel or text editor"));
  connect(copy, &QPushButton::clicked, this, [this, &clipboard] { clipboard.setText(rawData_); });

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(suppress);
  buttons->addStretch(1);
  buttons->addWidget(copy);
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addLayout(buttons);
}

}  // namespace zonalyst::ui

#include "ReadingsPanel.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "EntryBoxes.h"
#include "core/ConicGeometry.h"
#include "core/Constants.h"
#include "ui/entry/rules/Commit.h"
#include "ui/entry/rules/EntryIndex.h"
#include "ui/entry/rules/EntryText.h"
#include "ui/entry/rules/HelpTexts.h"

namespace zonalyst::ui {

using namespace entry;

namespace {

constexpr const char* kSideLabels[6] = {"Measurment Units", "Light Source Type", "Radius of Curvature",
                                        "Mirror Diameter",  "Desired Deformation", "Number of Data Sets"};

bool IsToggle(int cell) { return cell == kUnitsCell || cell == kSourceCell; }

QLabel* MakeLabel(QWidget* parent, const QString& text, const QString& objectName, bool wrap = false) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(objectName);
  label->setWordWrap(wrap);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

ReadingsPanel::ReadingsPanel(const PanelContext& context)
    : test_(context.state.test), clipboard_(context.clipboard) {
  setObjectName(QStringLiteral("ReadingsPanel"));
  for (int cell = 0; cell < kReadingsCellCount; ++cell) {
    cells_[cell] = MakeEntryBox(this, QStringLiteral("lblF3Kedata_%1").arg(cell), this);
    cells_[cell]->setProperty("cell", cell);
    cells_[cell]->setReadOnly(IsToggle(cell));
    // Four reading columns and the side column share the panel's width.
    cells_[cell]->setFixedWidth(IsReadingCell(cell) ? 78 : 96);
  }
  buildLayout();
}

void ReadingsPanel::buildLayout() {
  auto* grid = new QGridLayout;
  int header = 0;
  // Headers wrap within their column, whichever columns show.
  const auto headerLabel = [&](const QString& text) {
    QLabel* label = MakeLabel(this, text, QStringLiteral("lblF3KE_%1").arg(header++), true);
    label->setMaximumWidth(cells_[0]->width());
    return label;
  };
  grid->addWidget(headerLabel(QStringLiteral("Zone")), 0, 0);
  grid->addWidget(headerLabel(QStringLiteral("Effective Radius")), 0, 1);
  QLabel* idealHeader = MakeLabel(this, QStringLiteral("Ideal Reading"), QStringLiteral("lblidealHeader"), true);
  idealHeader->setMaximumWidth(cells_[0]->width());
  grid->addWidget(idealHeader, 0, 2);
  for (int set = 1; set <= kMaxReadingSets; ++set) {
    setHeaders_[set] = headerLabel(QStringLiteral("Knife Edge Reading %1").arg(set));
    grid->addWidget(setHeaders_[set], 0, set + 2);
  }
  for (int zone = 1; zone <= kMaxZones; ++zone) {
    zoneLabels_[zone] = MakeLabel(this, QString::number(zone), QStringLiteral("lblF3KE_%1").arg(header++));
    effective_[zone] = MakeLabel(this, QString(), QStringLiteral("lblEffective_%1").arg(zone));
    ideal_[zone] = MakeLabel(this, QString(), QStringLiteral("lblideal_%1").arg(zone));
    grid->addWidget(zoneLabels_[zone], zone, 0);
    grid->addWidget(effective_[zone], zone, 1);
    grid->addWidget(ideal_[zone], zone, 2);
    for (int set = 1; set <= kMaxReadingSets; ++set) grid->addWidget(cells_[ReadingCell(zone, set)], zone, set + 2);
  }
  grid->setRowStretch(kMaxZones + 1, 1);
  grid->setVerticalSpacing(2);
  grid->setHorizontalSpacing(4);

  auto* side = new QGridLayout;
  side->addWidget(new QLabel(QStringLiteral("Number of Mask Zones"), this), 0, 0);
  zoneCount_ = MakeLabel(this, QString(), QStringLiteral("lblZoneCount"));
  side->addWidget(zoneCount_, 0, 1);
  for (int i = 0; i < 6; ++i) {
    side->addWidget(new QLabel(QString::fromLatin1(kSideLabels[i]), this), i + 1, 0);
    side->addWidget(cells_[kUnitsCell + i], i + 1, 1);
  }
  side->setRowStretch(7, 1);

  auto* panel = new QHBoxLayout(this);
  panel->setContentsMargins(4, 0, 4, 0);
  panel->addLayout(grid);
  panel->addSpacing(12);
  panel->addLayout(side);
  panel->addStretch(1);
}

void ReadingsPanel::enterPanel(const PanelEntry&) {
  cells_[kSetsCell]->setText(QString::number(test_.ReadingSets));
  focusCell(kSetsCell);
  showReadings();
}

void ReadingsPanel::showReadings() {
  ComputeEffectiveRadii(test_);
  const QString separator = DecimalSeparator();
  for (int cell = kUnitsCell; cell < kReadingsCellCount; ++cell) {
    ShowText(cells_[cell], ReadingsCellText(test_, cell, separator));
  }
  const int zoneCount = std::clamp(test_.ZoneCount, kMinZones, kMaxZones);
  const int sets = std::clamp(test_.ReadingSets, 1, kMaxReadingSets);
  zoneCount_->setText(QString::number(zoneCount));
  for (int set = 1; set <= kMaxReadingSets; ++set) setHeaders_[set]->setVisible(set <= sets);
  for (int zone = 1; zone <= kMaxZones; ++zone) {
    const bool shown = zone <= zoneCount;
    zoneLabels_[zone]->setVisible(shown);
    effective_[zone]->setVisible(shown);
    ideal_[zone]->setVisible(shown);
    effective_[zone]->setText(EffectiveRadiusText(test_, zone, separator));
    ideal_[zone]->setText(IdealReadingText(test_, zone, separator));
    for (int set = 1; set <= kMaxReadingSets; ++set) {
      QLineEdit* cell = cells_[ReadingCell(zone, set)];
      cell->setVisible(shown && set <= sets);
      ShowText(cell, ReadingsCellText(test_, ReadingCell(zone, set), separator));
    }
  }
}

void ReadingsPanel::focusCell(int cell) { cells_[cell]->setFocus(Qt::OtherFocusReason); }

void ReadingsPanel::clearEntryFields() {
  for (QLineEdit* cell : cells_) cell->clear();
}

bool ReadingsPanel::eventFilter(QObject* watched, QEvent* event) {
  const QVariant index = watched->property("cell");
  if (!index.isValid()) return PanelContent::eventFilter(watched, event);
  const int cell = index.toInt();
  QLineEdit* edit = cells_[cell];
  switch (event->type()) {
    case QEvent::FocusIn:
      ShowFocused(edit, true);
      SelectAllOnFocus(edit, static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason);
      emit helpChanged(ReadingsHelp(cell));
      break;
    case QEvent::FocusOut:
      if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) break;
      ShowFocused(edit, false);
      commit(cell);
      break;
    case QEvent::MouseButtonPress: clipboard_.setText(std::string()); break;
    case QEvent::KeyPress: return handleKey(cell, *static_cast<QKeyEvent*>(event));
    default: break;
  }
  return PanelContent::eventFilter(watched, event);
}

bool ReadingsPanel::handleKey(int cell, const QKeyEvent& event) {
  if (const auto key = NavKeyOf(event)) {
    const int zoneCount = std::clamp(test_.ZoneCount, kMinZones, kMaxZones);
    const int sets = std::clamp(test_.ReadingSets, 1, kMaxReadingSets);
    focusCell(NextReadingsCell(cell, *key, zoneCount, sets));
    return true;
  }
  const std::optional<QChar> typed = TypedCharOf(event);
  if (!typed) return false;
  switch (FilterReadingsKey(cell, *typed, EditStateOf(*cells_[cell]), DecimalSeparator())) {
    case KeyVerdict::Accept: return false;
    case KeyVerdict::Swallow: return true;
    case KeyVerdict::Refuse: QApplication::beep(); return true;
    case KeyVerdict::Flip:
      FlipReadingsToggle(test_, cell);
      showReadings();
      return true;
  }
  return true;
}

void ReadingsPanel::commit(int cell) {
  const QString separator = DecimalSeparator();
  if (CommitReadingsCell(test_, cell, cells_[cell]->text(), separator) == CommitEffect::Redraw) {
    showReadings();
  } else {
    ShowText(cells_[cell], ReadingsCellText(test_, cell, separator));
  }
}

}  // namespace zonalyst::ui

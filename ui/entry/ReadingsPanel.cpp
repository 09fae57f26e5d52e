#include "ReadingsPanel.h"

#include "EntryGrid.h"
#include "core/ConicGeometry.h"
#include "core/Constants.h"
#include "ui/entry/rules/EntryText.h"
#include "ui/entry/rules/HelpTexts.h"
#include "ui/panel/EntryBoxes.h"
#include "ui/panel/rules/EntryIndex.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zonalyst::ui {

using namespace entry;
using namespace panel;

namespace {

constexpr const char* kSideLabels[6] = {"Measurment Units", "Light Source Type",   "Radius of Curvature",
                                        "Mirror Diameter",  "Desired Deformation", "Number of Data Sets"};

QLabel* MakeLabel(QWidget* parent, const QString& text, const QString& objectName, bool wrap = false) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(objectName);
  label->setWordWrap(wrap);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

ReadingsPanel::ReadingsPanel(const PanelContext& context) : context_(context), test_(context.state.test) {
  setObjectName(QStringLiteral("ReadingsPanel"));
  cells_ = new EntryGrid(
      context.state,
      {.objectName = QStringLiteral("lblF3Kedata_%1"),
       .count = kReadingsCellCount,
       .isToggle = IsReadingsToggle,
       .help = ReadingsHelp,
       .next = [this](int cell, NavKey key) { return NextReadingsCell(cell, key, test_.zones(), test_.sets()); },
       .filterKey = FilterReadingsKey,
       .flip = FlipReadingsToggle,
       .commit = CommitReadingsCell,
       .text = ReadingsCellText},
      this);
  // Four reading columns and the side column share the panel's width.
  for (int cell = 0; cell < kReadingsCellCount; ++cell) cells_->box(cell)->setFixedWidth(IsReadingCell(cell) ? 78 : 96);
  connect(cells_, &EntryGrid::helpChanged, this, &ReadingsPanel::helpChanged);
  connect(cells_, &EntryGrid::recordChanged, this, &ReadingsPanel::showReadings);
  connect(cells_, &EntryGrid::boxPressed, this,
          [clipboard = &context.clipboard] { clipboard->setText(std::string()); });
  buildLayout();
}

void ReadingsPanel::buildLayout() {
  auto* grid = new QGridLayout;
  int header = 0;
  // Headers wrap within their column, whichever columns show.
  const auto headerLabel = [&](const QString& text) {
    QLabel* label = MakeLabel(this, text, QStringLiteral("lblF3KE_%1").arg(header++), true);
    label->setMaximumWidth(cells_->box(0)->width());
    return label;
  };
  grid->addWidget(headerLabel(QStringLiteral("Zone")), 0, 0);
  grid->addWidget(headerLabel(QStringLiteral("Effective Radius")), 0, 1);
  QLabel* idealHeader = MakeLabel(this, QStringLiteral("Ideal Reading"), QStringLiteral("lblidealHeader"), true);
  idealHeader->setMaximumWidth(cells_->box(0)->width());
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
    for (int set = 1; set <= kMaxReadingSets; ++set)
      grid->addWidget(cells_->box(ReadingCell(zone, set)), zone, set + 2);
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
    side->addWidget(cells_->box(kUnitsCell + i), i + 1, 1);
  }
  auto* photos = new QPushButton(QStringLiteral("Read from &Photos..."), this);
  photos->setObjectName(QStringLiteral("cmdReadPhotos"));
  photos->setToolTip(
      QStringLiteral("Fill a reading set from photographs taken through the tester at a series of knife positions"));
  connect(photos, &QPushButton::clicked, this, &ReadingsPanel::readFromPhotosRequested);
  side->addWidget(photos, 7, 0, 1, 2);
  auto* sweep = new QPushButton(QStringLiteral("Read from S&weep..."), this);
  sweep->setObjectName(QStringLiteral("cmdReadSweep"));
  sweep->setToolTip(QStringLiteral(
      "Fill a reading set from frames filmed while the knife swept through the nulls, with a dial's log beside"));
  connect(sweep, &QPushButton::clicked, this, &ReadingsPanel::readFromSweepRequested);
  side->addWidget(sweep, 8, 0, 1, 2);
  auto* live = new QPushButton(QStringLiteral("&Live Tester..."), this);
  live->setObjectName(QStringLiteral("cmdLiveTester"));
  live->setToolTip(QStringLiteral(
      "A camera and a dial indicator at the rig: every zone's null metered at once, readings stepped or swept"));
  connect(live, &QPushButton::clicked, this, &ReadingsPanel::liveTesterRequested);
  side->addWidget(live, 9, 0, 1, 2);
  side->setRowStretch(10, 1);

  auto* panel = new QHBoxLayout(this);
  panel->setContentsMargins(4, 0, 4, 0);
  panel->addLayout(grid);
  panel->addSpacing(12);
  panel->addLayout(side);
  panel->addStretch(1);
}

void ReadingsPanel::enterPanel(const PanelEntry&) {
  cells_->box(kSetsCell)->setText(QString::number(test_.ReadingSets));
  focusCell(kSetsCell);
  showReadings();
}

void ReadingsPanel::showReadings() {
  ComputeEffectiveRadii(test_);
  const QString separator = DecimalSeparator();
  const int zoneCount = test_.zones();
  const int sets = test_.sets();
  zoneCount_->setText(QString::number(zoneCount));
  for (int set = 1; set <= kMaxReadingSets; ++set) setHeaders_[set]->setVisible(set <= sets);
  for (int zone = 1; zone <= kMaxZones; ++zone) {
    const bool shown = zone <= zoneCount;
    zoneLabels_[zone]->setVisible(shown);
    effective_[zone]->setVisible(shown);
    ideal_[zone]->setVisible(shown);
    effective_[zone]->setText(EffectiveRadiusText(test_, zone, separator));
    ideal_[zone]->setText(IdealReadingText(test_, zone, separator));
  }
  for (int cell = 0; cell < kReadingsCellCount; ++cell) {
    if (IsReadingCell(cell)) cells_->box(cell)->setVisible(IsReadingsCellShown(cell, zoneCount, sets));
    cells_->showText(cell);
  }
}

void ReadingsPanel::focusCell(int cell) { cells_->focus(cell); }

void ReadingsPanel::clearEntryFields() { cells_->clear(); }

}  // namespace zonalyst::ui

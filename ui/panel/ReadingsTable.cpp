#include "ReadingsTable.h"

#include "core/ReadingSetFill.h"
#include "ui/panel/EntryBoxes.h"
#include "ui/panel/rules/SweepTable.h"
#include "ui/panel/rules/ZoneTable.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace zonalyst::ui {

QTableWidgetItem* ReadOnlyItem(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(item->flags() & ~Qt::ItemIsEditable);
  return item;
}

QTableWidget* MakeListTable(const QString& objectName, QWidget* parent) {
  auto* table = new QTableWidget(0, 0, parent);
  table->setObjectName(objectName);
  table->verticalHeader()->hide();
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  return table;
}

QTableWidget* MakeReadingsTable(int rowsInView, QWidget* parent) {
  QTableWidget* table = MakeListTable(QStringLiteral("tblZones"), parent);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setMinimumHeight(table->horizontalHeader()->sizeHint().height() +
                          rowsInView * table->verticalHeader()->defaultSectionSize() + 4);
  return table;
}

namespace {

// The table's columns and rows made these, each cell read-only.
template <typename Row>
void ShowRows(QTableWidget* table, const Row& headers, const std::vector<Row>& rows) {
  table->setColumnCount(static_cast<int>(headers.size()));
  table->setHorizontalHeaderLabels(QStringList(headers.begin(), headers.end()));
  table->setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < table->rowCount(); ++row) {
    for (int column = 0; column < table->columnCount(); ++column) {
      table->setItem(row, column, ReadOnlyItem(rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]));
    }
  }
}

}  // namespace

void ShowZoneReadings(QTableWidget* table, const MirrorTest& test, const std::optional<PhotoReadingsResult>& result) {
  ShowRows(table, panel::ZoneHeaders(test),
           result ? panel::ZoneRows(test, *result, DecimalSeparator().front()) : std::vector<panel::ZoneRow>{});
}

void ShowSweepReadings(QTableWidget* table, const MirrorTest& test, const std::optional<SweepResult>& result) {
  ShowRows(table, panel::SweepHeaders(test),
           result ? panel::SweepRows(test, *result, DecimalSeparator().front()) : std::vector<panel::SweepRow>{});
}

int FillSetControls::chosenSet() const { return set->currentIndex() + 1; }

FillSetControls MakeFillSetControls(const MirrorTest& test, QWidget* parent) {
  FillSetControls controls{new QComboBox(parent), new QPushButton(parent)};
  controls.set->setObjectName(QStringLiteral("cboFillSet"));
  for (int set = 1; set <= LastFillableSet(test); ++set) controls.set->addItem(QString::number(set));
  controls.set->setCurrentIndex(NextReadingSet(test) - 1);
  controls.fill->setObjectName(QStringLiteral("cmdFillSet"));
  const auto nameFill = [controls] { controls.fill->setText(QStringLiteral("Fill Set %1").arg(controls.chosenSet())); };
  nameFill();
  QObject::connect(controls.set, &QComboBox::currentIndexChanged, controls.fill, nameFill);
  return controls;
}

}  // namespace zonalyst::ui

#pragma once

#include "core/MirrorTest.h"
#include "core/PhotoReadings.h"
#include "core/SweepReadings.h"

#include <QString>

#include <optional>

class QComboBox;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QWidget;

namespace zonalyst::ui {

// A table cell the user reads but does not edit.
QTableWidgetItem* ReadOnlyItem(const QString& text);

// A table of rows without row numbers (objectName), its columns stretched to its width and its
// rows as tall as the text.
QTableWidget* MakeListTable(const QString& objectName, QWidget* parent);
// The zones' readings that photos, a sweep or the live tester gave (tblZones): read-only, its
// columns stretched to its width, rowsInView rows in view before it scrolls.
QTableWidget* MakeReadingsTable(int rowsInView, QWidget* parent);
// A series' zones and their readings in the table; the headers alone before one is read.
void ShowZoneReadings(QTableWidget* table, const MirrorTest& test, const std::optional<PhotoReadingsResult>& result);
// A sweep's zones and their readings in and out; the headers alone before one is read.
void ShowSweepReadings(QTableWidget* table, const MirrorTest& test, const std::optional<SweepResult>& result);

// The reading set to fill (cboFillSet: the sets of the test that can be filled, the next one to
// fill chosen; a set further on would bring sets of zeros into use) and its button, named after
// it ("Fill Set N", cmdFillSet).
struct FillSetControls {
  QComboBox* set = nullptr;
  QPushButton* fill = nullptr;
  int chosenSet() const;
};
FillSetControls MakeFillSetControls(const MirrorTest& test, QWidget* parent);

}  // namespace zonalyst::ui

#pragma once

#include <QDialog>
#include <QScrollBar>
#include <functional>

#include "../WindowRig.h"
#include "ui/analysis/MilliesLacroixPanel.h"
#include "ui/analysis/SpotDiffractionPanel.h"
#include "ui/analysis/StarTestPanel.h"
#include "ui/analysis/SurfaceErrorPanel.h"

namespace zonalyst::test {

// 15 zones of a 250 mm f/5 mirror in millimetres, three reading sets that scatter by a
// few hundredths around a slightly undercorrected paraboloid.
MirrorTest ScatteredFifteenZoneTest();
// The readings of a perfect 200 mm f/4 paraboloid, entered with a desired conic 0.
MirrorTest ParaboloidEnteredAsSphere();
// An 8 inch f/4 paraboloid in inches, four zones.
MirrorTest InchTest();

// The real window with all its panels, started on a test of the caller.
struct AnalysisFixture {
  // Writes the test as fileName and starts the window on it: the surface error panel
  // is on show.
  void open(const MirrorTest& test, const QString& fileName);
  void press(Qt::Key key) { rig.key(key); }
  QScrollBar* slider(const QString& name) const;
  QString text(const QString& labelName) const;
  QString help() const { return text(QStringLiteral("LblHelp")); }

  testing::WindowRig rig;
  ui::MainWindow* window = nullptr;
  struct {
    ui::SurfaceErrorPanel* surface = nullptr;
    ui::MilliesLacroixPanel* milliesLacroix = nullptr;
    ui::OffsetPanel* transverse = nullptr;
    ui::SpotDiffractionPanel* spot = nullptr;
    ui::StarTestPanel* star = nullptr;
  } panels;
};

// Handles the next modal dialog named objectName when it opens (polling for it).
void WhenModalOpens(const QString& objectName, std::function<void(QDialog&)> act);
// Runs act once, as soon as condition holds, from the events that a long loop of the
// window lets run (polling for it).
void WhenTrue(std::function<bool()> condition, std::function<void()> act);

}  // namespace zonalyst::test

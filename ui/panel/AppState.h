#pragma once

#include <QString>

#include "core/BesselTable.h"
#include "core/MonteCarlo.h"
#include "core/MirrorTest.h"
#include "platform/Settings.h"
#include "ui/panel/MonteCarloValues.h"

namespace zonalyst::ui {

// What the window owns for the whole run and hands to its panels: the open test, where
// it lives, the Bessel table, the four settings, the random source and the Monte Carlo values.
struct AppState {
  MirrorTest test;
  QString folder;    // folder of the open test, as the user chose it
  QString fileName;  // empty: no test is open
  BesselTable bessel;
  platform::Settings settings;
  int filePosition = 0;       // place of the open test in the load panel's file list
  UniformSource random{0};    // seeded from the clock at start-up
  MonteCarloValues monteCarlo;  // shared by the Monte Carlo run and its set-up dialog

  bool testOpen() const { return !fileName.isEmpty(); }
};

}  // namespace zonalyst::ui

#pragma once

#include "core/BesselTable.h"
#include "core/MirrorTest.h"
#include "core/MonteCarlo.h"
#include "core/PhotoReadings.h"
#include "platform/Settings.h"
#include "ui/panel/MonteCarloValues.h"

#include <QString>

#include <optional>
#include <utility>

namespace zonalyst::ui {

// The disc the user last settled on when reading photos, in the pixels of their frames as
// read, with the frames' size: the tester's view crops a photo read to that size to it.
struct SeriesDisc {
  int width = 0;
  int height = 0;
  PhotoDisc disc;
};

// What the window owns for the whole run and hands to its panels: the open test, where
// it lives, the Bessel table, the four settings, the random source, the Monte Carlo values
// and the disc of the photos read last.
struct AppState {
  MirrorTest test;
  QString folder;    // folder of the open test, as the user chose it
  QString fileName;  // empty: no test is open
  BesselTable bessel;
  platform::Settings settings;
  int filePosition = 0;                 // place of the open test in the load panel's file list
  UniformSource random{0};              // seeded from the clock at start-up
  MonteCarloValues monteCarlo;          // shared by the Monte Carlo run and its set-up dialog
  std::optional<SeriesDisc> photoDisc;  // the disc the photo readings dialog closed with
  int testSerial = 0;                   // counts the tests made the open one

  bool testOpen() const { return !fileName.isEmpty(); }
  // Makes `opened` the open test, living as fileName in folder. What was shown of the test
  // before it is stale from now on: an entry box filled for it commits nothing (EntryGrid).
  void openTest(MirrorTest opened, QString inFolder, QString name) {
    test = std::move(opened);
    folder = std::move(inFolder);
    fileName = std::move(name);
    ++testSerial;
  }
};

}  // namespace zonalyst::ui

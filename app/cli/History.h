#pragma once

#include "core/MirrorTest.h"
#include "core/QualityMetrics.h"
#include "core/SurfaceAnalysis.h"
#include "io/SystemFileCalls.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace zonalyst::cli {

// One test of a figuring history, reduced as `report` reduces it.
struct HistoryTest {
  std::string path;
  io::FileTime modified;
  MirrorTest test;  // with its zone averages
  BestFit fit;
  QualityMetrics metrics;                                 // at the best-fit radius
  std::vector<std::optional<double>> zonalCorrectionPct;  // zones 1..N; none where it has no value
};

// A test that did not load or whose setup would be refused, with the command line's message.
struct SkippedTest {
  std::string path;
  std::string error;
  // What stands at the path (see io::UnlistedPath), or "not-a-test" for a file that does
  // not load, or "refused" for a test that cannot be reduced.
  std::string kind;
};

struct History {
  std::vector<HistoryTest> tests;  // oldest first
  std::vector<SkippedTest> skipped;
};

// Lists the folders and files, then loads and reduces every test. Warnings about tests
// that do load (a focal ratio below one) go to warnings.
History ReduceHistory(const std::vector<std::string>& paths, std::ostream& warnings);

// Draws the history's picture and writes it (PNG or GIF by the name's ending); false with
// the problem when it could not. Built without the picture layer it always fails.
bool WriteHistoryPicture(const History& history, const std::string& path, std::string& problem);

}  // namespace zonalyst::cli

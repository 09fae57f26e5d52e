#pragma once

#include "Options.h"
#include "core/TesterView.h"

#include <optional>
#include <ostream>
#include <string>

namespace zonalyst::cli {

// The options of a tester's view, shared by simulate and export --panel testers-view.
struct TesterRequest {
  TesterSettings settings;
  std::optional<double> knife;  // reading in the test's units; the middle zone's average when not given
  bool perfect = false;         // the desired conic instead of the measured surface
  int size = kDefaultViewSize;  // pixels of a view's side
};

// The tester's options, and the same added to those a command accepts.
const Options::Accepted& TesterOptionNames();
void AcceptTesterOptions(Options::Accepted& accepted);

// The options' help, one line each, the reading scale explained in the first.
extern const char* const kTesterOptionsHelp;

// Reads the tester's options; a bad value is a usage error (exit code 2, UsageError's
// line on err). --view is required when viewRequired; --knife lies within +-1e6.
std::optional<TesterRequest> ParseTesterOptions(const Options& options, bool viewRequired, const char* usage,
                                                std::ostream& err, int& exitCode);

// The knife reading of the request for a test whose readings are averaged.
double KnifeReading(const TesterRequest& request, const MirrorTest& test);

}  // namespace zonalyst::cli

// Values that no mirror has are never reduced to a mirror: the analysis says it could
// not, and a Monte Carlo trial with such values counts as failed, not as a result.
#include "core/MonteCarlo.h"
#include "core/MonteCarloExplanation.h"
#include "core/SurfaceAnalysis.h"
#include "tests/support/FilledBessel.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

#include <limits>
#include <numeric>

namespace zonalyst {
namespace {

TEST(SurfaceAnalysis, ValuesNoMirrorHasDoNotReduce) {
  struct Case {
    const char* what;
    void (*change)(MirrorTest&);
    bool reduces;
  };
  const Case cases[] = {
      {"the mirror itself", [](MirrorTest&) {}, true},
      {"two zones of one radius", [](MirrorTest& t) { t.ZoneRadius[3][2] = t.ZoneRadius[2][2]; }, true},
      {"a radius of 1E+70", [](MirrorTest& t) { t.Roc = 1e70; }, false},
      {"a conic of -1E+300", [](MirrorTest& t) { t.DesiredConic = -1e300; }, false},
      {"readings of 1E+300", [](MirrorTest& t) { t.KeReading[2][1] = 1e300; }, false},
      {"readings whose sum overflows",
       [](MirrorTest& t) {
         t.ReadingSets = 2;
         t.KeReading[2][1] = t.KeReading[2][2] = std::numeric_limits<double>::max();
       },
       false},
      {"a diameter of 1E+12", [](MirrorTest& t) { t.Diameter = 1e12; }, false},
  };
  for (const Case& c : cases) {
    MirrorTest test = testing::TestMirror();
    c.change(test);
    SurfaceAnalysis analysis(testing::FilledBessel());
    analysis.analyse(test);
    EXPECT_EQ(analysis.reducible(), c.reduces) << c.what;
  }
}

TEST(SurfaceAnalysis, AbsurdScatterFailsEveryTrialAndTheRunSaysSo) {
  SurfaceAnalysis analysis(testing::FilledBessel());
  MirrorTest test = testing::TestMirror();
  analysis.analyse(test);
  ZoneValues sd{};
  sd.fill(1e50);
  UniformSource uniform(5);
  MonteCarloRun run(test, analysis, sd, 1e50, 40);
  while (run.runTrial(uniform)) {
  }
  EXPECT_EQ(run.failedTrials(), 40);
  EXPECT_EQ(std::accumulate(run.strehlHistogram().begin(), run.strehlHistogram().end(), 0), 0);
  EXPECT_FALSE(run.strehlRange());
  run.finish();
  EXPECT_TRUE(analysis.reducible());  // the nominal readings again
  const std::string explanation = ExplainMonteCarlo(run.strehlRange(), run.rmsRange(), run.failedTrials(), 40);
  EXPECT_NE(explanation.find("\r\n40 of 40 trials failed: their readings could not be reduced to a surface, and the "
                             "charts leave them out.\r\n"),
            std::string::npos);
  EXPECT_EQ(FailedTrialsSentence(0, 40), "");
}

}  // namespace
}  // namespace zonalyst

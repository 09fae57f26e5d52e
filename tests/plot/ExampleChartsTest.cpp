#include "core/MonteCarlo.h"
#include "core/SurfaceAnalysis.h"
#include "io/TestFileLoader.h"
#include "plot/MonteCarloCharts.h"
#include "plot/PictureSizes.h"
#include "plot/RasterSurface.h"
#include "plot/RecordingSurface.h"
#include "plot/SurfaceErrorChart.h"
#include "plot/TransverseErrorChart.h"
#include "tests/support/FilledBessel.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zonalyst::plot {
namespace {

// Every text of the picture lies whole inside it.
void ExpectTextsInside(const RecordingSurface& s, const std::string& what) {
  for (const RecordedCall& c : s.calls()) {
    if (c.op != RecordedCall::Op::Text) continue;
    EXPECT_TRUE(c.x1 >= 0.0 && c.y1 >= 0.0 && c.x1 + s.textWidth(c.text) <= s.scaleWidth() &&
                c.y1 + s.textHeight(c.text) <= s.scaleHeight())
        << what << ": " << c.text << " at " << c.x1 << "," << c.y1;
  }
}

TEST(ExampleCharts, EveryLabelOfEveryExampleFitsItsPicture) {
  const std::filesystem::path folder = std::filesystem::path(ZONALYST_SOURCE_DIR) / "examples";
  int examples = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".fdr") continue;
    const io::LoadResult loaded = io::LoadTestFile(folder.string(), entry.path().filename().string());
    ASSERT_TRUE(loaded.ok()) << entry.path() << ": " << loaded.error.detail;
    MirrorTest test = *loaded.test;
    SurfaceAnalysis analysis(zonalyst::testing::FilledBessel());
    analysis.analyse(test);
    const std::string name = entry.path().filename().string();

    RasterSurface sg(kSG.width, kSG.height), te(kPicTE.width, kPicTE.height), mc(kSG.width, kSG.height);
    RecordingSurface surfaceChart(sg), transverseChart(te), histograms(mc);
    DrawSurfaceError(surfaceChart, test, analysis.metrics());
    ExpectTextsInside(surfaceChart, name + " surface error");
    DrawTransverseError(transverseChart, test, analysis.metrics());
    ExpectTextsInside(transverseChart, name + " transverse error");

    ZoneValues sd{};
    for (int z = 1; z <= test.ZoneCount; ++z) sd[z] = test.inInches() ? 0.005 : 0.127;
    MonteCarloRun run(test, analysis, sd, sd[1], 200);
    UniformSource uniform(7);
    while (run.runTrial(uniform)) {
    }
    DrawMonteCarloCharts(histograms, MonteCarloChartData::Of(run, test.inInches()));
    ExpectTextsInside(histograms, name + " Monte Carlo");
    ++examples;
  }
  EXPECT_GE(examples, 10);
}

}  // namespace
}  // namespace zonalyst::plot

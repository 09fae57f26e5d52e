#include "LiveCharts.h"

#include "core/MilliesLacroix.h"
#include "core/SpotDiffraction.h"
#include "core/StarTest.h"
#include "plot/MilliesLacroixChart.h"
#include "plot/SpotDiffractionChart.h"
#include "plot/StarTestChart.h"

namespace zonalyst::ui {
namespace {

class MilliesLacroixChart final : public AnalysisChart {
 public:
  explicit MilliesLacroixChart(const MilliesLacroixControls& controls) : controls_(controls) {}
  void draw(plot::PictureSurface& picture, MirrorTest& test, SurfaceAnalysis&, double) override {
    plot::DrawMilliesLacroix(picture, test, ComputeMilliesLacroix(test, controls_.shift));
  }

 private:
  const MilliesLacroixControls& controls_;
};

class SpotChart final : public AnalysisChart {
 public:
  explicit SpotChart(const SpotControls& controls) : controls_(controls) {}
  void draw(plot::PictureSurface& picture, MirrorTest& test, SurfaceAnalysis& analysis, double) override {
    plot::DrawSpotDiffraction(picture, ComputeSpotDiffraction(analysis.profile(), analysis.metrics(), analysis.bessel(),
                                                              test.diameterMm(), controls_.obstruction));
  }

 private:
  const SpotControls& controls_;
};

class StarChart final : public AnalysisChart {
 public:
  explicit StarChart(const StarControls& controls) : controls_(controls) {}
  void draw(plot::PictureSurface& picture, MirrorTest& test, SurfaceAnalysis& analysis, double rocMm) override {
    const double diameter = test.diameterMm();
    const StarTestImages images = ComputeStarTest(analysis.profile(), test.DesiredConic, analysis.bessel(), rocMm,
                                                  controls_.defocusWaves, DefocusStep(rocMm, diameter), diameter,
                                                  controls_.obstruction, {controls_.detail, controls_.contrast});
    plot::DrawStarTest(picture, images, {controls_.defocusWaves, rocMm, diameter, test.inInches()});
  }

 private:
  const StarControls& controls_;
};

class TestersViewChart final : public AnalysisChart {
 public:
  explicit TestersViewChart(const plot::TesterControls& controls) : controls_(controls) {}
  void draw(plot::PictureSurface& picture, MirrorTest& test, SurfaceAnalysis& analysis, double rocMm) override {
    plot::DrawTestersView(picture, test, analysis.profile(), rocMm, controls_);
  }

 private:
  const plot::TesterControls& controls_;
};

}  // namespace

std::unique_ptr<AnalysisChart> MakeMilliesLacroixChart(const MilliesLacroixControls& controls) {
  return std::make_unique<MilliesLacroixChart>(controls);
}
std::unique_ptr<AnalysisChart> MakeSpotChart(const SpotControls& controls) {
  return std::make_unique<SpotChart>(controls);
}
std::unique_ptr<AnalysisChart> MakeStarChart(const StarControls& controls) {
  return std::make_unique<StarChart>(controls);
}
std::unique_ptr<AnalysisChart> MakeTestersViewChart(const plot::TesterControls& controls) {
  return std::make_unique<TestersViewChart>(controls);
}

}  // namespace zonalyst::ui

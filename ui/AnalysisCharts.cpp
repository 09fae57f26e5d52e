#include "AnalysisCharts.h"

#include "PanelTexts.h"
#include "core/MilliesLacroix.h"
#include "core/SpotDiffraction.h"
#include "core/StarTest.h"
#include "plot/MilliesLacroixChart.h"
#include "plot/SpotDiffractionChart.h"
#include "plot/StarTestChart.h"
#include "plot/SurfaceErrorChart.h"
#include "plot/TransverseErrorChart.h"

namespace zonalyst::ui {
namespace {

// Slider positions a panel shows on its first visit, before its sliders are moved.
constexpr int kFirstMilliesLacroixShift = 0;
constexpr double kFirstSpotObstruction = 0.0;
constexpr int kFirstStarDefocusWaves = 0;
constexpr double kFirstStarObstruction = 33.0;

class SurfaceErrorChart final : public AnalysisChart {
 public:
  void draw(plot::PictureSurface& picture, MirrorTest& test, SurfaceAnalysis& analysis, double) override {
    plot::DrawSurfaceError(picture, test, analysis.metrics());
  }
};

class MilliesLacroixChart final : public AnalysisChart {
 public:
  void draw(plot::PictureSurface& picture, MirrorTest& test, SurfaceAnalysis&, double) override {
    plot::DrawMilliesLacroix(picture, test, ComputeMilliesLacroix(test, kFirstMilliesLacroixShift));
  }
};

class TransverseErrorChart final : public AnalysisChart {
 public:
  void draw(plot::PictureSurface& picture, MirrorTest& test, SurfaceAnalysis& analysis, double) override {
    plot::DrawTransverseError(picture, test, analysis.metrics());
  }
};

class SpotDiffractionChart final : public AnalysisChart {
 public:
  void draw(plot::PictureSurface& picture, MirrorTest& test, SurfaceAnalysis& analysis, double) override {
    plot::DrawSpotDiffraction(picture, ComputeSpotDiffraction(analysis.profile(), analysis.metrics(),
                                                              analysis.bessel(), test.diameterMm(),
                                                              kFirstSpotObstruction));
  }
};

class StarTestChart final : public AnalysisChart {
 public:
  void draw(plot::PictureSurface& picture, MirrorTest& test, SurfaceAnalysis& analysis, double rocMm) override {
    const double diameter = test.diameterMm();
    const StarTestImages images =
        ComputeStarTest(analysis.profile(), test.DesiredConic, analysis.bessel(), rocMm, kFirstStarDefocusWaves,
                        DefocusStep(rocMm, diameter), diameter, kFirstStarObstruction,
                        StarGreyMapping{kFirstStarDefocusWaves != 0, false});
    plot::DrawStarTest(picture, images, {kFirstStarDefocusWaves, rocMm, diameter, test.inInches()});
  }
};

}  // namespace

AnalysisPanelSpec AnalysisPanelFor(int panel) {
  switch (panel) {
    case kSurfaceErrorPanel:
      return {QStringLiteral("SG"), QStringLiteral("Picture1"), plot::kSG, {0, 1, 2, 3, 4, 5},
              std::make_unique<SurfaceErrorChart>()};
    case kMilliesLacroixPanel:
      return {QStringLiteral("PicML"), QStringLiteral("ResultsML"), plot::kPicML, {29, 28, 27, 26, 25, 24},
              std::make_unique<MilliesLacroixChart>()};
    case kTransverseErrorPanel:
      return {QStringLiteral("PicTE"), QStringLiteral("ResultsTE"), plot::kPicTE, {11, 10, 9, 8, 7, 6},
              std::make_unique<TransverseErrorChart>()};
    case kDiffractionPanel:
      return {QStringLiteral("PicSpot"), QStringLiteral("ResultsSpot"), plot::kPicSpot, {12, 13, 14, 15, 16, 17},
              std::make_unique<SpotDiffractionChart>()};
    default:
      return {QStringLiteral("Pic2D"), QStringLiteral("Results2D"), plot::kPic2D, {23, 22, 21, 20, 19, 18},
              std::make_unique<StarTestChart>()};
  }
}

}  // namespace zonalyst::ui

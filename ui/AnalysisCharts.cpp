#include "AnalysisCharts.h"

#include "LiveCharts.h"
#include "PanelTexts.h"
#include "plot/SurfaceErrorChart.h"
#include "plot/TransverseErrorChart.h"

namespace zonalyst::ui {
namespace {

// The positions a panel's controls show on its first visit, before they are moved.
const MilliesLacroixControls kFirstMilliesLacroixVisit{};
const SpotControls kFirstSpotVisit{};
const StarControls kFirstStarVisit{};
const plot::TesterControls kFirstTesterVisit{};

class SurfaceErrorChart final : public AnalysisChart {
 public:
  explicit SurfaceErrorChart(EarlierMetrics earlier) : earlier_(std::move(earlier)) {}
  void draw(plot::PictureSurface& picture, MirrorTest& test, SurfaceAnalysis& analysis, double) override {
    plot::DrawSurfaceError(picture, test, analysis.metrics(), earlier_ ? earlier_() : nullptr);
  }

 private:
  EarlierMetrics earlier_;
};

class TransverseErrorChart final : public AnalysisChart {
 public:
  void draw(plot::PictureSurface& picture, MirrorTest& test, SurfaceAnalysis& analysis, double) override {
    plot::DrawTransverseError(picture, test, analysis.metrics());
  }
};

}  // namespace

std::unique_ptr<AnalysisChart> MakeSurfaceErrorChart(EarlierMetrics earlier) {
  return std::make_unique<SurfaceErrorChart>(std::move(earlier));
}

AnalysisPanelLayout AnalysisPanelFor(int panel) {
  switch (panel) {
    case kSurfaceErrorPanel:
      return {QStringLiteral("SG"), QStringLiteral("Picture1"), plot::kSG, {0, 1, 2, 3, 4, 5},
              MakeSurfaceErrorChart(nullptr)};
    case kMilliesLacroixPanel:
      return {QStringLiteral("PicML"), QStringLiteral("ResultsML"), plot::kPicML, {29, 28, 27, 26, 25, 24},
              MakeMilliesLacroixChart(kFirstMilliesLacroixVisit)};
    case kTransverseErrorPanel:
      return {QStringLiteral("PicTE"), QStringLiteral("ResultsTE"), plot::kPicTE, {11, 10, 9, 8, 7, 6},
              std::make_unique<TransverseErrorChart>()};
    case kDiffractionPanel:
      return {QStringLiteral("PicSpot"), QStringLiteral("ResultsSpot"), plot::kPicSpot, {12, 13, 14, 15, 16, 17},
              MakeSpotChart(kFirstSpotVisit)};
    case kTestersViewPanel:
      return {QStringLiteral("PicTester"), QStringLiteral("ResultsTester"), plot::kPicTester, {30, 31, 32, 33, 34, 35},
              MakeTestersViewChart(kFirstTesterVisit)};
    default:
      return {QStringLiteral("Pic2D"), QStringLiteral("Results2D"), plot::kPic2D, {23, 22, 21, 20, 19, 18},
              MakeStarChart(kFirstStarVisit)};
  }
}

}  // namespace zonalyst::ui

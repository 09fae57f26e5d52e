#include "ExportPictures.h"

#include <array>
#include <functional>

#include "core/MilliesLacroix.h"
#include "core/MonteCarlo.h"
#include "core/SpotDiffraction.h"
#include "core/StarTest.h"
#include "core/SurfaceAnalysis.h"
#include "core/ZoneReport.h"
#include "plot/MilliesLacroixChart.h"
#include "plot/MonteCarloCharts.h"
#include "plot/PictureSizes.h"
#include "plot/RasterSurface.h"
#include "plot/RecordingSurface.h"
#include "plot/ReportImage.h"
#include "plot/SpotDiffractionChart.h"
#include "plot/StarTestChart.h"
#include "plot/TesterViewChart.h"
#include "plot/SurfaceErrorChart.h"
#include "plot/TransverseErrorChart.h"

namespace zonalyst::cli {
namespace {

using Drawing = std::function<void(plot::PictureSurface&)>;

// Draws once on a raster picture of the size given, through a recorder when asked.
plot::PixelImage Draw(plot::PictureSize size, const Drawing& draw, std::string* recording) {
  plot::RasterSurface raster(size.width, size.height);
  if (recording) {
    plot::RecordingSurface recorder(raster);
    draw(recorder);
    *recording = recorder.toJson();
  } else {
    draw(raster);
  }
  return raster.toPixelImage();
}

plot::PixelImage StarPicture(const SurfaceAnalysis& analysis, const MirrorTest& test, double bestFitRocMm,
                             int defocusWaves, double obstruction, StarGreyMapping mapping, std::string* recording) {
  const double diameterMm = test.diameterMm();
  const StarTestImages images =
      ComputeStarTest(analysis.profile(), test.DesiredConic, analysis.bessel(), bestFitRocMm, defocusWaves,
                      DefocusStep(bestFitRocMm, diameterMm), diameterMm, obstruction, mapping);
  const plot::StarTestLabels labels{defocusWaves, bestFitRocMm, diameterMm, test.inInches()};
  return Draw(plot::kPic2D, [&](plot::PictureSurface& s) { plot::DrawStarTest(s, images, labels); }, recording);
}

}  // namespace

std::optional<ExportPanel> ExportPanelNamed(const std::string& name) {
  if (name == "surface") return ExportPanel::SurfaceError;
  if (name == "ml") return ExportPanel::MilliesLacroix;
  if (name == "transverse") return ExportPanel::TransverseError;
  if (name == "spot") return ExportPanel::Diffraction;
  if (name == "star") return ExportPanel::StarTest;
  if (name == "montecarlo") return ExportPanel::MonteCarlo;
  if (name == "testers-view") return ExportPanel::TestersView;
  return std::nullopt;
}

int PanelIndex(ExportPanel panel) {
  switch (panel) {
    case ExportPanel::SurfaceError:
    case ExportPanel::MonteCarlo: return 4;
    case ExportPanel::MilliesLacroix: return 5;
    case ExportPanel::TransverseError: return 6;
    case ExportPanel::Diffraction: return 7;
    case ExportPanel::StarTest: return 8;
    case ExportPanel::TestersView: return 10;
  }
  return 0;
}

ExportedPanel ExportPanelPicture(ExportPanel panel, MirrorTest& test, const BesselTable& bessel,
                                 const ExportSettings& settings, bool record) {
  SurfaceAnalysis analysis(bessel);
  const BestFit fit = analysis.reduceAndFit(test);
  const double roc = fit.bestFitRocMm + settings.offsetMm;
  std::string* recording = nullptr;
  ExportedPanel out;
  if (record) recording = &out.recording;

  switch (panel) {
    case ExportPanel::SurfaceError:
      analysis.measureAt(test, roc);
      out.picture = Draw(plot::kSG, [&](auto& s) { plot::DrawSurfaceError(s, test, analysis.metrics()); }, recording);
      break;
    case ExportPanel::TransverseError:
      analysis.measureAt(test, roc);
      out.picture = Draw(plot::kPicTE, [&](auto& s) { plot::DrawTransverseError(s, test, analysis.metrics()); },
                         recording);
      break;
    case ExportPanel::MilliesLacroix: {
      analysis.measureAt(test, fit.bestFitRocMm);
      const MilliesLacroix ml = ComputeMilliesLacroix(test, settings.mlShift);
      out.picture = Draw(plot::kPicML, [&](auto& s) { plot::DrawMilliesLacroix(s, test, ml); }, recording);
      break;
    }
    case ExportPanel::Diffraction: {
      analysis.measureAt(test, roc);
      const SpotDiffraction spot = ComputeSpotDiffraction(analysis.profile(), analysis.metrics(), bessel,
                                                          test.diameterMm(), settings.obstruction.value_or(0.0));
      out.picture = Draw(plot::kPicSpot, [&](auto& s) { plot::DrawSpotDiffraction(s, spot); }, recording);
      break;
    }
    case ExportPanel::MonteCarlo: {
      analysis.measureAt(test, fit.bestFitRocMm);
      const ReadingScatter scatter = CalculateReadingScatter(test);
      UniformSource uniform(settings.seed);
      MonteCarloRun run(test, analysis, scatter.sd, scatter.meanSd, settings.trials);
      while (run.runTrial(uniform)) {
      }
      run.finish();
      const auto data = plot::MonteCarloChartData::Of(run, test.inInches());
      out.picture = Draw(plot::kSG, [&](auto& s) { plot::DrawMonteCarloCharts(s, data); }, recording);
      break;
    }
    case ExportPanel::TestersView: {
      analysis.measureAt(test, fit.bestFitRocMm);
      const plot::TesterControls controls{settings.tester.settings, KnifeReading(settings.tester, test),
                                          settings.tester.size};
      out.picture = Draw(plot::TestersViewPictureSize(controls.viewSide), [&](auto& s) {
        plot::DrawTestersView(s, test, analysis.profile(), fit.bestFitRocMm, controls);
      }, recording);
      break;
    }
    case ExportPanel::StarTest: {
      analysis.measureAt(test, fit.bestFitRocMm);
      const double obstruction = settings.obstruction.value_or(33.0);
      out.picture = StarPicture(analysis, test, fit.bestFitRocMm, settings.defocusWaves, obstruction,
                                {settings.detail, settings.contrast}, recording);
      // The saved picture stacks 2, 5 and 10 waves; moving the defocus slider off 0
      // checks "High Detail".
      std::array<plot::PixelImage, 3> stack;
      const int waves[3] = {2, 5, 10};
      for (int i = 0; i < 3; ++i) {
        stack[i] = StarPicture(analysis, test, fit.bestFitRocMm, waves[i], obstruction, {true, settings.contrast},
                               nullptr);
      }
      out.saved = plot::ComposeStarTestImage(stack, plot::kPic2D);
      return out;
    }
  }
  out.saved = plot::ComposeReportImage(out.picture, BuildZoneReport(test, fit.bestFitRocMm));
  return out;
}

}  // namespace zonalyst::cli

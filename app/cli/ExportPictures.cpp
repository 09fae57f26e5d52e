#include "ExportPictures.h"

#include "core/JsonWriter.h"
#include "core/MonteCarlo.h"
#include "core/SurfaceAnalysis.h"
#include "core/ZoneReport.h"
#include "plot/MonteCarloCharts.h"
#include "plot/PanelTable.h"
#include "plot/RasterSurface.h"
#include "plot/RecordingSurface.h"
#include "plot/SavedPicture.h"

#include <functional>
#include <string_view>

namespace zonalyst::cli {
namespace {

using Drawing = std::function<void(plot::PictureSurface&)>;

constexpr std::string_view kMonteCarloName = "montecarlo";

// Draws once on a raster picture of the size given, writing the calls into json when asked.
plot::PixelImage Draw(plot::PictureSize size, const Drawing& draw, JsonWriter* json) {
  plot::RasterSurface raster(size.width, size.height);
  if (json) {
    plot::RecordingSurface recorder(raster);
    draw(recorder);
    recorder.writeJson(*json);
  } else {
    draw(raster);
  }
  return raster.toPixelImage();
}

// The Monte Carlo histograms of the test; afterwards the analysis holds the nominal
// metrics again, as the window shows them after a run.
plot::PixelImage MonteCarloPicture(MirrorTest test, SurfaceAnalysis& analysis, double bestFitRocMm,
                                   const ExportSettings& settings, JsonWriter* json) {
  const ReadingScatter scatter = CalculateReadingScatter(test);
  analysis.measureAt(test, bestFitRocMm);
  UniformSource uniform(settings.seed);
  MonteCarloRun run(test, analysis, scatter.sd, scatter.meanSd, settings.trials);
  while (run.runTrial(uniform)) {
  }
  run.finish();
  const auto data = plot::MonteCarloChartData::Of(run, test.inInches());
  return Draw(
      plot::kSG, [&](plot::PictureSurface& s) { plot::DrawMonteCarloCharts(s, data); }, json);
}

}  // namespace

std::optional<ExportView> ExportViewNamed(const std::string& name) {
  // The Monte Carlo histograms are what the surface error panel shows after a run.
  if (name == kMonteCarloName) return ExportView{plot::Panel::SurfaceError, true};
  for (const plot::PanelRow& row : plot::kPanelRows) {
    if (!row.name.empty() && row.name == name) return ExportView{row.panel};
  }
  return std::nullopt;
}

std::vector<ExportView> ExportAllViews() {
  std::vector<ExportView> views;
  for (const plot::PanelRow& row : plot::kPanelRows) {
    if (row.inExportAll) views.push_back({row.panel});
  }
  return views;
}

std::vector<std::string> ExportViewNames() {
  std::vector<std::string> inAll;
  std::vector<std::string> others;
  for (const plot::PanelRow& row : plot::kPanelRows) {
    if (!row.name.empty()) (row.inExportAll ? inAll : others).emplace_back(row.name);
  }
  inAll.emplace_back(kMonteCarloName);
  inAll.insert(inAll.end(), others.begin(), others.end());
  return inAll;
}

ExportedPanel ExportPanelPicture(const ExportView& view, const MirrorTest& test, const BesselTable& bessel,
                                 const ExportSettings& settings, bool record) {
  const plot::Panel panel = view.panel;
  plot::PanelControls controls = settings.controls;
  controls.obstruction = settings.obstruction.value_or(plot::RowOf(panel).defaultObstruction);
  if (view.monteCarlo) controls.offsetMm = 0.0;

  MirrorTest reduced = test;
  SurfaceAnalysis analysis(bessel);
  const BestFit fit = analysis.reduceAndFit(reduced);
  controls.tester = {settings.tester.settings, KnifeReading(settings.tester, reduced), settings.tester.size};
  JsonWriter json;
  JsonWriter* recording = record ? &json : nullptr;
  ExportedPanel out;
  json.beginObject();
  const auto drawPanel = [&](const plot::PanelControls& c, JsonWriter* into) {
    return Draw(
        plot::PanelPictureSize(panel, c),
        [&](plot::PictureSurface& s) { plot::DrawPanelPicture(s, panel, reduced, analysis, fit.bestFitRocMm, c); },
        into);
  };
  if (view.monteCarlo) {
    out.picture = MonteCarloPicture(reduced, analysis, fit.bestFitRocMm, settings, recording);
  } else {
    out.picture = drawPanel(controls, recording);
  }

  plot::SavedPicture parts;
  parts.panel = panel;
  if (plot::RowOf(panel).saved == plot::SavedKind::StarStack) {
    parts.stack = plot::StarStack(controls, [&](const plot::PanelControls& c) { return drawPanel(c, nullptr); });
  } else {
    parts.picture = out.picture;
    parts.frame = plot::PanelFrameTexts(panel, reduced, fit, analysis.metrics(), controls.offsetMm);
    parts.report = BuildZoneReport(reduced, fit.bestFitRocMm);
    parts.report.measuredSpanLine = MeasuredSpanNote(analysis.fitMeasuredSpan(reduced));
  }
  if (recording) json.key("saved").beginObject();
  out.saved = Draw(
      plot::SavedPictureSize(parts), [&](plot::PictureSurface& s) { plot::DrawSavedPicture(s, parts); }, recording);
  if (recording) {
    json.endObject().endObject();
    out.recording = json.text();
  }
  return out;
}

}  // namespace zonalyst::cli

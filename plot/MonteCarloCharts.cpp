#include "MonteCarloCharts.h"

#include "core/MonteCarloExplanation.h"
#include "core/NumberText.h"
#include "core/Rounding.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <sstream>

namespace zonalyst::plot {
namespace {

constexpr Rgb kOrange{255, 127, 0};
constexpr Rgb kAxisGrey{125, 125, 125};
constexpr Rgb kGuideOlive{120, 120, 0};
constexpr int kChartHeight = 200;
constexpr int kChartWidth = 280;
constexpr int kGuideLines = 4;  // at each quarter of the peak
// Tick labels stand at least this far apart, on 1, 2, 5, 10 or 20 bins.
constexpr double kTickSpacing = 36.0;

// One histogram chart: its corner, its scale and what it writes.
struct HistogramChart {
  double left = 0.0;
  double top = 0.0;
  double base = 0.0;
  std::span<const std::int32_t> counts;
  std::optional<ChartRange> range;
  std::string (*tickLabel)(int bin) = nullptr;
  const char* caption = "";

  double barLeft(int bin) const { return left + (bin - range->lo) * range->barWidth; }
  double barCentre(int bin) const { return barLeft(bin) + (range->barWidth - 1) / 2.0; }
  double right() const { return range ? barLeft(range->hi + 1) - 1.0 : left + kChartWidth; }
};

std::uint8_t Dim(int full, double factor) { return static_cast<std::uint8_t>(RoundHalfEven(full * factor)); }

void DrawGuides(PictureSurface& s, const HistogramChart& chart) {
  if (!chart.range) return;
  for (int k = 1; k <= kGuideLines; ++k) {
    const double y = chart.base - k * kChartHeight / kGuideLines;
    s.line(chart.left, y, chart.right(), y, kGuideOlive);
    const double count = chart.range->peak * static_cast<double>(k) / kGuideLines;
    // Below its line, so that the top one stays clear of "Count".
    const std::string label = FormatRounded(count, 0);
    s.setTextPosition(chart.left - 4.0 - s.textWidth(label), y + 1.0);
    s.print(label);
  }
}

void DrawBar(PictureSurface& s, const HistogramChart& chart, int bin) {
  const ChartRange& range = *chart.range;
  const std::int32_t count = chart.counts[bin];
  if (count <= 0) return;
  const double height = static_cast<double>(count) * kChartHeight / range.peak;
  const double top = RoundHalfEven(chart.base - height);
  const double x0 = chart.barLeft(bin);
  const double x1 = x0 + range.barWidth - 1;
  for (double x = x0; x <= x1; ++x) {
    s.line(x, chart.base, x, top, HistogramBarColour(bin, range, std::abs(x - chart.barCentre(bin))));
  }
  s.line(x0, chart.base, x0, top, kGridGrey);
  s.line(x0, top, x1, top, kGridGrey);
  s.line(x1, top, x1, chart.base, kGridGrey);
}

int TickStep(int barWidth) {
  for (int step : {1, 2, 5, 10}) {
    if (step * barWidth >= kTickSpacing) return step;
  }
  return 20;
}

void DrawAxes(PictureSurface& s, const HistogramChart& chart) {
  const double axisX = chart.left - 2.0;
  const double axisY = chart.base + 1.0;
  s.line(axisX, chart.top, axisX, axisY, kAxisGrey);
  s.line(axisX, axisY, chart.right(), axisY, kAxisGrey);
  s.setTextColour(kAxisGrey);
  PrintCentred(s, "Count", axisX, chart.top - s.textHeight("Count") - 2.0);
  const double labelTop = axisY + 4.0;
  if (chart.range) {
    const int step = TickStep(chart.range->barWidth);
    for (int bin = chart.range->lo; bin <= chart.range->hi; bin += step) {
      const double x = chart.barCentre(bin);
      s.line(x, axisY, x, axisY + 3.0, kAxisGrey);
      PrintCentred(s, chart.tickLabel(bin), x, labelTop);
    }
  }
  PrintCentred(s, chart.caption, (chart.left + chart.right()) / 2.0, labelTop + s.textHeight("X"));
}

void DrawHistogram(PictureSurface& s, const HistogramChart& chart) {
  s.setTextColour(kAxisGrey);
  DrawGuides(s, chart);
  if (chart.range) {
    for (int bin = chart.range->lo; bin <= chart.range->hi; ++bin) DrawBar(s, chart, bin);
  }
  DrawAxes(s, chart);
}

// The standard deviation in the set-up dialog's pattern "0.0000", so that both show the same digits.
std::string Title(const MonteCarloChartData& data) {
  return "Monte Carlo Distrubution using KE standard deviation (n-1) = " + FormatFixed(data.meanSd, 4) +
         (data.inches ? " inches" : "mm");
}

void DrawTitle(PictureSurface& s, const MonteCarloChartData& data, double middle) {
  s.setTextColour(kAxisGrey);
  PrintCentred(s, Title(data), middle, 1.0);
  PrintCentred(s, std::to_string(data.trials) + " Iterations processed", middle, 1.0 + s.textHeight("X"));
}

// No charts: the title, and in their place how many trials failed and why.
void DrawFailedRun(PictureSurface& s, const MonteCarloChartData& data, double middle, double top) {
  DrawTitle(s, data, middle);
  s.setTextColour(kOrange);
  std::istringstream message(TooManyFailedTrialsMessage(data.failedTrials, data.trials));
  double y = top;
  for (std::string line; std::getline(message, line); y += s.textHeight("X")) PrintCentred(s, line, middle, y);
}

}  // namespace

MonteCarloChartData MonteCarloChartData::Of(const MonteCarloRun& run, bool inches) {
  MonteCarloChartData data;
  data.strehl = run.strehlHistogram();
  data.rms = run.rmsHistogram();
  data.trials = run.trials();
  data.failedTrials = run.failedTrials();
  data.meanSd = run.meanSd();
  data.inches = inches;
  return data;
}

Rgb HistogramBarColour(int bin, const ChartRange& range, double distance) {
  const double factor = distance <= 1.0 ? 1.0 : std::pow(1.0 / distance, 0.3);
  if (bin >= range.lower68 && bin <= range.upper68) return {0, Dim(255, factor), 0};
  if (bin >= range.lower95 && bin <= range.upper95) return {Dim(255, factor), Dim(127, factor), 0};
  return {Dim(255, factor), 0, 0};
}

std::string StrehlTickLabel(int bin) {
  if (bin >= 100) return "1";
  const std::string fixed = FormatFixed(bin / 100.0, 2);
  return fixed.substr(fixed.find('.'));
}

std::string RmsTickLabel(int bin) { return std::to_string(bin); }

MonteCarloChartRanges DrawMonteCarloCharts(PictureSurface& s, const MonteCarloChartData& data) {
  const double top = (s.scaleHeight() - kChartHeight) / 2;
  const double middle = s.scaleWidth() / 2.0;
  s.clear();
  if (TooManyTrialsFailed(data.failedTrials, data.trials)) {
    DrawFailedRun(s, data, middle, top);
    return {};
  }
  const int binned = data.trials - data.failedTrials;
  MonteCarloChartRanges ranges{ComputeChartRange(data.strehl, binned), ComputeChartRange(data.rms, binned)};
  DrawHistogram(s,
                {middle - 325.0, top, top + kChartHeight, data.strehl, ranges.strehl, StrehlTickLabel, "Strehl Ratio"});
  DrawHistogram(s,
                {middle + 25.0, top, top + kChartHeight, data.rms, ranges.rms, RmsTickLabel, "Surface RMS Error (nm)"});
  DrawTitle(s, data, middle);
  return ranges;
}

}  // namespace zonalyst::plot

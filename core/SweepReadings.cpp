#include "SweepReadings.h"

#include "NullBends.h"
#include "PhotoWindows.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace zonalyst {
namespace {

constexpr double kTurnReachBins = 3.0;
constexpr std::size_t kLeastZonesForLatency = 4;
constexpr double kLargestLatencyErrorS = 0.05;

// A frame paired with the knife: its position (test units) and index.
struct PairedFrame {
  double position = 0.0;
  std::size_t frame = 0;
};

// The frames of each pass.
std::vector<std::vector<PairedFrame>> PairFrames(const KnifeTrack& track, const std::vector<SweepFrame>& frames,
                                                 double latencyS, SweepResult& result) {
  std::vector<std::vector<PairedFrame>> byPass(track.passes().size());
  result.positions.assign(frames.size(), std::nullopt);
  for (std::size_t k = 0; k < frames.size(); ++k) {
    const double t = frames[k].timeS - latencyS;
    const auto position = track.positionAt(t);
    const auto pass = track.passAt(t);
    if (!position) {
      const bool inside =
          !track.samples().empty() && t >= track.samples().front().timeS && t <= track.samples().back().timeS;
      ++(inside ? result.framesInGaps : result.framesOutside);
    } else if (!pass) {
      ++result.framesStill;
    } else {
      byPass[*pass].push_back({*position, k});
      result.positions[k] = position;
      ++result.framesUsed;
      ++result.passes[*pass].frames;
    }
  }
  return byPass;
}

// A zone's points of one pass, averaged in bins of knife travel; frames whose contrast is not
// a number are left out.
PassCurve BinnedCurve(std::size_t zone, const std::vector<PairedFrame>& paired, const std::vector<SweepFrame>& frames,
                      double bin, std::vector<double>& difference) {
  struct Sum {
    double position = 0.0, contrast = 0.0, difference = 0.0;
    int count = 0;
  };
  std::map<long long, Sum> bins;
  for (const PairedFrame& p : paired) {
    const ZoneBalance& b = frames[p.frame].zones[zone];
    if (!std::isfinite(b.contrast)) continue;
    Sum& sum = bins[static_cast<long long>(std::floor(p.position / bin))];
    sum.position += p.position;
    sum.contrast += b.contrast;
    sum.difference += b.difference;
    ++sum.count;
  }
  PassCurve curve;
  difference.clear();
  for (const auto& [key, sum] : bins) {
    curve.positions.push_back(sum.position / sum.count);
    curve.contrast.push_back(sum.contrast / sum.count);
    difference.push_back(sum.difference / sum.count);
  }
  return curve;
}

// Marks the passes whose null lies within kTurnReachBins bins of a turnaround: the
// crossing's reading rests on the bins either side of it, and frames near a turn are paired
// with a knife that was turning while they were late.
void MarkTurnarounds(std::vector<PassCurve>& curves, const std::vector<SweepPass>& passes, double reach) {
  for (PassCurve& curve : curves) {
    if (curve.null.status != NullStatus::Read) continue;
    const std::size_t p = curve.pass;
    const KnifePass& pass = passes[p].pass;
    // A pass turned at its start when one came before it, at its end when one follows.
    curve.turnaround = (p > 0 && std::abs(pass.from - curve.null.position) < reach) ||
                       (p + 1 < passes.size() && std::abs(pass.to - curve.null.position) < reach);
  }
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// The used passes of one direction at a zone: their mean reading, its fit error, the spread
// between them, and their mean speed at the null.
struct DirectionReading {
  double reading = 0.0, fit = 0.0, spread = 0.0, speed = 0.0;
};
std::optional<DirectionReading> ReadingOf(const std::vector<PassCurve>& curves, const std::vector<SweepPass>& passes,
                                          Travel direction) {
  std::vector<const PassCurve*> used;
  for (const PassCurve& curve : curves) {
    if (curve.used() && passes[curve.pass].pass.direction == direction) used.push_back(&curve);
  }
  if (used.empty()) return std::nullopt;
  const double n = static_cast<double>(used.size());
  DirectionReading r;
  for (const PassCurve* c : used) {
    r.reading += c->null.position / n;
    r.fit += c->null.uncertainty * c->null.uncertainty;
    r.speed += c->speed / n;
  }
  r.fit = std::sqrt(r.fit) / n;
  if (used.size() > 1) {
    double squares = 0.0;
    for (const PassCurve* c : used) squares += (c->null.position - r.reading) * (c->null.position - r.reading);
    r.spread = std::sqrt(squares / (n - 1.0) / n);
  }
  return r;
}

// What the zones' in - out say of the rig. Each is (v_in + v_out) delta + play, so over
// zones crossed at different speeds a straight line through (v_in + v_out, in - out) tells the
// latency delta (its slope) from the play; with fewer than four such zones, or speeds too
// alike to tell them apart, the latency is not known (its bound: the whole hysteresis taken as
// latency at the median speed).
struct RigHysteresis {
  double median = 0.0;   // of the zones' in - out, test units
  double scatter = 0.0;  // of a zone's in - out about the line (or the median), test units
  std::optional<double> latencyS;
  double latencyErrorS = 0.0;  // the latency's standard error, or its bound when not known
};
std::optional<RigHysteresis> HysteresisOf(const std::vector<double>& differences, const std::vector<double>& speeds) {
  const std::size_t n = differences.size();
  if (n == 0) return std::nullopt;
  RigHysteresis rig;
  rig.median = Median(differences);
  const double speed = Median(speeds);
  rig.latencyErrorS = speed > 0.0 ? std::abs(rig.median) / speed : 0.0;
  if (n < 3) return rig;
  double meanS = 0.0, meanD = 0.0;
  for (std::size_t k = 0; k < n; ++k) meanS += speeds[k] / n, meanD += differences[k] / n;
  double sss = 0.0, ssd = 0.0;
  for (std::size_t k = 0; k < n; ++k) {
    sss += (speeds[k] - meanS) * (speeds[k] - meanS);
    ssd += (speeds[k] - meanS) * (differences[k] - meanD);
  }
  const bool line = n >= kLeastZonesForLatency && sss > 0.0;
  const double slope = line ? ssd / sss : 0.0;
  double squares = 0.0;
  for (std::size_t k = 0; k < n; ++k) {
    const double predicted = line ? meanD + slope * (speeds[k] - meanS) : rig.median;
    squares += (differences[k] - predicted) * (differences[k] - predicted);
  }
  rig.scatter = std::sqrt(squares / static_cast<double>(n - (line ? 2 : 1)));
  const double slopeError = line ? rig.scatter / std::sqrt(sss) : 0.0;
  if (line && slopeError <= kLargestLatencyErrorS) {
    rig.latencyS = slope;
    rig.latencyErrorS = slopeError;
  }
  return rig;
}

void Combine(SweepZone& zone, const std::vector<SweepPass>& passes, SweepDirection direction,
             const std::optional<RigHysteresis>& rig) {
  const auto in = ReadingOf(zone.curves, passes, Travel::In);
  const auto out = ReadingOf(zone.curves, passes, Travel::Out);
  if (in) zone.in = in->reading;
  if (out) zone.out = out->reading;
  if (in && out) zone.inMinusOut = in->reading - out->reading;
  const double scatter = rig ? rig->scatter : 0.0;
  if (direction == SweepDirection::Both && in && out) {
    // What the mean keeps of the latency: (v_in - v_out) delta / 2.
    const double halfSpeedDifference = (in->speed - out->speed) / 2.0;
    const double latency = rig && rig->latencyS ? *rig->latencyS : 0.0;
    zone.status = NullStatus::Read;
    zone.reading = (in->reading + out->reading) / 2.0 - halfSpeedDifference * latency;
    const double leftover = rig ? std::abs(halfSpeedDifference) * rig->latencyErrorS : 0.0;
    const double fit = std::hypot(in->fit, out->fit) / 2.0;
    const double spread = std::max(std::hypot(in->spread, out->spread) / 2.0, scatter / 2.0);
    zone.uncertainty = std::sqrt(fit * fit + spread * spread + leftover * leftover);
    return;
  }
  const auto& one = direction == SweepDirection::In ? in : direction == SweepDirection::Out ? out : in ? in : out;
  if (one) {
    zone.status = direction == SweepDirection::Both ? NullStatus::OneDirectionOnly : NullStatus::Read;
    zone.reading = one->reading;
    const double half = rig ? rig->median / 2.0 : 0.0;
    const double spread = std::max(one->spread, scatter / std::sqrt(2.0));
    zone.uncertainty = std::sqrt(one->fit * one->fit + spread * spread + half * half);
    return;
  }
  // No reading: the reason the passes give.
  const auto any = [&](auto&& is) { return std::any_of(zone.curves.begin(), zone.curves.end(), is); };
  if (any([](const PassCurve& c) { return c.turnaround; })) {
    zone.status = NullStatus::TurnaroundInCrossing;
  } else if (any([](const PassCurve& c) { return c.null.status == NullStatus::ManyCrossings; })) {
    zone.status = NullStatus::ManyCrossings;
  } else {
    zone.status = NullStatus::NoCrossing;
  }
}

}  // namespace

SweepResult SolveSweep(const MirrorTest& test, const std::vector<MeteredZone>& zones, const KnifeTrack& track,
                       const std::vector<SweepFrame>& frames, const SweepSettings& settings) {
  SweepResult result;
  result.gaps = track.gaps();
  for (const KnifePass& pass : track.passes()) result.passes.push_back({pass, 0});
  const auto byPass = PairFrames(track, frames, settings.latencyS, result);
  const double bin = kSweepBinMm / test.mmPerUnit();

  // Frames measured on other zones than these say nothing of them.
  const bool measured =
      std::all_of(frames.begin(), frames.end(), [&](const SweepFrame& f) { return f.zones.size() == zones.size(); });
  std::vector<double> difference;
  for (std::size_t z = 0; z < zones.size(); ++z) {
    SweepZone zone;
    zone.zone = zones[z].zone;
    zone.radiusMm = zones[z].radiusMm;
    zone.status = zones[z].status;
    for (std::size_t p = 0; p < byPass.size() && measured; ++p) {
      PassCurve curve = BinnedCurve(z, byPass[p], frames, bin, difference);
      curve.pass = p;
      if (zone.status == NullStatus::Read) {
        curve.null = FindCurveNull({curve.positions, curve.contrast, difference});
        const auto when = track.timeAt(result.passes[p].pass, curve.null.position);
        if (curve.null.status == NullStatus::Read && when) curve.speed = track.speedAt(*when);
      }
      zone.curves.push_back(std::move(curve));
    }
    if (zone.status == NullStatus::Read) MarkTurnarounds(zone.curves, result.passes, kTurnReachBins * bin);
    result.zones.push_back(std::move(zone));
  }

  // The rig's hysteresis from every zone read both ways, then each zone's reading.
  std::vector<double> differences, speeds;
  for (const SweepZone& zone : result.zones) {
    if (zone.status != NullStatus::Read) continue;
    const auto in = ReadingOf(zone.curves, result.passes, Travel::In);
    const auto out = ReadingOf(zone.curves, result.passes, Travel::Out);
    if (!in || !out) continue;
    differences.push_back(in->reading - out->reading);
    speeds.push_back(in->speed + out->speed);
  }
  const auto rig = HysteresisOf(differences, speeds);
  if (rig) result.hysteresis = rig->median;
  for (SweepZone& zone : result.zones) {
    if (zone.status == NullStatus::Read) Combine(zone, result.passes, settings.direction, rig);
  }

  // Freed of the windows' average across a bend of the nulls, as photos' readings are; as much
  // enters the uncertainty.
  std::vector<std::optional<double>> readings;
  for (const SweepZone& zone : result.zones) readings.push_back(zone.reading);
  const std::vector<double> moves = BendMoves(readings, zones, test.diameterMm() / 2.0);
  for (std::size_t z = 0; z < zones.size(); ++z) {
    SweepZone& zone = result.zones[z];
    if (!zone.reading) continue;
    for (std::optional<double>* value : {&zone.reading, &zone.in, &zone.out}) {
      if (*value) **value += moves[z];
    }
    zone.uncertainty = std::hypot(zone.uncertainty, moves[z]);
  }
  return result;
}

PhotoReadingsResult AsPhotoReadings(const SweepResult& result, const std::vector<MeteredZone>& metered) {
  PhotoReadingsResult readings;
  for (const SweepZone& zone : result.zones) {
    ZoneNull null;
    const auto windows =
        std::find_if(metered.begin(), metered.end(), [&](const MeteredZone& m) { return m.zone == zone.zone; });
    if (windows != metered.end()) {
      null.left = Covering(windows->windows.left);
      null.right = Covering(windows->windows.right);
    }
    null.zone = zone.zone;
    null.radiusMm = zone.radiusMm;
    null.reading = zone.reading;
    null.uncertainty = zone.uncertainty;
    null.status = zone.status;
    readings.zones.push_back(std::move(null));
  }
  return readings;
}

}  // namespace zonalyst

#include "PreparedSeries.h"

#include "PhotoFile.h"
#include "core/NumberText.h"

namespace zonalyst::photo {

PhotoDisc PreparedSeries::inFilePixels(const PhotoDisc& d) const {
  return {d.x * scale, d.y * scale, d.radius * scale};
}

PhotoDisc PreparedSeries::inFramePixels(const PhotoDisc& d) const {
  return {d.x / scale, d.y / scale, d.radius / scale};
}

std::string ShakeOutcomeText(FrameShift::Outcome outcome) {
  switch (outcome) {
    case FrameShift::Outcome::Steady:
      return "steady";
    case FrameShift::Outcome::Aligned:
      return "aligned";
    case FrameShift::Outcome::NotMeasured:
      return "not measured";
    case FrameShift::Outcome::TooLarge:
      return "too large";
  }
  return {};
}

std::vector<std::string> ShakeLines(const PreparedSeries& series, const std::vector<std::string>& names) {
  std::vector<std::string> lines;
  // Two decimals, a sign on each shift ("+0.00" where it rounds to nothing).
  const auto signedText = [](double value) {
    const std::string text = FormatFixed(value, 2);
    return text.front() == '-' ? text : "+" + text;
  };
  for (std::size_t k = 0; k < series.shake.size() && k < names.size(); ++k) {
    const FrameShift& shift = series.shake[k];
    const std::string moved = names[k] + " moved by " + signedText(shift.dx * series.scale) + ", " +
                              signedText(shift.dy * series.scale) + " px (+-" +
                              FormatFixed(shift.error * series.scale, 2) + ")";
    switch (shift.outcome) {
      case FrameShift::Outcome::Steady:
        break;
      case FrameShift::Outcome::Aligned:
        lines.push_back(moved + ": aligned on the first");
        break;
      case FrameShift::Outcome::NotMeasured:
        lines.push_back(names[k] +
                        ": its shake cannot be measured with confidence (too few of its edges lit, or they disagree); "
                        "left out of the readings");
        break;
      case FrameShift::Outcome::TooLarge:
        lines.push_back(moved + ": farther than " + FormatFixed(kMaxShakePixels * series.scale, 0) +
                        " px, too far to trust; left out of the readings");
        break;
    }
  }
  return lines;
}

PreparedSeries PrepareSeries(const std::vector<std::string>& paths, const MirrorTest& test,
                             const SeriesSettings& settings, const SeriesProgressCallback& progress) {
  PreparedSeries series;
  const int photos = static_cast<int>(paths.size());
  const auto goOn = [&](SeriesStep step, int decoded) {
    series.cancelled = progress && !progress({step, decoded, photos});
    return !series.cancelled;
  };
  if (!goOn(SeriesStep::Decoding, 0)) return series;
  SeriesLoad load =
      ReadPhotoSeries(paths, kPhotoFrameSide, [&](int decoded) { return goOn(SeriesStep::Decoding, decoded); });
  series.error = std::move(load.error);
  if (load.cancelled || !series.error.empty() || load.frames.empty()) return series;
  series.scale = load.frames.front().scale;
  series.frames = std::move(load.frames);

  // The brightest-of-all frame, the disc and the mask, the scale: made once, and once more when
  // frames that the camera's shake moved were aligned on the first (measured on the mirror's
  // circle the scale stands for, centred behind a mask on its openings).
  const auto findScale = [&] {
    if (!goOn(SeriesStep::Brightest, photos)) return false;
    series.brightest = BrightestOfAll(series.frames);
    if (!goOn(SeriesStep::Disc, photos)) return false;
    if (settings.disc) {
      series.discScale = GivenScale(series.inFramePixels(*settings.disc));
    } else {
      // The search itself asks too, between its steps, so that a cancel reaches it at once.
      series.discScale = FindDisc(
          series.brightest, [&] { return goOn(SeriesStep::Disc, photos); }, DarkestOfAll(series.frames), series.frames);
      if (series.cancelled) return false;
    }
    series.disc = series.discScale ? std::optional(series.discScale->disc) : std::nullopt;
    if (!goOn(SeriesStep::Mask, photos)) return false;
    series.masked = settings.masked || (series.disc && DetectMask(series.brightest, *series.disc, test));
    if (!series.discScale) return true;
    if (series.masked && !settings.disc) {
      // Behind a mask the circle found is the openings' outside, never the mirror's.
      series.discScale = FitOpeningsScale(series.brightest, *series.disc, test);
    } else if (settings.edgeDiameterMm) {
      series.discScale = EdgeStandsFor(*series.discScale, *settings.edgeDiameterMm, test);
    }
    return true;
  };
  series.edgeDiameterMm = settings.edgeDiameterMm;
  if (!findScale() || !series.discScale) return series;
  series.shake = MeasureShake(series.frames, series.brightest, series.discScale->disc);
  if (AnyShake(series.shake)) {
    // A frame flagged is left out of the readings: of a bare mirror before the disc is sought
    // again, so that its outline, moved, does not widen the disc; behind a mask after, since it may
    // be the only frame that lights some openings.
    AlignFrames(series.frames, series.shake);
    if (!series.masked) LeaveOutFlagged(series.frames, series.shake);
    findScale();
    LeaveOutFlagged(series.frames, series.shake);
  }
  return series;
}

}  // namespace zonalyst::photo

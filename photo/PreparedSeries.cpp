#include "PreparedSeries.h"

#include "PhotoFile.h"

namespace zonalyst::photo {

PhotoDisc PreparedSeries::inFilePixels(const PhotoDisc& d) const {
  return {d.x * scale, d.y * scale, d.radius * scale};
}

PhotoDisc PreparedSeries::inFramePixels(const PhotoDisc& d) const {
  return {d.x / scale, d.y / scale, d.radius / scale};
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

  if (!goOn(SeriesStep::Brightest, photos)) return series;
  series.brightest = BrightestOfAll(series.frames);
  if (!goOn(SeriesStep::Disc, photos)) return series;
  if (settings.disc) {
    series.discScale = GivenScale(series.inFramePixels(*settings.disc));
  } else {
    // The search itself asks too, between its steps, so that a cancel reaches it at once.
    series.discScale = FindDisc(
        series.brightest, [&] { return goOn(SeriesStep::Disc, photos); }, DarkestOfAll(series.frames));
    if (series.cancelled) return series;
  }
  if (series.discScale) series.disc = series.discScale->disc;
  if (!goOn(SeriesStep::Mask, photos)) return series;
  series.masked = settings.masked || (series.disc && DetectMask(series.brightest, *series.disc, test));
  series.edgeDiameterMm = settings.edgeDiameterMm;
  if (!series.discScale) return series;
  if (series.masked && !settings.disc) {
    // Behind a mask the circle found is the openings' outside, never the mirror's.
    series.discScale = FitOpeningsScale(series.brightest, *series.disc, test);
  } else if (settings.edgeDiameterMm) {
    series.discScale = EdgeStandsFor(*series.discScale, *settings.edgeDiameterMm, test);
  }
  return series;
}

}  // namespace zonalyst::photo

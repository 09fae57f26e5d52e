#include "SurfaceAnalysis.h"

namespace zonalyst {

BestFit SurfaceAnalysis::reduceAndFit(MirrorTest& test) {
  AverageReadings(test);
  BestFit fit;
  fit.enteredRocMm = ReduceReadings(test, profile_);
  fit.bestFitRocMm = FindBestFitRoc(profile_, test.DesiredConic, fit.enteredRocMm, metrics_);
  return fit;
}

double SurfaceAnalysis::measureAt(const MirrorTest& test, double rocMm) {
  const double diameterMm = test.diameterMm();
  ComputeErrorProfile(profile_, test.DesiredConic, rocMm, diameterMm, metrics_);
  ComputeRms(profile_, test.DesiredConic, rocMm, metrics_);
  if (!kernel_ || !kernel_->fits(profile_, diameterMm)) kernel_.emplace(profile_, bessel_, diameterMm);
  kernel_->apply(profile_, 0.0, metrics_);
  return metrics_.GlassVolume;
}

BestFit SurfaceAnalysis::analyse(MirrorTest& test) {
  const BestFit fit = reduceAndFit(test);
  measureAt(test, fit.bestFitRocMm);
  return fit;
}

}  // namespace zonalyst

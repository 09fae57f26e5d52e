#pragma once

#include "core/MirrorTest.h"
#include "core/SurfaceAnalysis.h"
#include "plot/PictureSurface.h"

namespace zonalyst::ui {

// The picture of one analysis panel, drawn after the common analysis has measured the
// test at the reference radius rocMm (millimetres). Charts may refresh the derived
// values of the record (the zone averages).
class AnalysisChart {
 public:
  virtual ~AnalysisChart() = default;
  virtual void draw(plot::PictureSurface& picture, MirrorTest& test, SurfaceAnalysis& analysis,
                    double rocMm) = 0;
};

}  // namespace zonalyst::ui

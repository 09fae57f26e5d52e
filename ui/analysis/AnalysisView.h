#pragma once

#include "core/SurfaceAnalysis.h"
#include "plot/PanelPicture.h"
#include "plot/RasterSurface.h"
#include "ui/panel/AppState.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QLabel;

namespace zonalyst::ui {

class ResultLabels;

// What the window tells an analysis panel of itself: which panel it is, the names of its
// picture and result labels, the indices of its result labels (glass .. RMS), its slider
// of the array HScroll1 (-1: none) and the number of its function key (4 for F4).
struct AnalysisLayout {
  plot::Panel panel = plot::Panel::SurfaceError;
  QString pictureName;
  QString resultsName;
  std::array<int, 6> resultIndices{};
  int slider = -1;
  int functionKey = 0;
};

// The picture and six result labels of an analysis panel, drawn for the open test at a
// reference radius with the panel's controls.
class AnalysisView final : public QWidget {
  Q_OBJECT
 public:
  AnalysisView(AppState& state, const AnalysisLayout& panelLayout, QWidget* parent = nullptr);
  ~AnalysisView() override;

  // Draws the picture again for the best-fit radius bestFitRocMm and the controls given,
  // without reducing again, and writes the results of that measurement.
  void redraw(double bestFitRocMm, const plot::PanelControls& controls);

  // For panel drivers that reduce and draw in steps of their own (sliders, the best-fit
  // conic search, the Monte Carlo run): the analysis behind the picture, the six results
  // of its last measurement, and a picture drawn by other means than the panel's own.
  SurfaceAnalysis& analysis() { return analysis_; }
  void showResults();
  // The six results of measures made elsewhere (a Monte Carlo trial on its worker).
  void showResults(const QualityMetrics& metrics);
  void paint(const std::function<void(plot::PictureSurface&)>& draw);
  // The picture at its logical size, as it is saved.
  plot::PixelImage pictureImage() const { return surface_.toPixelImage(); }
  const QImage& logicalPicture() const { return surface_.image(); }
  QLabel* picture() const { return picture_; }
  plot::Panel panel() const { return panel_; }

 private:
  AppState& state_;
  plot::Panel panel_;
  SurfaceAnalysis analysis_;
  plot::RasterSurface surface_;                         // the logical size, saved as it is
  std::unique_ptr<plot::RasterSurface> screenSurface_;  // at the screen's pixel density, when above 1
  ResultLabels* results_;
  QLabel* picture_;
};

}  // namespace zonalyst::ui

#pragma once

#include "core/ResultTexts.h"

#include <QFrame>

#include <array>

class QLabel;

namespace zonalyst::ui {

// The six quality measures of an analysis panel: captions `lblF4lbl` and values `lblRslt`
// in two columns of three rows. labelIndices gives the `lblRslt` index of each measure in
// the order glass, P-V, transverse error, encircled energy, Strehl, RMS.
class ResultLabels final : public QFrame {
  Q_OBJECT
 public:
  ResultLabels(const std::array<int, 6>& labelIndices, QWidget* parent = nullptr);
  void setTexts(const ResultTexts& texts);
  // The tooltip of the RMS caption and value: the core's text, in the user's numbers.
  void setRmsToolTip(const std::string& text);

 private:
  std::array<QLabel*, 6> values_{};
  QLabel* rmsCaption_ = nullptr;
};

}  // namespace zonalyst::ui

#pragma once

#include "ui/analysis/rules/SliderRules.h"

#include <QString>

#include <functional>

class QScrollBar;
class QWidget;

namespace zonalyst::ui {

// A horizontal slider of the analysis panels: the range, position and large change of
// range, small change 1, Right arrow increasing, Up and Down swallowed (only Left, Right,
// Page keys and the mouse move it), and onFocus called when it takes the focus (the
// help line).
QScrollBar* MakePanelSlider(const QString& objectName, const analysis::SliderRange& range, QWidget* parent,
                            std::function<void()> onFocus);

// Calls onFocus whenever widget takes the focus.
void OnFocusIn(QWidget* widget, std::function<void()> onFocus);

}  // namespace zonalyst::ui

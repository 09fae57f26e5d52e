#pragma once

#include <QString>

namespace zonalyst::ui {

// The exit countdown: 50 steps of 10 ms, half a second in all.
inline constexpr int kCountdownSteps = 50;
inline constexpr int kCountdownStepMs = 10;

// The exit button's caption after step k (1..50): "Exiting in 0.49 Seconds" .. "0.00".
QString CountdownCaption(int step);

QString ConfirmExitCaption();
QString ClickToExitCaption();
QString AbortExitCaption();
QString AutoExitCaption();
// The help line while the exit panel is on show.
QString ExitPanelHelp();

}  // namespace zonalyst::ui

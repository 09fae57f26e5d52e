#include "ExitCountdown.h"

#include "core/NumberText.h"
#include "core/Rounding.h"
#include "ui/analysis/rules/LocalisedText.h"

namespace zonalyst::ui {

QString CountdownCaption(int step) {
  const double seconds = RoundHalfEven(0.5 - step / 100.0, 2);
  return QStringLiteral("Exiting in ") + analysis::LocalisedText(FormatFixed(seconds, 2)) + QStringLiteral(" Seconds");
}

QString ConfirmExitCaption() { return QStringLiteral("Confirm Exit"); }
QString ClickToExitCaption() { return QStringLiteral("Click to Exit"); }
QString AbortExitCaption() { return QStringLiteral("ABORT EXIT!"); }
QString AutoExitCaption() { return QStringLiteral("Next time Exit after Time Delay of 1/2 second"); }

QString ExitPanelHelp() {
  return QStringLiteral("Press Confirm Exit to leave Zonalyst, or a function key to go back to a panel");
}

}  // namespace zonalyst::ui

#include "LastResort.h"

#include "MainWindow.h"

namespace zonalyst::ui {

void ReportEscapedFailure(MainWindow& window, const std::string& what) {
  const bool testOpen = window.state().testOpen();
  MessageRequest report;
  report.text = QStringLiteral("Zonalyst met an unexpected failure and stopped what it was doing:\r\n") +
                QString::fromStdString(what) +
                (testOpen ? QStringLiteral("\r\nDo you want to save the open test now?") : QString());
  report.icon = MessageIcon::Critical;
  if (testOpen) {
    report.buttons = MessageButtons::YesNo;
    report.defaultButton = MessageAnswer::Yes;
  }
  // The save reports its own failure and offers another place.
  if (window.prompter().message(report) == MessageAnswer::Yes) window.saveTest();
}

}  // namespace zonalyst::ui

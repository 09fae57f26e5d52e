#include "LastResort.h"

namespace zonalyst::ui {

MessageRequest EscapedFailureReport(const std::string& what, bool testOpen) {
  MessageRequest report;
  report.text = QStringLiteral("Zonalyst met an unexpected failure and stopped what it was doing:\r\n") +
                QString::fromStdString(what) +
                (testOpen ? QStringLiteral("\r\nDo you want to save the open test now?") : QString());
  report.icon = MessageIcon::Critical;
  if (testOpen) {
    report.buttons = MessageButtons::YesNo;
    report.defaultButton = MessageAnswer::Yes;
  }
  return report;
}

}  // namespace zonalyst::ui

#include "SaveGuard.h"

#include "io/FileAccess.h"

#include <new>

namespace zonalyst::ui {

void SaveGuardingMemory(Prompter& prompter, const QString& title, const std::function<void()>& save) {
  try {
    save();
  } catch (const std::bad_alloc&) {
    MessageRequest report;
    report.text = QString::fromUtf8(io::kOutOfMemory.data(), static_cast<qsizetype>(io::kOutOfMemory.size()));
    report.title = title;
    report.icon = MessageIcon::Critical;
    prompter.message(report);
  }
}

}  // namespace zonalyst::ui

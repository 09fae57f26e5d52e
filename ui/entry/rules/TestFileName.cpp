#include "TestFileName.h"

namespace zonalyst::entry {

bool IsValidTestName(const QString& name) {
  static const QString forbidden = QStringLiteral("/?\\:*><|\".");
  for (const QChar c : name) {
    if (forbidden.contains(c)) return false;
  }
  return true;
}

std::optional<QString> AskTestFileName(const NameQuestions& questions) {
  for (;;) {
    const std::optional<QString> name = questions.askName();
    if (!name || name->isEmpty()) return std::nullopt;
    if (!IsValidTestName(*name)) {
      questions.tellInvalid();
      continue;
    }
    const QString fileName = *name + kTestFileExtension;
    if (questions.exists(fileName) && !questions.confirmOverwrite()) continue;
    return fileName;
  }
}

}  // namespace zonalyst::entry

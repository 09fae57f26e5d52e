#include "CommandLine.h"

#include <QDir>

namespace zonalyst::ui {

std::optional<TestLocation> TestFromArguments(const QStringList& arguments, const QString& workingFolder) {
  if (arguments.size() != 1 || arguments.front().isEmpty()) return std::nullopt;
  const QString path = QDir::toNativeSeparators(QDir(workingFolder).absoluteFilePath(arguments.front()));
  const qsizetype split = path.lastIndexOf(QDir::separator());
  if (split < 0 || split + 1 == path.size()) return std::nullopt;
  return TestLocation{path.left(split + 1), path.mid(split + 1)};
}

}  // namespace zonalyst::ui

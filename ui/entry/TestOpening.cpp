#include "TestOpening.h"

#include "io/TestFileLoader.h"
#include "io/TestPath.h"

#include <utility>

namespace zonalyst::ui {

bool OpenTest(AppState& state, Prompter& prompter, const QString& folder, const QString& fileName) {
  io::LoadResult loaded = io::LoadTestFile(folder.toStdString(), fileName.toStdString());
  if (!loaded.ok()) {
    MessageRequest request;
    request.text = QString::fromStdString(loaded.error.userMessageWithReason());
    prompter.message(request);
    return false;
  }
  state.openTest(*std::move(loaded.test), folder, fileName);
  return true;
}

void OpenNewTest(AppState& state, const QString& folder, const QString& fileName) {
  MirrorTest fresh = state.test;
  ResetToNewTestDefaults(fresh);
  state.openTest(fresh, folder, fileName);
}

QString TestFilePath(const QString& folder, const QString& fileName) {
  return QString::fromStdString(io::JoinTestPath(folder.toStdString(), fileName.toStdString()));
}

}  // namespace zonalyst::ui

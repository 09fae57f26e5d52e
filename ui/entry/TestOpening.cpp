#include "TestOpening.h"

#include "io/TestFileLoader.h"
#include "io/TestPath.h"

namespace zonalyst::ui {

bool OpenTest(AppState& state, Prompter& prompter, const QString& folder, const QString& fileName) {
  io::LoadResult loaded = io::LoadTestFile(folder.toStdString(), fileName.toStdString());
  if (!loaded.ok()) {
    MessageRequest request;
    request.text = QString::fromStdString(loaded.error.userMessageWithReason());
    prompter.message(request);
    return false;
  }
  state.test = *loaded.test;
  state.folder = folder;
  state.fileName = fileName;
  return true;
}

QString TestFilePath(const QString& folder, const QString& fileName) {
  return QString::fromStdString(io::JoinTestPath(folder.toStdString(), fileName.toStdString()));
}

}  // namespace zonalyst::ui

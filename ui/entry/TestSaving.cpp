#include "TestSaving.h"

#include "UserFolders.h"
#include "io/PrintableText.h"

#include <QFileInfo>

namespace zonalyst::ui {
namespace {

// Answers the question as the user already did, by the platform's save dialog or Ctrl+S:
// write there.
class WriteThere final : public io::SaveQuestion {
 public:
  io::SaveDecision ask(const std::string& folder, const std::string& fileName) override {
    return {true, folder, fileName};
  }
};

QString WithTestExtension(const QString& path) {
  return QFileInfo(path).suffix().compare(QStringLiteral("fdr"), Qt::CaseInsensitive) == 0
             ? path
             : path + QStringLiteral(".fdr");
}

// Reports the failed save and, as long as the user asks for it, saves elsewhere.
TestSaved ReportFailure(AppState& state, io::SaveOutcome failed, Prompter& prompter, const QString& advice) {
  for (;;) {
    MessageRequest report;
    // The reason names the file.
    report.text = QStringLiteral("The test could not be saved.\r\n") +
                  QString::fromStdString(io::AsSentence(failed.reason)) + QStringLiteral("\r\n") + advice;
    report.icon = MessageIcon::Critical;
    report.buttons = MessageButtons::OkSaveElsewhere;
    if (prompter.message(report) != MessageAnswer::SaveElsewhere) return TestSaved::Failed;

    SaveFileRequest request;
    request.title = QStringLiteral("Save Test Elsewhere");
    request.folder = DocumentsFolder();
    request.fileName = QString::fromStdString(failed.fileName);
    request.filter = QStringLiteral("Test files (*.fdr)");
    const std::optional<QString> chosen = prompter.saveFile(request);
    if (!chosen || chosen->isEmpty()) return TestSaved::Failed;
    const QFileInfo place(WithTestExtension(*chosen));
    WriteThere there;
    const io::SaveOutcome outcome =
        io::SaveTestFile(state.test, place.absolutePath().toStdString(), place.fileName().toStdString(), there);
    if (outcome.status != io::SaveStatus::Failed) {
      state.folder = QString::fromStdString(outcome.folder);
      state.fileName = QString::fromStdString(outcome.fileName);
      return outcome.status == io::SaveStatus::Written ? TestSaved::Written : TestSaved::Unchanged;
    }
    failed = outcome;
  }
}

}  // namespace

TestSaved SaveOpenTestAtOnce(AppState& state, Prompter& prompter, const QString& advice) {
  WriteThere there;
  return SaveOpenTest(state, there, prompter, advice);
}

QString StaysOpenAdvice() { return QStringLiteral("The test stays open; nothing was lost."); }

TestSaved SaveOpenTest(AppState& state, io::SaveQuestion& question, Prompter& prompter, const QString& advice) {
  const io::SaveOutcome outcome =
      io::SaveTestFile(state.test, state.folder.toStdString(), state.fileName.toStdString(), question);
  switch (outcome.status) {
    case io::SaveStatus::Written:
      state.folder = QString::fromStdString(outcome.folder);
      state.fileName = QString::fromStdString(outcome.fileName);
      return TestSaved::Written;
    case io::SaveStatus::Unnamed:
    case io::SaveStatus::Unchanged:
      return TestSaved::Unchanged;
    case io::SaveStatus::Declined:
      return TestSaved::Discarded;
    case io::SaveStatus::NotNow:
      return TestSaved::NotNow;
    case io::SaveStatus::Failed:
      return ReportFailure(state, outcome, prompter, advice);
  }
  return TestSaved::Failed;
}

}  // namespace zonalyst::ui

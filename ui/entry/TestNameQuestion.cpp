#include "TestNameQuestion.h"

#include "io/TestPath.h"
#include "ui/entry/rules/TestFileName.h"

#include <QFileInfo>

namespace zonalyst::ui {

std::optional<QString> AskTestFileName(Prompter& prompter, const QString& folder) {
  entry::NameQuestions questions;
  questions.askName = [&prompter]() -> std::optional<QString> {
    InputRequest request;
    request.prompt = QString::fromLatin1(entry::kNewNamePrompt);
    request.title = QString::fromLatin1(entry::kNewNameTitle);
    return prompter.input(request);
  };
  questions.tellInvalid = [&prompter] {
    MessageRequest request;
    request.text = QString::fromLatin1(entry::kInvalidNameMessage);
    request.title = QString::fromLatin1(entry::kInvalidNameTitle);
    prompter.message(request);
  };
  questions.confirmOverwrite = [&prompter] {
    MessageRequest request;
    request.text = QString::fromLatin1(entry::kNameExistsMessage);
    request.title = QString::fromLatin1(entry::kNameExistsTitle);
    request.buttons = MessageButtons::OkCancel;
    return prompter.message(request) == MessageAnswer::Ok;
  };
  questions.exists = [&folder](const QString& fileName) {
    return QFileInfo::exists(QString::fromStdString(io::JoinTestPath(folder.toStdString(), fileName.toStdString())));
  };
  return entry::AskTestFileName(questions);
}

}  // namespace zonalyst::ui

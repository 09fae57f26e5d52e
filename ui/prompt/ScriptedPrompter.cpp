#include "ScriptedPrompter.h"

namespace zonalyst::ui {

template <typename T>
std::optional<T> ScriptedPrompter::next() {
  if (answers_.empty() || !std::holds_alternative<T>(answers_.front())) {
    ++unexpected_;
    return std::nullopt;
  }
  T answer = std::get<T>(answers_.front());
  answers_.pop_front();
  return answer;
}

MessageAnswer ScriptedPrompter::message(const MessageRequest& request) {
  messages_.push_back(request);
  return next<MessageAnswer>().value_or(request.defaultButton);
}

QString ScriptedPrompter::input(const InputRequest& request) {
  inputs_.push_back(request);
  return next<QString>().value_or(QString());
}

std::optional<QString> ScriptedPrompter::saveFile(const SaveFileRequest& request) {
  saveFiles_.push_back(request);
  return next<std::optional<QString>>().value_or(std::nullopt);
}

QStringList ScriptedPrompter::openFiles(const OpenFilesRequest&) { return next<QStringList>().value_or(QStringList()); }

QStringList ScriptedPrompter::messageTexts() const {
  QStringList texts;
  for (const MessageRequest& request : messages_) texts << request.text;
  return texts;
}

void ScriptedPrompter::clear() {
  answers_.clear();
  messages_.clear();
  inputs_.clear();
  saveFiles_.clear();
  unexpected_ = 0;
}

}  // namespace zonalyst::ui

#pragma once

#include "Prompter.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <variant>
#include <vector>

namespace zonalyst::ui {

// A prompter for tests: answers from a script, in order, and records every request.
// A request with no scripted answer left takes the default button (message), an empty
// text (input) or a cancel (file dialog), and is counted as unexpected.
class ScriptedPrompter final : public Prompter {
 public:
  void answerMessage(MessageAnswer answer) { answers_.emplace_back(answer); }
  void answerInput(const QString& text) { answers_.emplace_back(text); }
  void answerSaveFile(std::optional<QString> path) { answers_.emplace_back(std::move(path)); }
  void answerOpenFiles(const QStringList& paths) { answers_.emplace_back(paths); }

  MessageAnswer message(const MessageRequest& request) override;
  QString input(const InputRequest& request) override;
  std::optional<QString> saveFile(const SaveFileRequest& request) override;
  QStringList openFiles(const OpenFilesRequest& request) override;

  const std::vector<MessageRequest>& messages() const { return messages_; }
  const std::vector<InputRequest>& inputs() const { return inputs_; }
  const std::vector<SaveFileRequest>& saveFiles() const { return saveFiles_; }
  // The texts of the message boxes shown, in order.
  QStringList messageTexts() const;
  int unexpected() const { return unexpected_; }
  int unanswered() const { return static_cast<int>(answers_.size()); }
  void clear();

 private:
  using Answer = std::variant<MessageAnswer, QString, std::optional<QString>, QStringList>;
  template <typename T>
  std::optional<T> next();

  std::deque<Answer> answers_;
  std::vector<MessageRequest> messages_;
  std::vector<InputRequest> inputs_;
  std::vector<SaveFileRequest> saveFiles_;
  int unexpected_ = 0;
};

}  // namespace zonalyst::ui

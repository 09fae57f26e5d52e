#pragma once

#include "Prompter.h"

#include <QPointer>
#include <QWidget>

namespace zonalyst::ui {

// Message, input and file boxes of the desktop, modal over their owner window.
class QtPrompter final : public Prompter {
 public:
  explicit QtPrompter(QWidget* owner = nullptr) : owner_(owner) {}
  void setOwner(QWidget* owner) { owner_ = owner; }

  MessageAnswer message(const MessageRequest& request) override;
  QString input(const InputRequest& request) override;
  std::optional<QString> saveFile(const SaveFileRequest& request) override;
  QStringList openFiles(const OpenFilesRequest& request) override;

 private:
  QPointer<QWidget> owner_;
};

}  // namespace zonalyst::ui

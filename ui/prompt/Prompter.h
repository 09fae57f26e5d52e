#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zonalyst::ui {

// The program's title: the window caption, the settings application and the title of
// every message box that names no other.
inline constexpr const char* kProgramTitle = "Zonalyst";

// OkSaveElsewhere: OK and "Save elsewhere...", after a test could not be saved.
enum class MessageButtons { Ok, OkCancel, YesNo, OkSaveElsewhere };
enum class MessageAnswer { Ok, Cancel, Yes, No, SaveElsewhere };
enum class MessageIcon { None, Critical, Exclamation, Information, Question };

// One message box: its text (lines joined by CR LF), title, buttons, the button that Enter
// presses, and its icon.
struct MessageRequest {
  QString text;
  QString title = QString::fromLatin1(kProgramTitle);
  MessageButtons buttons = MessageButtons::Ok;
  MessageAnswer defaultButton = MessageAnswer::Ok;
  MessageIcon icon = MessageIcon::None;
};

// An input box: a prompt, a title and the text it starts with.
struct InputRequest {
  QString prompt;
  QString title = QString::fromLatin1(kProgramTitle);
  QString defaultText;
};

// A file-save dialog: title, starting folder, suggested name and filter ("GIF (*.gif)").
struct SaveFileRequest {
  QString title;
  QString folder;
  QString fileName;
  QString filter;
};

// A file-open dialog: title, starting folder, filter ("Photos (*.png *.jpg)") and whether
// several files may be chosen.
struct OpenFilesRequest {
  QString title;
  QString folder;
  QString filter;
  bool several = false;
};

// Every modal question the program asks the user goes through this one seam, so that
// tests can answer them.
class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual MessageAnswer message(const MessageRequest& request) = 0;
  // The text entered; empty when the user cancelled (as an empty answer means nothing either).
  virtual QString input(const InputRequest& request) = 0;
  // The chosen path, or nothing when the user cancelled.
  virtual std::optional<QString> saveFile(const SaveFileRequest& request) = 0;
  // The chosen paths; empty when the user cancelled.
  virtual QStringList openFiles(const OpenFilesRequest& request) = 0;
};

}  // namespace zonalyst::ui

#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace zonalyst::entry {

// The questions around a new test file name.
inline constexpr const char* kNewNameTitle = "Create New Fdr file";
inline constexpr const char* kNewNamePrompt = "Enter New File Name (without .fdr!)";
inline constexpr const char* kInvalidNameMessage = "File name is not valid, try again";
inline constexpr const char* kInvalidNameTitle = "Try again";
inline constexpr const char* kNameExistsMessage =
    "File name already exists, what now?\r\nPress Ok to erase existing file and start new file\r\n"
    "Press Cancel to try a new file name";
inline constexpr const char* kNameExistsTitle = "File Already Exists!";

// The extension of test files, which the program adds itself.
inline const QString kTestFileExtension = QStringLiteral(".fdr");

// A name is valid unless it holds / ? \ : * > < | " or a full stop (so no extension).
bool IsValidTestName(const QString& name);

// How the name question reaches the user and the disk.
struct NameQuestions {
  std::function<std::optional<QString>()> askName;      // the input box; nothing for Cancel
  std::function<void()> tellInvalid;                    // "File name is not valid, try again"
  std::function<bool()> confirmOverwrite;               // "File name already exists": true for OK
  std::function<bool(const QString& fileName)> exists;  // a file of that name in the folder
};

// Asks until the answer is a valid name that is new or may be overwritten; returns
// the file name with its extension, or nothing when the answer was empty or Cancel.
std::optional<QString> AskTestFileName(const NameQuestions& questions);

}  // namespace zonalyst::entry

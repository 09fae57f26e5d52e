#pragma once

#include <filesystem>
#include <string>

#include "core/MirrorTest.h"
#include "io/TestFileSaver.h"

namespace zonalyst::io::iotest {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string folder() const { return path_.string(); }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// Answers the save question as told in advance and remembers what it was asked.
struct ScriptedQuestion : SaveQuestion {
  explicit ScriptedQuestion(SaveDecision answer = {}) : answer(std::move(answer)) {}
  SaveDecision ask(const std::string& folder, const std::string& fileName) override {
    ++asked;
    askedFolder = folder;
    askedFileName = fileName;
    return answer;
  }
  SaveDecision answer;
  int asked = 0;
  std::string askedFolder;
  std::string askedFileName;
};

// A 6" f/8 test in inches with every zone and set filled, the unused ones included,
// with values that the file's 15 digits hold exactly.
MirrorTest FullRecord();

// Switches the C library to a locale whose decimal separator is "," (built with
// localedef if none is installed) and back to "C" when it goes; active() is false
// when no such locale can be had.
class CommaLocale {
 public:
  CommaLocale();
  ~CommaLocale();
  CommaLocale(const CommaLocale&) = delete;
  CommaLocale& operator=(const CommaLocale&) = delete;
  bool active() const { return active_; }

 private:
  bool active_ = false;
};

}  // namespace zonalyst::io::iotest

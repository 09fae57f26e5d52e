#pragma once

#include "core/MirrorTest.h"
#include "io/TestFileSaver.h"
#include "tests/support/ScratchFolder.h"

#include <string>

namespace zonalyst::io::iotest {

using testing::ReadFileBytes;
using testing::ScratchFolder;
using testing::WriteFileBytes;

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

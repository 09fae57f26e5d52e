#pragma once

#include <string>
#include <vector>

namespace zonalyst::cli {

// The words of the command line after the program's name, as UTF-8, the text every file
// path is held in. On Windows they are read from the wide command line: the narrow argv
// holds them in the ANSI code page, which loses every character outside it.
std::vector<std::string> CommandLineWords(int argc, char** argv);

// While it lives, a Windows console shows the program's UTF-8 output as such (and is given
// back its code page after); elsewhere it does nothing.
class Utf8Console {
 public:
  Utf8Console();
  ~Utf8Console();
  Utf8Console(const Utf8Console&) = delete;
  Utf8Console& operator=(const Utf8Console&) = delete;

 private:
  unsigned previous_ = 0;
};

}  // namespace zonalyst::cli

#include "CommandLineWords.h"

#ifdef _WIN32
#include "io/PathText.h"

#include <windows.h>

#include <shellapi.h>
#endif

namespace zonalyst::cli {

#ifdef _WIN32

std::vector<std::string> CommandLineWords(int, char**) {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> result;
  if (words == nullptr) return result;
  for (int i = 1; i < count; ++i) result.push_back(io::Utf8FromWide(words[i]));
  LocalFree(words);
  return result;
}

Utf8Console::Utf8Console() : previous_(GetConsoleOutputCP()) {
  if (previous_ != 0) SetConsoleOutputCP(CP_UTF8);
}

Utf8Console::~Utf8Console() {
  if (previous_ != 0) SetConsoleOutputCP(previous_);
}

#else

std::vector<std::string> CommandLineWords(int argc, char** argv) { return {argv + 1, argv + argc}; }

Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;

#endif

}  // namespace zonalyst::cli

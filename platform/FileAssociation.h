#pragma once

#include <string>

namespace zonalyst::platform {

// What the shell answers when asked which program opens a ".fdr" file.
struct AssociationLookup {
  bool associated = false;  // the program that opens test files is this one
  // The program that opens them, or the reason why none was found ("NO_ASSOCIATION",
  // "FILE_NOT_FOUND", "PATH_NOT_FOUND", "BAD_FORMAT"), or empty when the shell said nothing.
  std::string result;
};

// The shell's link between ".fdr" test files and this program.
class FileAssociation {
 public:
  virtual ~FileAssociation() = default;
  virtual AssociationLookup find() = 0;
  // Makes this program the one that opens test files. Returns an empty text on success,
  // else what failed; the user's earlier files are then left as they were.
  virtual std::string registerAssociation() = 0;
};

// The shell's open command of the file class: the program path and the "%1" placeholder,
// each in quotes so that folders and files with blanks open.
std::string ShellOpenCommand(const std::string& programPath);

inline constexpr const char* kProbeFileName = "qwerty_test_fdr_ext.fdr";
inline constexpr const char* kNoAssociation = "NO_ASSOCIATION";

}  // namespace zonalyst::platform

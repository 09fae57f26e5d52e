#pragma once

#ifdef _WIN32

#include "FileAssociation.h"

#include <string>

namespace zonalyst::platform {

// The association in the current user's file classes (HKCU\Software\Classes), looked up
// through the shell with a probe file in the program's folder.
class WindowsFileAssociation final : public FileAssociation {
 public:
  // programFolder: the folder of the running program; executableName: its name with ".exe".
  WindowsFileAssociation(std::string programFolder, std::string executableName);

  AssociationLookup find() override;
  std::string registerAssociation() override;

 private:
  std::string programPath() const;

  std::string programFolder_;
  std::string executableName_;
};

}  // namespace zonalyst::platform

#endif

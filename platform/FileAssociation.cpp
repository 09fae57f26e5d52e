#include "FileAssociation.h"

namespace zonalyst::platform {

std::string ShellOpenCommand(const std::string& programPath) { return "\"" + programPath + "\" \"%1\""; }

}  // namespace zonalyst::platform

#ifdef _WIN32

#include "WindowsFileAssociation.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <shellapi.h>
#include <utility>

namespace zonalyst::platform {
namespace {

std::string WithSeparator(const std::string& folder) {
  return folder.empty() || folder.back() == '\\' ? folder : folder + '\\';
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// Sets the default value of a key of the user's file classes; false when the registry refused.
bool SetClassValue(const std::string& key, const std::string& value) {
  HKEY handle = nullptr;
  const std::string path = "Software\\Classes\\" + key;
  if (RegCreateKeyA(HKEY_CURRENT_USER, path.c_str(), &handle) != ERROR_SUCCESS) return false;
  const bool set =
      RegSetValueA(handle, nullptr, REG_SZ, value.c_str(), static_cast<DWORD>(value.size())) == ERROR_SUCCESS;
  RegCloseKey(handle);
  return set;
}

}  // namespace

WindowsFileAssociation::WindowsFileAssociation(std::string programFolder, std::string executableName)
    : programFolder_(std::move(programFolder)), executableName_(std::move(executableName)) {}

std::string WindowsFileAssociation::programPath() const { return WithSeparator(programFolder_) + executableName_; }

AssociationLookup WindowsFileAssociation::find() {
  const std::string probe = WithSeparator(programFolder_) + kProbeFileName;
  if (std::FILE* file = std::fopen(probe.c_str(), "w")) {
    std::fputs("ok to delete\r\n", file);
    std::fclose(file);
  }
  char found[MAX_PATH + 1] = {};
  const auto code = reinterpret_cast<std::intptr_t>(FindExecutableA(probe.c_str(), programFolder_.c_str(), found));
  std::remove(probe.c_str());

  std::string result;
  switch (code) {
    case SE_ERR_NOASSOC:
      result = kNoAssociation;
      break;
    case SE_ERR_FNF:
      result = "FILE_NOT_FOUND";
      break;
    case SE_ERR_PNF:
      result = "PATH_NOT_FOUND";
      break;
    case ERROR_BAD_FORMAT:
      result = "BAD_FORMAT";
      break;
    default:
      if (code >= 32) result = found;
      break;
  }
  const std::string tail = Lower(executableName_);
  const std::string lower = Lower(result);
  const bool associated =
      lower.size() >= tail.size() && lower.compare(lower.size() - tail.size(), tail.size(), tail) == 0;
  return {associated, result};
}

std::string WindowsFileAssociation::registerAssociation() {
  const bool set = SetClassValue("Zonalyst", "Zonalyst File") && SetClassValue(".fdr", "Zonalyst") &&
                   SetClassValue("Zonalyst\\shell\\open\\command", ShellOpenCommand(programPath())) &&
                   SetClassValue("Zonalyst\\DefaultIcon", programPath() + ",0");
  return set ? std::string() : "the registry refused the file classes of the current user";
}

}  // namespace zonalyst::platform

#endif

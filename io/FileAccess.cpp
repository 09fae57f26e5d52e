#include "FileAccess.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace zonalyst::io {
namespace {

namespace fs = std::filesystem;

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// A name beside the target that no other save of the same file will pick.
std::string TemporaryPathFor(const std::string& path) {
  std::random_device device;
  std::uniform_int_distribution<unsigned> digit(0, 15);
  std::string suffix = ".saving-";
  for (int i = 0; i < 8; ++i) suffix += "0123456789abcdef"[digit(device)];
  return path + suffix;
}

// Writes and flushes the text to a new file; returns the error, or an empty string.
std::string WriteNewFile(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return std::strerror(errno);
  bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
  int error = ok ? 0 : errno;
#ifndef _WIN32
  if (ok && ::fsync(::fileno(file)) != 0) {
    ok = false;
    error = errno;
  }
#endif
  if (std::fclose(file) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok) return {};
  return error != 0 ? std::strerror(error) : "write error";
}

}  // namespace

FileText ReadFileText(const std::string& path) {
  std::error_code error;
  if (fs::is_directory(path, error)) return {std::nullopt, Quoted(path) + " is a folder, not a test file"};
  std::ifstream in(path, std::ios::binary);
  if (!in) return {std::nullopt, "cannot open " + Quoted(path) + ": " + std::strerror(errno)};
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return {std::nullopt, "cannot read " + Quoted(path)};
  return {std::move(text), {}};
}

std::string ReplaceFileText(const std::string& path, const std::string& text) {
  // Through a link the linked file is replaced, not the link.
  std::error_code ignored;
  const fs::path resolved = fs::is_symlink(path, ignored) ? fs::weakly_canonical(path, ignored) : fs::path(path);
  const std::string target = resolved.empty() ? path : resolved.string();
  const std::string temporary = TemporaryPathFor(target);
  const std::string writeError = WriteNewFile(temporary, text);
  if (!writeError.empty()) {
    fs::remove(temporary, ignored);
    return "could not write " + Quoted(path) + ": " + writeError;
  }
  // Keep the permissions of the file that is replaced.
  const fs::file_status old = fs::status(target, ignored);
  if (fs::exists(old)) fs::permissions(temporary, old.permissions(), ignored);
  std::error_code renameError;
  fs::rename(temporary, target, renameError);
  if (renameError) {
    fs::remove(temporary, ignored);
    return "could not replace " + Quoted(path) + ": " + renameError.message();
  }
  return {};
}

}  // namespace zonalyst::io

#include "FileAccess.h"

#include "FileKind.h"
#include "PathText.h"
#include "PrintableText.h"
#include "ReplacingFile.h"
#include "SystemFileCalls.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace zonalyst::io {
namespace {

namespace fs = std::filesystem;

std::string Quoted(std::string_view path) { return "\"" + PrintableName(path) + "\""; }

std::string Reason(int errorNumber) {
  return errorNumber != 0 ? std::generic_category().message(errorNumber) : "read error";
}

FileText Refused(std::string failure) { return {std::nullopt, std::move(failure)}; }

FileText TooLarge(const std::string& path, std::string_view what, std::size_t maxBytes) {
  return Refused(Quoted(path) + " is too large to be " + std::string(what) + " (more than " + std::to_string(maxBytes) +
                 " bytes)");
}

}  // namespace

FileText ReadFileText(const std::string& path, std::string_view what, std::size_t maxBytes) {
  const fs::path file = PathFromText(path);
  std::error_code error;
  const fs::file_status status = fs::status(file, error);
  if (!fs::exists(status)) {
    return Refused("cannot open " + Quoted(path) + ": " + (error ? error.message() : Reason(ENOENT)));
  }
  if (const auto kind = SpecialFileKind(status))
    return Refused(Quoted(path) + " is " + *kind + ", not " + std::string(what));
  const std::uintmax_t size = fs::file_size(file, error);
  if (!error && size > maxBytes) return TooLarge(path, what, maxBytes);

  errno = 0;
  std::FILE* stream = OpenForReading(file);
  if (stream == nullptr) return Refused("cannot open " + Quoted(path) + ": " + Reason(errno));
  // Read one byte past the bound: files of the system (/proc) tell no size but may be long.
  std::string text;
  std::array<char, 4096> chunk{};
  int readError = 0;
  while (text.size() <= maxBytes) {
    errno = 0;
    const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), stream);
    text.append(chunk.data(), got);
    if (got < chunk.size()) {
      if (std::ferror(stream) != 0) readError = errno != 0 ? errno : EIO;
      break;
    }
  }
  std::fclose(stream);
  if (readError != 0) return Refused("cannot read " + Quoted(path) + ": " + Reason(readError));
  if (text.size() > maxBytes) return TooLarge(path, what, maxBytes);
  return {std::move(text), {}};
}

std::string ReplaceFileText(const std::string& path, std::string_view bytes) {
  ReplacingFile file(PathFromText(path));
  file.write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  if (file.commit()) return {};
  return WriteFailure(path, file.error());
}

std::string WriteFailure(std::string_view path, std::string_view reason) {
  return "could not write " + Quoted(path) + ": " + std::string(reason);
}

}  // namespace zonalyst::io

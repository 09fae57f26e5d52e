#include "PhotoBytes.h"

#include "PhotoFile.h"
#include "io/FileKind.h"
#include "io/PathText.h"
#include "io/PrintableText.h"
#include "io/SystemFileCalls.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace zonalyst::photo {
namespace {

namespace fs = std::filesystem;

PhotoBytes Refused(std::string error) { return {{}, std::move(error)}; }

std::string Reason(int errorNumber) { return std::generic_category().message(errorNumber != 0 ? errorNumber : EIO); }

std::string TooLarge(const std::string& path) {
  return QuotedName(path) + " is too large to be a photograph (more than " + std::to_string(kMaxPhotoBytes >> 20) +
         " MiB)";
}

}  // namespace

std::string QuotedName(const std::string& path) { return "\"" + io::PrintableName(path) + "\""; }

PhotoBytes ReadPhotoBytes(const std::string& path) {
  const fs::path file = io::PathFromText(path);
  std::error_code error;
  const fs::file_status status = fs::status(file, error);
  if (!fs::exists(status)) {
    return Refused("cannot open " + QuotedName(path) + ": " + (error ? error.message() : Reason(ENOENT)));
  }
  if (const auto kind = io::SpecialFileKind(status)) {
    return Refused(QuotedName(path) + " is " + *kind + ", not a photograph");
  }
  const std::uintmax_t size = fs::file_size(file, error);
  if (error) return Refused("cannot read " + QuotedName(path) + ": " + error.message());
  if (size > kMaxPhotoBytes) return Refused(TooLarge(path));
  if (size == 0) return Refused(QuotedName(path) + " is empty, not a photograph");

  errno = 0;
  std::FILE* stream = io::OpenForReading(file);
  if (stream == nullptr) return Refused("cannot open " + QuotedName(path) + ": " + Reason(errno));
  // One byte more than the size told: a file that grew since is noticed, not cut short.
  QByteArray bytes(static_cast<qsizetype>(size) + 1, Qt::Uninitialized);
  errno = 0;
  const std::size_t got = std::fread(bytes.data(), 1, static_cast<std::size_t>(bytes.size()), stream);
  const int readError = std::ferror(stream) != 0 ? (errno != 0 ? errno : EIO) : 0;
  std::fclose(stream);
  if (readError != 0) return Refused("cannot read " + QuotedName(path) + ": " + Reason(readError));
  if (got > kMaxPhotoBytes) return Refused(TooLarge(path));
  // A camera's tethering program may still be writing it: what is there yet is no photograph.
  if (got != size) return Refused(QuotedName(path) + " is being written (its size changed while it was read)");
  bytes.truncate(static_cast<qsizetype>(got));
  return {std::move(bytes), {}};
}

}  // namespace zonalyst::photo

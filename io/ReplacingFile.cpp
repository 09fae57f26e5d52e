#include "ReplacingFile.h"

#include <cerrno>
#include <system_error>
#include <utility>

#include "FileKind.h"
#include "PathText.h"
#include "SystemFileCalls.h"

namespace zonalyst::io {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kBufferBytes = 64 * 1024;
// Names tried for the temporary file before giving up; another save to the same
// target is the only reason a name is taken.
constexpr int kTemporaryNames = 100;

std::string Reason(int errorNumber) { return std::generic_category().message(errorNumber); }

}  // namespace

ReplacingFile::ReplacingFile(const fs::path& target) : target_(FollowLinks(target)) {
  std::error_code statusError;
  const fs::file_status status = fs::status(target_, statusError);
  if (const auto kind = SpecialFileKind(status)) {
    error_ = "it is " + *kind + ", not a file that can be replaced";
    return;
  }
  if (statusError && status.type() != fs::file_type::not_found) {
    error_ = "cannot replace the file: " + statusError.message();
    return;
  }
  const fs::path folder = target_.parent_path();
  int lastError = EEXIST;
  for (int n = 0; n < kTemporaryNames && stream_ == nullptr; ++n) {
    fs::path candidate = target_;
    candidate += "~" + std::to_string(n) + ".tmp";
    errno = 0;
    stream_ = CreateNewFile(candidate);
    if (stream_ != nullptr) {
      temporary_ = std::move(candidate);
    } else {
      lastError = errno;
      if (lastError != EEXIST) break;
    }
  }
  if (stream_ == nullptr) {
    fail("cannot create a temporary file in \"" + (folder.empty() ? std::string(".") : TextFromPath(folder)) + "\"",
         lastError);
    return;
  }
  buffer_.resize(kBufferBytes);
  std::setvbuf(stream_, buffer_.data(), _IOFBF, buffer_.size());
}

ReplacingFile::~ReplacingFile() { discard(); }

void ReplacingFile::write(const std::uint8_t* data, std::size_t size) {
  if (stream_ == nullptr || !error_.empty()) return;
  errno = 0;
  if (std::fwrite(data, 1, size, stream_) != size) fail("writing the temporary file failed", errno);
}

bool ReplacingFile::commit() {
  if (stream_ == nullptr) return false;
  if (error_.empty()) {
    errno = 0;
    if (std::fflush(stream_) != 0 || !FlushToDisk(stream_)) fail("writing the temporary file failed", errno);
  }
  std::FILE* stream = std::exchange(stream_, nullptr);
  errno = 0;
  if (std::fclose(stream) != 0 && error_.empty()) fail("closing the temporary file failed", errno);
  if (error_.empty()) {
    // The replacement keeps the permissions of the file it replaces.
    std::error_code ignored;
    const fs::file_status old = fs::status(target_, ignored);
    if (fs::exists(old)) fs::permissions(temporary_, old.permissions(), ignored);
    if (const std::error_code renameError = RenameOver(temporary_, target_)) {
      error_ = "cannot replace the file: " + renameError.message();
    } else {
      temporary_.clear();
    }
  }
  discard();
  return error_.empty();
}

void ReplacingFile::fail(const std::string& what, int errorNumber) {
  if (error_.empty()) error_ = errorNumber != 0 ? what + ": " + Reason(errorNumber) : what;
}

void ReplacingFile::discard() {
  if (stream_ != nullptr) std::fclose(std::exchange(stream_, nullptr));
  if (!temporary_.empty()) {
    std::error_code ignored;
    fs::remove(temporary_, ignored);
    temporary_.clear();
  }
}

}  // namespace zonalyst::io

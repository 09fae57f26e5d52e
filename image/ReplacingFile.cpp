#include "ReplacingFile.h"

#include <cerrno>
#include <system_error>
#include <utility>

namespace zonalyst::image {

namespace {

constexpr std::size_t kBufferBytes = 64 * 1024;
// Names tried for the temporary file before giving up; another save to the same
// target is the only reason a name is taken.
constexpr int kTemporaryNames = 100;

std::string Reason(int errorNumber) { return std::generic_category().message(errorNumber); }

}  // namespace

ReplacingFile::ReplacingFile(std::filesystem::path target) : target_(std::move(target)) {
  const std::filesystem::path folder = target_.parent_path();
  int lastError = EEXIST;
  for (int n = 0; n < kTemporaryNames && stream_ == nullptr; ++n) {
    std::filesystem::path candidate = target_;
    candidate += "~";
    candidate += std::to_string(n);
    candidate += ".tmp";
    errno = 0;
    // "x": never open a file that exists, so nothing of anyone else's is overwritten.
    stream_ = std::fopen(candidate.c_str(), "wbx");
    if (stream_ != nullptr) {
      temporary_ = std::move(candidate);
    } else {
      lastError = errno;
      if (lastError != EEXIST) break;
    }
  }
  if (stream_ == nullptr) {
    fail("cannot create a temporary file in \"" + (folder.empty() ? std::string(".") : folder.string()) + "\"",
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
    if (std::fflush(stream_) != 0) fail("writing the temporary file failed", errno);
  }
  std::FILE* stream = std::exchange(stream_, nullptr);
  errno = 0;
  if (std::fclose(stream) != 0 && error_.empty()) fail("closing the temporary file failed", errno);
  if (error_.empty()) {
    std::error_code ec;
    std::filesystem::rename(temporary_, target_, ec);
    if (ec) {
      error_ = "cannot replace the file: " + ec.message();
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
    std::filesystem::remove(temporary_, ignored);
    temporary_.clear();
  }
}

}  // namespace zonalyst::image

#include "ReplacingFile.h"

#include "FileKind.h"
#include "PathText.h"
#include "PrintableText.h"
#include "SystemFileCalls.h"

#include <cerrno>
#include <chrono>
#include <random>
#include <system_error>
#include <utility>

namespace zonalyst::io {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kBufferBytes = 64 * 1024;
// Names tried for the temporary file before giving up; with random names only another
// program's file of the same name makes one be passed over.
constexpr int kTemporaryNames = 100;

std::string Reason(int errorNumber) { return std::generic_category().message(errorNumber); }

// A new name beside the target, as mkstemp makes one: short whatever the target's length
// (a name of 255 bytes is legal, one longer is not), random, so that stale temporaries of
// an interrupted run never stand in the way.
fs::path TemporaryName(const fs::path& folder) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 random(
      std::random_device{}() ^ static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::string name = ".zonalyst-";
  for (int i = 0; i < 10; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
  return folder / (name + ".tmp");
}

// A file whose permissions grant no writing is never replaced, though replacing it needs
// only the folder's permission: someone marked it so. The bits are read, since an
// administrator passes every access check; a file this user may not write counts too.
bool IsReadOnly(const fs::file_status& status, const fs::path& path) {
  if (!fs::is_regular_file(status)) return false;
  constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  return (status.permissions() & kAnyWrite) == fs::perms::none || !MayWrite(path);
}

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
  if (IsReadOnly(status, target_)) {
    error_ = "it is read-only";
    return;
  }
  // Allocated before the file exists: a failure then leaves nothing behind.
  buffer_.resize(kBufferBytes);
  const fs::path folder = target_.parent_path();
  int lastError = EEXIST;
  for (int n = 0; n < kTemporaryNames && stream_ == nullptr; ++n) {
    fs::path candidate = TemporaryName(folder);
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
    fail("cannot create a temporary file in \"" +
             PrintableName(folder.empty() ? std::string(".") : TextFromPath(folder)) + "\"",
         lastError);
    return;
  }
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

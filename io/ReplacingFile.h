#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace zonalyst::io {

// The one way every file of the program is written: through a temporary file in the
// target's folder, flushed to the disk and renamed over the target only when everything
// was written. An existing file is replaced on success and left byte for byte as it was
// otherwise, and no half-written or temporary file is ever left behind. Through a
// symbolic link the linked file is replaced and the link stays. A target that is a
// folder, a pipe, a device or a socket is refused at once, and so is a read-only file.
class ReplacingFile {
 public:
  // Checks the target and creates the temporary file; error() tells why when that failed.
  explicit ReplacingFile(const std::filesystem::path& target);
  // Removes the temporary file unless commit() succeeded.
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  bool isOpen() const { return stream_ != nullptr; }
  // The reason of the first failure, empty while there is none.
  const std::string& error() const { return error_; }

  // Appends bytes; after a failure further writes are dropped and error() is set.
  void write(const std::uint8_t* data, std::size_t size);
  void writeByte(std::uint8_t byte) { write(&byte, 1); }

  // Flushes and closes the temporary file and renames it over the target. False (with
  // error() set) when any write, the flush, the close or the rename failed; the
  // temporary file is then gone.
  bool commit();

 private:
  void fail(const std::string& what, int errorNumber);
  void discard();

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::FILE* stream_ = nullptr;
  std::vector<char> buffer_;
  std::string error_;
};

}  // namespace zonalyst::io

#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace zonalyst::image {

// Writes a file through a temporary file in the same folder, renamed over the target
// only when everything was written: an existing file is replaced on success and left
// as it was otherwise, and no half-written file is ever left behind.
class ReplacingFile {
 public:
  // Creates the temporary file; error() tells why when that failed.
  explicit ReplacingFile(std::filesystem::path target);
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

  // Closes the temporary file and renames it over the target. False (with error()
  // set) when any write, the close or the rename failed; the temporary file is then gone.
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

}  // namespace zonalyst::image

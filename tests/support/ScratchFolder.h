#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace zonalyst::testing {

inline std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Names of the entries now in the folder, sorted.
inline std::vector<std::string> EntryNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A fresh folder under the system's temporary folder, removed with everything in it. A
// name already taken, by another test program running at the same time, is passed over.
class ScratchFolder {
 public:
  ScratchFolder() {
    static std::mt19937_64 names(
        std::random_device{}() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    do {
      path_ = std::filesystem::temp_directory_path() / ("zonalyst-test-" + std::to_string(names()));
    } while (!std::filesystem::create_directory(path_));
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string folder() const { return path_.string(); }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  // Writes the file in the folder and gives its path.
  std::string write(const std::string& name, const std::string& bytes) const {
    WriteFileBytes(path_ / name, bytes);
    return file(name);
  }
  std::vector<std::string> entries() const { return EntryNames(path_); }

 private:
  std::filesystem::path path_;
};

}  // namespace zonalyst::testing

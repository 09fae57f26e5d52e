#include "SmallDisk.h"

#ifndef _WIN32
#include <sys/mount.h>
#endif

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

namespace zonalyst::io::iotest {

namespace fs = std::filesystem;

SmallDisk::SmallDisk() {
  std::random_device device;
  path_ = fs::temp_directory_path() / ("zonalyst-disk-" + std::to_string(device()) + std::to_string(device()));
  fs::create_directories(path_);
#ifdef _WIN32
  unavailable_ = "Windows mounts no small tmpfs";
#else
  if (::mount("tmpfs", path_.c_str(), "tmpfs", 0, "size=96k,mode=0755") != 0) {
    unavailable_ = std::string("cannot mount a small tmpfs here (") + std::strerror(errno) + ")";
    return;
  }
  mounted_ = true;
#endif
}

SmallDisk::~SmallDisk() {
#ifndef _WIN32
  if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
#endif
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void SmallDisk::full() const {
  std::FILE* filler = std::fopen(file("filler").c_str(), "wb");
  if (filler == nullptr) return;
  const std::vector<char> block(512, 'f');
  while (std::fwrite(block.data(), 1, block.size(), filler) == block.size() && std::fflush(filler) == 0) {
  }
  // The last bytes that did not fit a block.
  while (std::fputc('f', filler) != EOF && std::fflush(filler) == 0) {
  }
  std::fclose(filler);
}

bool SmallDisk::readOnly() const {
#ifdef _WIN32
  return false;
#else
  return ::mount("tmpfs", path_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=96k") == 0;
#endif
}

}  // namespace zonalyst::io::iotest

#include "SmallDisk.h"

#ifndef _WIN32
#include <sys/mount.h>
#endif

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace zonalyst::io::iotest {

SmallDisk::SmallDisk() {
#ifdef _WIN32
  unavailable_ = "Windows mounts no small tmpfs";
#else
  if (::mount("tmpfs", path().c_str(), "tmpfs", 0, "size=96k,mode=0755") != 0) {
    unavailable_ = std::string("cannot mount a small tmpfs here (") + std::strerror(errno) + ")";
    return;
  }
  mounted_ = true;
#endif
}

SmallDisk::~SmallDisk() {
#ifndef _WIN32
  if (mounted_) ::umount2(path().c_str(), MNT_DETACH);
#endif
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
  return ::mount("tmpfs", path().c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=96k") == 0;
#endif
}

}  // namespace zonalyst::io::iotest

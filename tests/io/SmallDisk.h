#pragma once

#include "tests/support/ScratchFolder.h"

#include <filesystem>
#include <string>

namespace zonalyst::io::iotest {

// A 96 KiB filesystem of its own (tmpfs), mounted on a scratch folder and unmounted
// before the folder goes; mounting needs root and a machine that allows it. full() takes
// every free byte with a filler file, readOnly() remounts it read-only.
class SmallDisk {
 public:
  SmallDisk();
  ~SmallDisk();
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  // Empty when mounted, else why not (the reason a test skips with).
  const std::string& unavailable() const { return unavailable_; }
  std::string file(const std::string& name) const { return folder_.file(name); }
  const std::filesystem::path& path() const { return folder_.path(); }
  void full() const;
  bool readOnly() const;

 private:
  testing::ScratchFolder folder_;
  std::string unavailable_;
  bool mounted_ = false;
};

}  // namespace zonalyst::io::iotest

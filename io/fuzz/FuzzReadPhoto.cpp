// Feeds arbitrary bytes to the photo reader as a photograph file, and a series of two of it
// through every step of preparing a series: decoding, grey, the brightest-of-all frame, the
// disc search and the mask. Every input must end, in a prepared series or a printable reason,
// within the frame's bounded work (a straight-edged light once made the disc search run on).
#include "photo/PreparedSeries.h"
#include "tests/support/TestMirror.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const fs::path& Photo() {
  static const fs::path photo = [] {
    std::string pattern = (fs::temp_directory_path() / "zonalyst-fuzz-photo-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    return fs::path(pattern) / "knife_1.0.png";
  }();
  return photo;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  {
    std::ofstream out(Photo(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  static const zonalyst::MirrorTest test = zonalyst::testing::TestMirror();
  const std::string path = Photo().string();
  const zonalyst::photo::PreparedSeries series = zonalyst::photo::PrepareSeries({path, path}, test);
  if (!series.ready() && series.error.empty()) std::abort();  // refused without a reason
  return 0;
}

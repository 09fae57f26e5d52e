#include "GifFileParts.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <unistd.h>

namespace zonalyst::image::test {

namespace {

class Cursor {
 public:
  explicit Cursor(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  std::uint8_t byte() {
    if (at_ >= bytes_.size()) throw std::runtime_error("GIF file ends early");
    return bytes_[at_++];
  }
  int word() {
    const int low = byte();
    return low | (byte() << 8);
  }
  std::vector<std::uint8_t> take(std::size_t n) {
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < n; ++i) out.push_back(byte());
    return out;
  }
  std::uint8_t peek() const { return at_ < bytes_.size() ? bytes_[at_] : 0; }
  std::size_t left() const { return bytes_.size() - at_; }

 private:
  const std::vector<std::uint8_t>& bytes_;
  std::size_t at_ = 0;
};

constexpr int kLevels[5] = {0, 64, 128, 192, 255};

}  // namespace

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

GifFileParts SplitGif(const std::vector<std::uint8_t>& bytes) {
  Cursor c(bytes);
  GifFileParts parts;
  for (const std::uint8_t b : c.take(6)) parts.signature += static_cast<char>(b);
  parts.screenWidth = c.word();
  parts.screenHeight = c.word();
  parts.screenFlags = c.take(3);
  parts.colourTable = c.take(768);
  if (c.peek() == 0x21) parts.controlExtension = c.take(8);
  parts.imageDescriptor = c.take(10);
  parts.minimumCodeSize = c.byte();
  for (int size = c.byte(); size != 0; size = c.byte()) {
    parts.subBlockSizes.push_back(size);
    const std::vector<std::uint8_t> block = c.take(static_cast<std::size_t>(size));
    parts.data.insert(parts.data.end(), block.begin(), block.end());
  }
  parts.terminatedAndTrailed = c.byte() == 0x3B;
  parts.bytesAfterTrailer = c.left();
  return parts;
}

std::vector<unsigned> NineBitCodes(const std::vector<std::uint8_t>& data) {
  std::vector<unsigned> codes;
  const std::size_t bits = data.size() * 8;
  for (std::size_t start = 0; start + 9 <= bits; start += 9) {
    unsigned code = 0;
    for (std::size_t i = 0; i < 9; ++i) {
      const std::size_t bit = start + i;
      if ((data[bit / 8] >> (bit % 8)) & 1U) code |= 1U << i;
    }
    codes.push_back(code);
    if (code == 257) break;
  }
  return codes;
}

std::uint32_t PaletteColour(int index) {
  return static_cast<std::uint32_t>(kLevels[index % 5] << 16 | kLevels[(index / 5) % 5] << 8 | kLevels[index / 25]);
}

PixelImage PictureOfIndices(const std::vector<std::vector<int>>& rows) {
  PixelImage picture;
  picture.height = static_cast<int>(rows.size());
  picture.width = static_cast<int>(rows.front().size());
  for (const auto& row : rows) {
    for (const int index : row) picture.pixels.push_back(PaletteColour(index));
  }
  return picture;
}

ScratchFolder::ScratchFolder() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("zonalyst-gif-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> ScratchFolder::entries() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace zonalyst::image::test

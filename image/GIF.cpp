#include "GIF.h"

#include "FixedPalette.h"
#include "GifHeader.h"
#include "LzwEncoder.h"
#include "SubBlockWriter.h"
#include "core/Rounding.h"
#include "io/FileAccess.h"
#include "io/PathText.h"
#include "io/ReplacingFile.h"

#include <cstddef>
#include <vector>

namespace zonalyst::image {

namespace {

constexpr int kRowsPerProgress = 10;

// Clears the busy flag however the save ends, a throwing progress callback included.
class BusyGuard {
 public:
  explicit BusyGuard(bool& busy) : busy_(busy) { busy_ = true; }
  ~BusyGuard() { busy_ = false; }
  BusyGuard(const BusyGuard&) = delete;
  BusyGuard& operator=(const BusyGuard&) = delete;

 private:
  bool& busy_;
};

std::string Size(const PixelImage& picture) {
  return std::to_string(picture.width) + " x " + std::to_string(picture.height) + " pixels";
}

// Why the picture cannot be written, empty when it can.
std::string PictureProblem(const PixelImage& picture) {
  if (picture.width <= 0 || picture.height <= 0) {
    return "the picture is " + Size(picture) + " and has nothing to save";
  }
  if (picture.width > GIF::kMaxSide || picture.height > GIF::kMaxSide) {
    return "the picture is " + Size(picture) + ", more than " + std::to_string(GIF::kMaxSide) + " on a side";
  }
  const std::size_t needed = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
  if (picture.pixels.size() != needed) {
    return "the picture is " + Size(picture) + " but holds " + std::to_string(picture.pixels.size()) + " pixel values";
  }
  return {};
}

GifSaveResult Failure(const std::filesystem::path& fileName, const std::string& reason) {
  return {GifSaveOutcome::Failed, io::WriteFailure(io::TextFromPath(fileName), reason)};
}

constexpr std::array<std::uint8_t, 3 * kPaletteSize> MakeGreyTable() {
  std::array<std::uint8_t, 3 * kPaletteSize> table{};
  for (int i = 0; i < 3 * kPaletteSize; ++i) table[i] = static_cast<std::uint8_t>(i / 3);
  return table;
}

constexpr std::array<std::uint8_t, 3 * kPaletteSize> kGreyTable = MakeGreyTable();

int ProgressPercent(int row, int height) { return static_cast<int>(RoundHalfEven(100.0 * row / height)); }

}  // namespace

GifSaveResult GIF::SaveGIF(const PixelImage& picture, const std::filesystem::path& fileName, bool useTransparency,
                           std::uint32_t transparentColour, const GifProgress& progress) {
  if (busy_) return {GifSaveOutcome::Busy, "A GIF image is already being saved."};
  const BusyGuard guard(busy_);

  if (const std::string problem = PictureProblem(picture); !problem.empty()) {
    return Failure(fileName, problem);
  }
  io::ReplacingFile file(fileName);
  if (!file.isOpen()) return Failure(fileName, file.error());

  const bool greys = palette_ == GifPalette::Greys;
  const std::vector<std::uint8_t> header =
      GifHeader(picture.width, picture.height, greys ? kGreyTable : PaletteColourTable(), useTransparency,
                greys ? static_cast<std::uint8_t>(transparentColour & 0xFF) : TransparentIndex(transparentColour));
  file.write(header.data(), header.size());

  SubBlockWriter blocks(file);
  LzwEncoder encoder(blocks);
  std::vector<std::uint8_t> row(static_cast<std::size_t>(picture.width));
  const std::uint32_t* source = picture.pixels.data();
  for (int y = 1; y <= picture.height; ++y) {
    for (std::uint8_t& index : row)
      index = greys ? static_cast<std::uint8_t>(*source++ & 0xFF) : PaletteIndex(*source++);
    encoder.encodeRow(row.data(), picture.width);
    if (y % kRowsPerProgress == 0 && progress && !progress(ProgressPercent(y, picture.height))) {
      return {GifSaveOutcome::Cancelled, "Saving \"" + io::TextFromPath(fileName) + "\" was cancelled."};
    }
  }
  encoder.finish();
  file.writeByte(0x3B);

  if (!file.commit()) return Failure(fileName, file.error());
  return {};
}

}  // namespace zonalyst::image

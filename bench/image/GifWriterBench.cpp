#include "image/GIF.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>
#include <unistd.h>

// Heap use of the writer: every operator new is counted, so the peak above the bytes
// held before a save is what the writer needs besides the picture. (fopen's own FILE
// record comes from malloc and is not counted: a few hundred bytes.)
namespace {

std::size_t gLiveBytes = 0;
std::size_t gPeakBytes = 0;
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* CountedAllocate(std::size_t size) {
  void* block = std::malloc(size + kHeader);
  if (block == nullptr) throw std::bad_alloc();
  *static_cast<std::size_t*>(block) = size;
  gLiveBytes += size;
  if (gLiveBytes > gPeakBytes) gPeakBytes = gLiveBytes;
  return static_cast<char*>(block) + kHeader;
}

void CountedRelease(void* p) noexcept {
  if (p == nullptr) return;
  void* block = static_cast<char*>(p) - kHeader;
  gLiveBytes -= *static_cast<std::size_t*>(block);
  std::free(block);
}

}  // namespace

void* operator new(std::size_t size) { return CountedAllocate(size); }
void* operator new[](std::size_t size) { return CountedAllocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return CountedAllocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p) noexcept { CountedRelease(p); }
void operator delete[](void* p) noexcept { CountedRelease(p); }
void operator delete(void* p, std::size_t) noexcept { CountedRelease(p); }
void operator delete[](void* p, std::size_t) noexcept { CountedRelease(p); }

namespace {

using zonalyst::image::GIF;
using zonalyst::image::GifSaveOutcome;
using zonalyst::image::PixelImage;

class Lcg {
 public:
  std::uint32_t next() {
    state_ = state_ * 1664525U + 1013904223U;
    return state_ >> 8;
  }

 private:
  std::uint32_t state_ = 2024;
};

// A chart page as the analysis panels make them: black, a grey grid, white axes,
// coloured curves and lines of 7 x 11 pixel text cells.
PixelImage ReportPicture(int width, int height) {
  PixelImage p;
  p.width = width;
  p.height = height;
  p.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  auto set = [&](int x, int y, std::uint32_t colour) {
    if (x >= 0 && x < width && y >= 0 && y < height) {
      p.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = colour;
    }
  };
  for (int x = 40; x < width - 20; x += 30) {
    for (int y = 300; y < 700; ++y) set(x, y, 0x4B4B4B);
  }
  for (int y = 300; y < 700; y += 25) {
    for (int x = 40; x < width - 20; ++x) set(x, y, 0x4B4B4B);
  }
  for (int x = 40; x < width - 20; ++x) set(x, 500, 0xFFFFFF);
  for (int y = 300; y < 700; ++y) set(width / 2, y, 0xFFFFFF);
  for (int x = 40; x < width - 20; ++x) {
    const double t = (x - 40.0) / (width - 60.0);
    set(x, static_cast<int>(500 - 150 * std::sin(6.0 * t)), 0xFF0000);
    set(x, static_cast<int>(500 - 120 * t * t), 0x00FF00);
    set(x, static_cast<int>(520 + 60 * std::cos(9.0 * t)), 0xFFFF00);
  }
  Lcg random;
  const std::uint32_t textColours[] = {0xFFFFFF, 0xFFFF00, 0x00FF00, 0xFF0000};
  for (int line = 0; line < 20; ++line) {
    const int top = line < 10 ? 20 + 26 * line : 720 + 20 * (line - 10);
    const std::uint32_t colour = textColours[line % 4];
    const int cells = 30 + static_cast<int>(random.next() % 60);
    for (int cell = 0; cell < cells; ++cell) {
      for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 6; ++x) {
          if (random.next() % 3 == 0) set(20 + 7 * cell + x, top + y, colour);
        }
      }
    }
  }
  return p;
}

std::filesystem::path BenchFile() {
  return std::filesystem::temp_directory_path() / ("zonalyst-gif-bench-" + std::to_string(::getpid()) + ".gif");
}

void BM_SaveReportPicture(benchmark::State& state) {
  const PixelImage picture = ReportPicture(769, 930);
  const std::filesystem::path path = BenchFile();
  for (auto _ : state) {
    GIF gif;
    const auto result = gif.SaveGIF(picture, path, false, 0, [](int) { return true; });
    if (result.outcome != GifSaveOutcome::Written) state.SkipWithError(result.message.c_str());
  }

  const std::size_t before = gLiveBytes;
  gPeakBytes = gLiveBytes;
  GIF gif;
  gif.SaveGIF(picture, path, false, 0, [](int) { return true; });
  state.counters["heap_above_picture_bytes"] = static_cast<double>(gPeakBytes - before);
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveReportPicture)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

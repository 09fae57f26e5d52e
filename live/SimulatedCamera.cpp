#include "SimulatedCamera.h"

#include "core/BesselTable.h"
#include "core/SurfaceAnalysis.h"
#include "core/TesterView.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace zonalyst::live {
namespace {

constexpr double kBlurSigma = 1.5;  // pixels
constexpr int kBlurReach = 5;       // pixels each side: past 3 sigma
constexpr double kExposure = 0.8;   // of the range, at a gain of 1
constexpr double kRimGrey = 140.0;  // the diffraction rim, as gray(55%)

// A Gaussian kernel of 2 kBlurReach + 1 taps, summing to 1.
std::array<double, 2 * kBlurReach + 1> BlurKernel() {
  std::array<double, 2 * kBlurReach + 1> kernel{};
  double sum = 0.0;
  for (int k = -kBlurReach; k <= kBlurReach; ++k) {
    kernel[k + kBlurReach] = std::exp(-0.5 * k * k / (kBlurSigma * kBlurSigma));
    sum += kernel[k + kBlurReach];
  }
  for (double& w : kernel) w /= sum;
  return kernel;
}

// Blurs a square of side pixels, black all round, into `to`, first along rows (a stride of 1)
// then along columns.
void Blur(std::vector<double>& light, std::vector<double>& scratch, int side) {
  static const auto kernel = BlurKernel();
  const auto pass = [&](const double* from, double* to, std::ptrdiff_t along, std::ptrdiff_t across) {
    for (int line = 0; line < side; ++line) {
      for (int i = 0; i < side; ++i) {
        const int k0 = std::max(-kBlurReach, -i), k1 = std::min(kBlurReach, side - 1 - i);
        const double* at = from + line * across + i * along;
        double sum = 0.0;
        for (int k = k0; k <= k1; ++k) sum += kernel[static_cast<std::size_t>(k + kBlurReach)] * at[k * along];
        to[line * across + i * along] = sum;
      }
    }
  };
  scratch.resize(light.size());
  pass(light.data(), scratch.data(), 1, side);
  pass(scratch.data(), light.data(), side, 1);
}

// Standard normal deviates drawn once; a frame's noise picks them by a cheap generator.
const std::vector<float>& NormalDeviates() {
  static const std::vector<float> deviates = [] {
    std::mt19937 random(2024);
    std::normal_distribution<float> normal(0.0f, 1.0f);
    std::vector<float> drawn(1 << 16);
    for (float& d : drawn) d = normal(random);
    return drawn;
  }();
  return deviates;
}

}  // namespace

SimulatedCamera::SimulatedCamera(const MirrorTest& test, int width, int height)
    : test_(test), width_(width), height_(height) {
  BesselTable bessel;  // the reduction alone does not use it
  SurfaceAnalysis analysis(bessel);
  bestFitRocMm_ = analysis.reduceAndFit(test_).bestFitRocMm;
  profile_ = analysis.profile();
  discSize_ = std::max(8, 3 * height / 4);
  left_ = std::max(0, (width - discSize_) / 2 + 3 * width / 64);
  top_ = std::max(0, (height - discSize_) / 2 - height / 60);
  disc_ = {left_ + discSize_ / 2.0, top_ + discSize_ / 2.0, discSize_ / 2.0};
}

GreyFrame SimulatedCamera::frame(double knife, long frameNumber) const {
  GreyPicture view;
  SimulateTesterView(test_, profile_, bestFitRocMm_, false, knife, TesterSettings{}, discSize_, view);
  // The view's square with room for the blur all round: the rest of the frame stays black.
  const int side = discSize_ + 2 * kBlurReach;
  std::vector<double> light(static_cast<std::size_t>(side) * side, 0.0), scratch;
  for (int j = 0; j < discSize_; ++j) {
    for (int i = 0; i < discSize_; ++i) {
      double grey = view.at(i, j);
      // The rim: one pixel wide just inside the disc's edge.
      const double r = std::hypot(i + 0.5 - discSize_ / 2.0, j + 0.5 - discSize_ / 2.0);
      if (r <= disc_.radius && r > disc_.radius - 1.0) grey = std::max(grey, kRimGrey);
      light[static_cast<std::size_t>(j + kBlurReach) * side + i + kBlurReach] = grey;
    }
  }
  Blur(light, scratch, side);

  const double gain = kExposure * (1.0 + 0.15 * std::sin(static_cast<double>(frameNumber) * 2.3 + 0.7));
  const std::vector<float>& deviates = NormalDeviates();
  auto state = static_cast<std::uint32_t>(2654435761u * static_cast<std::uint32_t>(frameNumber + 1));
  GreyFrame frame;
  frame.width = width_;
  frame.height = height_;
  frame.grey.resize(static_cast<std::size_t>(width_) * height_);
  for (int y = 0; y < height_; ++y) {
    const int j = y - top_ + kBlurReach;
    for (int x = 0; x < width_; ++x) {
      const int i = x - left_ + kBlurReach;
      const bool lit = i >= 0 && i < side && j >= 0 && j < side;
      const double level = lit ? gain * light[static_cast<std::size_t>(j) * side + i] : 0.0;
      state ^= state << 13, state ^= state >> 17, state ^= state << 5;  // xorshift32
      const double sigma = 1.5 + 0.02 * level;                          // read noise and shot noise
      const double noisy = level + sigma * deviates[state & 0xffffu];
      frame.grey[static_cast<std::size_t>(y) * width_ + x] =
          static_cast<std::uint16_t>(std::clamp(std::nearbyint(noisy), 0.0, 255.0));
    }
  }
  return frame;
}

}  // namespace zonalyst::live

#pragma once

#include <array>

namespace zonalyst {

// pi * J0(2 pi n / 100) for n = 0..4006 (entries 4007..4010 stay 0): the Bessel
// function of the diffraction sums, tabulated in steps of 2 pi / 100 of its argument.
class BesselTable {
 public:
  static constexpr int kSize = 4011;
  static constexpr int kFilled = 4007;

  BesselTable() = default;
  void fill();  // computes the table once, at start-up
  bool filled() const { return filled_; }

  // The entry at a rounded index; indices outside the table read 0.
  double at(double index) const { return index >= 0.0 && index < kSize ? values_[static_cast<int>(index)] : 0.0; }
  double operator[](int n) const { return values_[n]; }

 private:
  std::array<double, kSize> values_{};
  bool filled_ = false;
};

// Fills the table (the start-up step of the window and the command line).
void FillBesselTable(BesselTable& table);

}  // namespace zonalyst

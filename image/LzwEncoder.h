#pragma once

#include "SubBlockWriter.h"

#include <cstdint>
#include <vector>

namespace zonalyst::image {

// The LZW encoder of the GIF image data, with 9-bit codes throughout: every row
// starts with a clear code and an empty string table, and the table is emptied
// (after the pending code and a clear code) once it holds 253 strings, so codes
// never reach 511 and never need a tenth bit.
class LzwEncoder {
 public:
  static constexpr int kCodeBits = 9;
  static constexpr unsigned kClearCode = 256;
  static constexpr unsigned kEndCode = 257;
  static constexpr unsigned kFirstFreeCode = 258;
  static constexpr int kTableCapacity = 253;  // codes 258..510

  explicit LzwEncoder(SubBlockWriter& out);

  // Encodes one row of palette indices (width >= 1).
  void encodeRow(const std::uint8_t* indices, int width);
  // Writes the end code and flushes the data sub-blocks.
  void finish();

 private:
  void resetTable();

  SubBlockWriter& out_;
  // The string table keyed by (code of the string without its last pixel, last
  // pixel): entry prefix * 256 + pixel holds the string's code, 0 when absent.
  std::vector<std::uint16_t> codes_;
  // Entries filled since the last reset, so that emptying the table costs at most
  // 253 stores instead of clearing all of it.
  std::vector<std::uint32_t> filled_;
};

}  // namespace zonalyst::image

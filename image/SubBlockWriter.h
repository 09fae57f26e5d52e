#pragma once

#include "io/ReplacingFile.h"

#include <array>
#include <cstdint>

namespace zonalyst::image {

// Packs LZW codes least significant bit first into bytes and the bytes into the
// GIF data sub-blocks: a count byte (1..255) followed by that many data bytes.
class SubBlockWriter {
 public:
  explicit SubBlockWriter(io::ReplacingFile& file) : file_(file) {}

  // Appends the low `bits` bits of code (bits <= 16).
  void writeCode(unsigned code, int bits);
  // Writes the last, partly filled sub-block and the block terminator 0.
  void flush();

 private:
  void appendByte(std::uint8_t byte);

  io::ReplacingFile& file_;
  // block_[0] is the count, block_[1..count] the data. A full block is only written
  // once a further byte arrives, so the final flush may write a full one.
  std::array<std::uint8_t, 256> block_{};
  std::uint32_t pendingBits_ = 0;
  int pendingBitCount_ = 0;
};

}  // namespace zonalyst::image

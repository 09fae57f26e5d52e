#include "SubBlockWriter.h"

namespace zonalyst::image {

void SubBlockWriter::writeCode(unsigned code, int bits) {
  pendingBits_ |= (code & ((1U << bits) - 1U)) << pendingBitCount_;
  pendingBitCount_ += bits;
  while (pendingBitCount_ >= 8) {
    appendByte(static_cast<std::uint8_t>(pendingBits_ & 0xFF));
    pendingBits_ >>= 8;
    pendingBitCount_ -= 8;
  }
}

void SubBlockWriter::flush() {
  if (pendingBitCount_ > 0) appendByte(static_cast<std::uint8_t>(pendingBits_ & 0xFF));
  pendingBits_ = 0;
  pendingBitCount_ = 0;
  if (block_[0] > 0) file_.write(block_.data(), 1U + block_[0]);
  block_[0] = 0;
  file_.writeByte(0);
}

void SubBlockWriter::appendByte(std::uint8_t byte) {
  if (block_[0] == 255) {
    file_.write(block_.data(), block_.size());
    block_[0] = 0;
  }
  ++block_[0];
  block_[block_[0]] = byte;
}

}  // namespace zonalyst::image

#include "LzwEncoder.h"

namespace zonalyst::image {

namespace {

constexpr std::size_t kPrefixCodes = LzwEncoder::kFirstFreeCode + LzwEncoder::kTableCapacity;  // 0..510

}  // namespace

LzwEncoder::LzwEncoder(SubBlockWriter& out) : out_(out), codes_(kPrefixCodes * 256, 0) {
  filled_.reserve(kTableCapacity);
}

void LzwEncoder::encodeRow(const std::uint8_t* indices, int width) {
  resetTable();
  out_.writeCode(kClearCode, kCodeBits);
  unsigned pending = indices[0];
  for (int x = 1; x < width; ++x) {
    const unsigned pixel = indices[x];
    const std::uint32_t key = pending * 256U + pixel;
    if (const unsigned code = codes_[key]; code != 0) {
      pending = code;
      continue;
    }
    out_.writeCode(pending, kCodeBits);
    if (filled_.size() == kTableCapacity) {
      out_.writeCode(kClearCode, kCodeBits);
      resetTable();
    } else {
      codes_[key] = static_cast<std::uint16_t>(kFirstFreeCode + filled_.size());
      filled_.push_back(key);
    }
    pending = pixel;
  }
  out_.writeCode(pending, kCodeBits);
}

void LzwEncoder::finish() {
  out_.writeCode(kEndCode, kCodeBits);
  out_.flush();
}

void LzwEncoder::resetTable() {
  for (const std::uint32_t key : filled_) codes_[key] = 0;
  filled_.clear();
}

}  // namespace zonalyst::image

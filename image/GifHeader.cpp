#include "GifHeader.h"

#include <initializer_list>

namespace zonalyst::image {

namespace {

void Append(std::vector<std::uint8_t>& bytes, std::initializer_list<std::uint8_t> values) {
  for (const std::uint8_t value : values) bytes.push_back(value);
}

void AppendWord(std::vector<std::uint8_t>& bytes, int value) {
  Append(bytes, {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF)});
}

}  // namespace

std::vector<std::uint8_t> GifHeader(int width, int height, const std::array<std::uint8_t, 768>& colours,
                                    bool useTransparency, std::uint8_t transparentIndex) {
  std::vector<std::uint8_t> bytes;
  if (useTransparency) {
    Append(bytes, {'G', 'I', 'F', '8', '9', 'a'});
  } else {
    Append(bytes, {'G', 'I', 'F', '8', '7', 'a'});
  }
  // Logical screen: global table of 256 entries, 8 bits per colour, background 0, no aspect.
  AppendWord(bytes, width);
  AppendWord(bytes, height);
  Append(bytes, {0xF7, 0x00, 0x00});
  bytes.insert(bytes.end(), colours.begin(), colours.end());
  if (useTransparency) {
    // Graphic control: disposal "restore to background", transparent index present, no delay.
    Append(bytes, {0x21, 0xF9, 0x04, 0x09, 0x00, 0x00, transparentIndex, 0x00});
  }
  Append(bytes, {0x2C});
  AppendWord(bytes, 0);
  AppendWord(bytes, 0);
  AppendWord(bytes, width);
  AppendWord(bytes, height);
  Append(bytes, {0x07, 0x08});
  return bytes;
}

}  // namespace zonalyst::image

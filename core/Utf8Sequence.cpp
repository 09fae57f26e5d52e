#include "Utf8Sequence.h"

namespace zonalyst {

Utf8Sequence NextUtf8Sequence(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text.front());
  if (lead < 0x80) return {1, true, lead};
  // Continuation bytes needed, and the range of the first one: overlong forms, surrogates
  // and code points past U+10FFFF are ruled out by it.
  std::size_t needed = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  char32_t codePoint = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    needed = 1;
    codePoint = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    needed = 2;
    codePoint = lead & 0x0Fu;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    needed = 3;
    codePoint = lead & 0x07u;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return {1, false, 0};
  }
  for (std::size_t i = 1; i <= needed; ++i) {
    if (i >= text.size()) return {i, false, 0};
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < low || byte > high) return {i, false, 0};
    codePoint = (codePoint << 6) | (byte & 0x3Fu);
    low = 0x80;
    high = 0xBF;
  }
  return {needed + 1, true, codePoint};
}

}  // namespace zonalyst

#include "PrintableText.h"

namespace zonalyst::io {

std::string PrintableQuote(std::string_view bytes, std::size_t maxBytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string quote;
  for (const char c : bytes.substr(0, maxBytes)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f) {
      quote += c;
    } else {
      quote += "\\x";
      quote += kHex[byte >> 4];
      quote += kHex[byte & 0xf];
    }
  }
  if (bytes.size() > maxBytes) quote += "...";
  return quote;
}

}  // namespace zonalyst::io

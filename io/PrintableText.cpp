#include "PrintableText.h"

#include "core/Utf8Sequence.h"

namespace zonalyst::io {
namespace {

void AppendEscaped(std::string& out, std::string_view bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0xf];
  }
}

bool IsPrintableAscii(unsigned char byte) { return byte >= 0x20 && byte < 0x7f; }

// The C1 controls (U+0080..U+009F) steer some terminals as the escape sequences do.
bool IsControl(char32_t codePoint) { return codePoint < 0x20 || (codePoint >= 0x7f && codePoint < 0xa0); }

}  // namespace

std::string PrintableQuote(std::string_view bytes, std::size_t maxBytes) {
  std::string quote;
  for (const char c : bytes.substr(0, maxBytes)) {
    if (IsPrintableAscii(static_cast<unsigned char>(c))) {
      quote += c;
    } else {
      AppendEscaped(quote, {&c, 1});
    }
  }
  if (bytes.size() > maxBytes) quote += "...";
  return quote;
}

std::string PrintableName(std::string_view name) {
  std::string shown;
  while (!name.empty()) {
    const Utf8Sequence sequence = NextUtf8Sequence(name);
    const std::string_view bytes = name.substr(0, sequence.length);
    if (sequence.wellFormed && !IsControl(sequence.codePoint)) {
      shown += bytes;
    } else {
      AppendEscaped(shown, bytes);
    }
    name.remove_prefix(sequence.length);
  }
  return shown;
}

std::string AsSentence(std::string reason) {
  if (!reason.empty() && reason.front() >= 'a' && reason.front() <= 'z') {
    reason.front() = static_cast<char>(reason.front() - 'a' + 'A');
  }
  return reason;
}

}  // namespace zonalyst::io

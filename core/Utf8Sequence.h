#pragma once

#include <cstddef>
#include <string_view>

namespace zonalyst {

// The UTF-8 sequence at the start of a text: how many bytes it takes and whether they
// are well formed. An ill-formed sequence is the longest start that could still begin a
// well-formed one (at least one byte), so that each is replaced by one U+FFFD as the
// Unicode standard recommends. The text must not be empty.
struct Utf8Sequence {
  std::size_t length = 1;
  bool wellFormed = false;
  char32_t codePoint = 0;  // when well formed
};
Utf8Sequence NextUtf8Sequence(std::string_view text);

// U+FFFD, the replacement character, in UTF-8.
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

}  // namespace zonalyst

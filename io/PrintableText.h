#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zonalyst::io {

// Bytes of a file as a message may quote them: at most maxBytes of them, then "..."
// when there were more; every byte that is not printable ASCII (control characters,
// escape sequences, bytes of other encodings) shown as \xNN, so that no message ever
// carries raw control bytes to a terminal or a message box.
std::string PrintableQuote(std::string_view bytes, std::size_t maxBytes);

}  // namespace zonalyst::io

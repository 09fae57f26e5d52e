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

// A file name or path as a message shows it: whole, its letters of any language kept,
// but every control character (a line break, an escape sequence) and every byte that is
// not UTF-8 shown as \xNN, so that a name can neither split a line nor steer a terminal.
std::string PrintableName(std::string_view name);

// A reason ("could not write ...") as a sentence of a message begins: its first letter in
// upper case. Messages put it after a file name or another sentence.
std::string AsSentence(std::string reason);

}  // namespace zonalyst::io

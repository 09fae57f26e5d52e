#pragma once

#include <optional>
#include <string_view>

namespace zonalyst {

// Fields of the text lines that rigs and recorders write (dial logs, frame lists, adapter lines).

// The text without the blanks (space, tab, CR, LF) at either end.
std::string_view Trimmed(std::string_view text);

// The text read whole as a finite number with "." as the decimal separator; none for anything
// else (an empty field, trailing letters, inf, nan).
std::optional<double> FiniteNumber(std::string_view text);

}  // namespace zonalyst

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zonalyst {

// The knife positions of a series of photographs: readings on the rig's own scale, in the
// test's units, like the zones' readings and the tester's knife.

// The knife reaches no further: a position beyond is a slip (a frame counter, a date, a
// runaway number), never a reading; far beyond any rig's scale, yet small enough that the
// tester's view's arithmetic stays exact.
inline constexpr double kMaxKnifePosition = 1e6;

// A knife reading as every table and caption prints it: 4 decimals in millimetres, 5 in
// inches (a tenth of a micrometre, or of a ten-thousandth), "." as the decimal separator;
// the general form (at most 15 digits) from 1E+07 on.
std::string KnifeReadingText(double reading, bool inches);

// Where a photograph's position came from.
enum class PositionSource { Name, List, Typed };
std::string PositionSourceText(PositionSource source);  // "name", "list", "typed"

// The knife position written in a photograph's file name, or none. The folders and an
// extension (a last dot followed by a letter) are left out; then the last number of the
// name counts, with at most one decimal point ("Image_1.25.png" 1.25, "ke_0.0240in.jpg"
// 0.024). A minus sign counts at the start of the name or after "_", " ", "=", "(" or "["
// ("knife_-0.3mm" -0.3); any other hyphen separates ("frame-1.00mm" 1.00, "2026-12-07").
// A copy counter ("knife_0.55mm (1).jpg"), a camera's frame number ("IMG_0042.jpg") and a
// number written with leading zeros ("_0007") count only when the name holds no other number.
std::optional<double> KnifePositionInName(const std::string& fileName);

// Why the positions of a series cannot be read: fewer than two, one beyond
// +-kMaxKnifePosition or not a number, or two alike.
enum class PositionsFault { TooFew, OutOfRange, Same };
struct PositionsProblem {
  PositionsFault fault = PositionsFault::TooFew;
  std::size_t photo = 0;  // the photograph at fault (for Same the second of the two)
  std::size_t other = 0;  // for Same: the first photograph at that position
};

// The one rule every front end and the reader itself apply: two or more photographs, each
// at a finite position within +-kMaxKnifePosition, no two at one position.
std::optional<PositionsProblem> CheckKnifePositions(const std::vector<double>& positions);

// Warnings about positions taken from names that look misread: all negative (a hyphen read
// as a minus sign), or whole numbers 1 apart (a camera's frame numbers). One sentence each,
// without the "warning: " before it.
std::vector<std::string> DoubtfulPositions(const std::vector<double>& positions);

}  // namespace zonalyst

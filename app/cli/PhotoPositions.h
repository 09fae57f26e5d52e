#pragma once

#include "core/KnifePositions.h"

#include <optional>
#include <string>
#include <vector>

namespace zonalyst::cli {

// The knife position of each photograph (test units, on the readings' scale), in the order
// of the photographs: the last number of each file's name, or, with a list, the position
// that the list gives the file.
struct PhotoPositions {
  std::vector<double> positions;  // one per photograph when problem is empty
  PositionSource source = PositionSource::Name;
  std::vector<std::string> warnings;  // positions from names that look misread, one line each
  std::string problem;                // why there are none, one line
  bool listUnreadable = false;        // the list's file could not be read (else a usage problem)
};

// The list holds lines "file,position" ("." as decimal separator) of at most 64 KiB; the
// file is matched by the photograph's path as given or by its name alone. Blank lines, a
// byte order mark on line 1 and a first line whose position field holds no digit (a
// header) are passed over. Problems: a photograph without a position, a line that is not
// "file,position", a file listed twice, a position beyond +-kMaxKnifePosition, and two
// photographs at the same position.
PhotoPositions KnifePositionsOf(const std::vector<std::string>& photos, const std::optional<std::string>& listPath);

}  // namespace zonalyst::cli

#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zonalyst::cli {

// The knife position of each photograph (test units, on the readings' scale), in the order
// of the photographs: the last number of each file's name, or, with a list, the position
// that the list gives the file.
struct PhotoPositions {
  std::vector<double> positions;  // one per photograph when problem is empty
  std::string problem;            // why there are none, one line
  bool listUnreadable = false;    // the list's file could not be read (else a usage problem)
};

// The list holds lines "file,position" ("." as decimal separator); the file is matched by
// the photograph's path as given or by its name alone. Blank lines and a first line whose
// position is no number (a header) are passed over. A photograph without a position, a line
// that is not "file,position", and two photographs at the same position are problems.
PhotoPositions KnifePositionsOf(const std::vector<std::string>& photos, const std::optional<std::string>& listPath);

}  // namespace zonalyst::cli

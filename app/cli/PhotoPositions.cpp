#include "PhotoPositions.h"

#include "Options.h"
#include "core/NumberText.h"
#include "io/FileAccess.h"
#include "io/PathText.h"
#include "io/PrintableText.h"

#include <algorithm>
#include <charconv>
#include <map>

namespace zonalyst::cli {
namespace {

std::string Quoted(const std::string& path) { return "\"" + io::PrintableName(path) + "\""; }

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t\r") - first + 1));
}

// Line 1 may carry a byte order mark, where a spreadsheet put it: before the first field or
// after blanks.
std::string WithoutByteOrderMarks(std::string line) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  for (std::size_t at = line.find(kMark); at != std::string::npos; at = line.find(kMark, at)) {
    line.erase(at, kMark.size());
  }
  return line;
}

std::string RangeText() {
  return "from " + FormatGeneral(-kMaxKnifePosition) + " to " + FormatGeneral(kMaxKnifePosition) +
         " in the test's units";
}

struct Listed {
  double position = 0.0;
  int line = 0;
};

PhotoPositions Problem(std::string problem) { return {{}, PositionSource::List, {}, std::move(problem), false}; }

// The list's positions by file, as its lines name the files.
PhotoPositions ReadList(const std::string& listPath, std::map<std::string, Listed>& byFile) {
  const io::FileText file = io::ReadFileText(listPath, "a list of knife positions");
  if (!file.text) return {{}, PositionSource::List, {}, file.failure, true};
  std::string_view text = *file.text;
  for (int line = 1; !text.empty(); ++line) {
    const std::size_t end = text.find('\n');
    std::string row = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line == 1) row = Trimmed(WithoutByteOrderMarks(row));
    if (row.empty()) continue;
    const std::string where = "line " + std::to_string(line) + " of " + Quoted(listPath);
    const std::size_t comma = row.rfind(',');
    const std::string field = comma == std::string::npos ? row : Trimmed(std::string_view(row).substr(comma + 1));
    const std::string name =
        comma == std::string::npos ? std::string() : Trimmed(std::string_view(row).substr(0, comma));
    const bool digit = std::any_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (line == 1 && !digit) continue;  // a header
    const auto position = ParseNumberOption(field);
    double huge = 0.0;
    const bool overflows =
        std::from_chars(field.data(), field.data() + field.size(), huge).ec == std::errc::result_out_of_range;
    if (!name.empty() && (overflows || (position && std::abs(*position) > kMaxKnifePosition))) {
      return Problem(where + " gives a knife position beyond the knife's reach, " + RangeText());
    }
    if (name.empty() || !position) return Problem(where + " is not \"file,position\"");
    if (const auto [listed, added] = byFile.try_emplace(name, Listed{*position, line}); !added) {
      return Problem(where + " lists " + Quoted(name) + " again, after line " + std::to_string(listed->second.line));
    }
  }
  return {};
}

}  // namespace

PhotoPositions KnifePositionsOf(const std::vector<std::string>& photos, const std::optional<std::string>& listPath) {
  std::map<std::string, Listed> byFile;
  if (listPath) {
    PhotoPositions list = ReadList(*listPath, byFile);
    if (!list.problem.empty()) return list;
  }
  PhotoPositions result;
  result.source = listPath ? PositionSource::List : PositionSource::Name;
  for (const std::string& photo : photos) {
    std::optional<double> position;
    if (listPath) {
      // By the path as given or by the name alone; two lines for one photograph are a slip.
      const auto byPath = byFile.find(photo), byName = byFile.find(io::FileNameOf(photo));
      if (byPath != byFile.end() && byName != byFile.end() && byPath != byName) {
        return Problem("lines " + std::to_string(std::min(byPath->second.line, byName->second.line)) + " and " +
                       std::to_string(std::max(byPath->second.line, byName->second.line)) + " of " + Quoted(*listPath) +
                       " both list " + Quoted(photo));
      }
      if (byPath != byFile.end() || byName != byFile.end()) {
        position = (byPath != byFile.end() ? byPath : byName)->second.position;
      }
    } else {
      position = KnifePositionInName(io::FileNameOf(photo));
    }
    if (!position) {
      result.problem =
          listPath ? Quoted(*listPath) + " gives no knife position for " + Quoted(photo)
                   : "the name of " + Quoted(photo) + " holds no knife position; give them with --positions FILE.csv";
      return result;
    }
    result.positions.push_back(*position);
  }
  if (const auto problem = CheckKnifePositions(result.positions)) {
    const std::string& photo = photos[problem->photo];
    if (problem->fault == PositionsFault::Same) {
      result.problem = Quoted(photos[problem->other]) + " and " + Quoted(photo) + " are both at knife position " +
                       FormatGeneral(result.positions[problem->photo]);
    } else if (problem->fault == PositionsFault::OutOfRange) {
      result.problem = "the name of " + Quoted(photo) + " gives a knife position beyond the knife's reach, " +
                       RangeText() + "; give them with --positions FILE.csv";
    } else {
      result.problem = "expected two or more photographs at different knife positions";
    }
    return result;
  }
  if (result.source == PositionSource::Name) result.warnings = DoubtfulPositions(result.positions);
  return result;
}

}  // namespace zonalyst::cli

#include "PhotoPositions.h"

#include "Options.h"
#include "core/NumberText.h"
#include "core/PhotoReadings.h"
#include "io/FileAccess.h"
#include "io/PathText.h"
#include "io/PrintableText.h"

#include <map>

namespace zonalyst::cli {
namespace {

std::string Quoted(const std::string& path) { return "\"" + io::PrintableName(path) + "\""; }

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t\r") - first + 1));
}

// The list's positions by file, as its lines name the files.
PhotoPositions ReadList(const std::string& listPath, std::map<std::string, double>& byFile) {
  const io::FileText file = io::ReadFileText(listPath, "a list of knife positions");
  if (!file.text) return {{}, file.failure, true};
  std::string_view text = *file.text;
  for (int line = 1; !text.empty(); ++line) {
    const std::size_t end = text.find('\n');
    const std::string row = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (row.empty()) continue;
    const std::size_t comma = row.rfind(',');
    const auto position = comma == std::string::npos ? std::nullopt : ParseNumberOption(row.substr(comma + 1));
    if (position && comma > 0) {
      byFile[Trimmed(std::string_view(row).substr(0, comma))] = *position;
    } else if (line != 1) {
      return {{}, "line " + std::to_string(line) + " of " + Quoted(listPath) + " is not \"file,position\"", false};
    }
  }
  return {};
}

std::optional<double> ListedPosition(const std::map<std::string, double>& byFile, const std::string& photo) {
  for (const std::string& key : {photo, io::FileNameOf(photo)}) {
    if (const auto found = byFile.find(key); found != byFile.end()) return found->second;
  }
  return std::nullopt;
}

}  // namespace

PhotoPositions KnifePositionsOf(const std::vector<std::string>& photos, const std::optional<std::string>& listPath) {
  std::map<std::string, double> byFile;
  if (listPath) {
    PhotoPositions list = ReadList(*listPath, byFile);
    if (!list.problem.empty()) return list;
  }
  PhotoPositions result;
  std::map<double, std::string> photoAt;
  for (const std::string& photo : photos) {
    const auto position = listPath ? ListedPosition(byFile, photo) : KnifePositionInName(io::FileNameOf(photo));
    if (!position) {
      result.problem =
          listPath ? Quoted(*listPath) + " gives no knife position for " + Quoted(photo)
                   : "the name of " + Quoted(photo) + " holds no knife position; give them with --positions FILE.csv";
      return result;
    }
    if (const auto [taken, added] = photoAt.emplace(*position, photo); !added) {
      result.problem =
          Quoted(taken->second) + " and " + Quoted(photo) + " are both at knife position " + FormatGeneral(*position);
      return result;
    }
    result.positions.push_back(*position);
  }
  return result;
}

}  // namespace zonalyst::cli

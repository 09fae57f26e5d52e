#include "FilePreview.h"

#include "EntryText.h"
#include "core/NumberText.h"
#include "core/Rounding.h"
#include "io/FileAccess.h"
#include "io/ValueTriple.h"

#include <algorithm>
#include <string_view>

namespace zonalyst::entry {
namespace {

const QString kDiameterCaption = QStringLiteral("Mirror Diameter:\n");
const QString kRocCaption = QStringLiteral("Mirror ROC:\n");
const QString kZonesCaption = QStringLiteral("Number of Zones\n");

std::string WithoutCr(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace

FilePreview PreviewOfLines(const std::string& line0, const std::string& line1, const QString& separator) {
  const auto header = io::ParseValueTriple(WithoutCr(line0));
  const auto mirror = io::ParseValueTriple(WithoutCr(line1));
  if (!header || !mirror) {
    const QString unreadable = QStringLiteral("unreadable");
    return {kDiameterCaption + unreadable, kRocCaption + unreadable, kZonesCaption + unreadable};
  }
  const QString unit = RoundHalfEven((*header)[1]) == 0.0 ? QStringLiteral(" Millimeters") : QStringLiteral(" Inches");
  return {kDiameterCaption + ScreenNumber(FormatGeneral((*mirror)[1]), separator) + unit,
          kRocCaption + ScreenNumber(FormatGeneral((*mirror)[0]), separator) + unit,
          kZonesCaption + ScreenNumber(FormatGeneral(RoundHalfEven((*header)[0])), separator)};
}

FilePreview PreviewOfFile(const std::string& path, const QString& separator) {
  // Read as the loader reads: a pipe, a device or a huge file is unreadable at once.
  const std::string text = io::ReadFileText(path).text.value_or(std::string());
  std::string_view rest = text;
  const auto nextLine = [&rest] {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    std::string line(rest.substr(0, end));
    rest.remove_prefix(std::min(end + 1, rest.size()));
    return line;
  };
  const std::string line0 = nextLine();
  const std::string line1 = nextLine();
  return PreviewOfLines(line0, line1, separator);
}

}  // namespace zonalyst::entry

#include "SavedPicture.h"

#include "PanelTable.h"
#include "RasterSurface.h"

#include <algorithm>
#include <cmath>

namespace zonalyst::plot {

namespace {

bool EndsWithFdr(const std::string& name) {
  if (name.size() < 4) return false;
  std::string tail = name.substr(name.size() - 4);
  std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
  return tail == ".fdr";
}

// Centre of the table column c (0..7) in a picture w pixels wide per column.
double ColumnCentre(int c, int w) { return (c + 0.5) * w; }

// The lines of a text whose lines end in CR LF.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

// Draws the measures as the panels lay them out, centred, and the caption lines side by
// side under them; returns the height of the block.
double DrawFrameTexts(PictureSurface& s, const FrameTexts& texts) {
  const double left = (s.scaleWidth() - kResultBlock.width) / 2.0;
  s.setTextColour(kWhite);
  for (int k = 0; k < 6; ++k) {
    const double top = kResultBlock.rowTop[k % 3];
    s.setTextPosition(left + kResultBlock.captionLeft[k / 3], top);
    s.print(kResultCaptions[k]);
    s.setTextPosition(left + kResultBlock.valueLeft[k / 3], top);
    s.print(texts.results[k]);
  }
  double height = kResultBlock.height;
  if (texts.captions.empty()) return height;
  const double line = s.textHeight("HI");
  double deepest = 0;
  for (std::size_t c = 0; c < texts.captions.size() && c < 2; ++c) {
    double y = height + 4;
    for (const std::string& text : Lines(texts.captions[c])) {
      s.setTextPosition(left + kResultBlock.captionLeft[c], y);
      s.print(text);
      y += line;
    }
    deepest = std::max(deepest, y);
  }
  return deepest + 4;
}

// The height of the frame's numbers above the picture, measured on a scratch surface.
double FrameTextsHeight(const SavedPicture& parts, PictureSurface& scratch) {
  return parts.frame ? std::ceil(DrawFrameTexts(scratch, *parts.frame)) : 0.0;
}

bool IsStarStack(const SavedPicture& parts) { return RowOf(parts.panel).saved == SavedKind::StarStack; }

PictureSize StackSize(const std::array<PixelImage, 3>& images) {
  int width = kPanelFrame.width;
  int stacked = 2 * kStarStackGap;
  for (const PixelImage& image : images) {
    width = std::max(width, image.width);
    stacked += image.height;
  }
  return {width, std::max(kPanelFrame.height + kStarStackRoom, stacked)};
}

}  // namespace

std::string DefaultImageName(const std::string& testFileName, Panel panel) {
  const std::string stem = EndsWithFdr(testFileName) ? testFileName.substr(0, testFileName.size() - 4) : testFileName;
  return stem + std::string(RowOf(panel).suffix);
}

std::array<PixelImage, 3> StarStack(const PanelControls& controls,
                                    const std::function<PixelImage(const PanelControls&)>& drawAt) {
  std::array<PixelImage, 3> pictures;
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    pictures[i] = drawAt(StarControlsAtDefocus(controls, kStackedWaves[i]));
  }
  return pictures;
}

double DrawReport(PictureSurface& s, const ZoneReport& report, double top) {
  const double xc = s.scaleWidth() / 2;
  const double line = s.textHeight("HI");
  double y = top + 10;
  s.setTextColour(kWhite);
  PrintCentred(s, report.unitsLine, xc, y);
  y += line;
  PrintCentred(s, report.mirrorLine, xc, y);
  y += 2 * line;

  const int w = s.scaleWidth() / 8;
  const auto printRow = [&](const auto& cells) {
    for (int c = 0; c < 8; ++c) {
      if (!std::string(cells[c]).empty()) PrintCentred(s, cells[c], ColumnCentre(c, w), y);
    }
    y += line;
  };
  printRow(ZoneReport::kUpperHeadings);
  printRow(ZoneReport::kLowerHeadings);
  for (const auto& row : report.rows) printRow(row);
  if (!report.measuredSpanLine.empty()) {
    PrintCentred(s, report.measuredSpanLine, xc, y + line);
    y += 2 * line;
  }
  return y + line - top;
}

FrameTexts PanelFrameTexts(Panel panel, const MirrorTest& test, const BestFit& fit, const QualityMetrics& metrics,
                           double offsetMm) {
  FrameTexts texts{FormatResults(metrics), {}};
  if (HasReferenceOffset(panel)) texts.captions = {BestFitCaption(test, fit), OffsetFromBestFitText(test, offsetMm)};
  return texts;
}

PictureSize SavedPictureSize(const SavedPicture& parts) {
  if (IsStarStack(parts)) return StackSize(parts.stack);
  const int width = std::max(1, parts.picture.width);
  // Measure first on a scratch surface, so that a long report grows the picture.
  RasterSurface scratch(width, 1);
  const double top = FrameTextsHeight(parts, scratch) + parts.picture.height;
  const double needed = DrawReport(scratch, parts.report, top);
  return {width, static_cast<int>(top) + std::max(kReportRoom, static_cast<int>(std::ceil(needed)))};
}

void DrawSavedPicture(PictureSurface& s, const SavedPicture& parts) {
  s.clear();
  if (IsStarStack(parts)) {
    double y = 0;
    for (const PixelImage& image : parts.stack) {
      s.drawImage(0, y, image);
      y += image.height + kStarStackGap;
    }
    return;
  }
  const double top = parts.frame ? std::ceil(DrawFrameTexts(s, *parts.frame)) : 0.0;
  s.drawImage(0, top, parts.picture);
  DrawReport(s, parts.report, top + parts.picture.height);
}

PixelImage ComposeSavedPicture(const SavedPicture& parts) {
  const PictureSize size = SavedPictureSize(parts);
  RasterSurface surface(size.width, size.height);
  DrawSavedPicture(surface, parts);
  return surface.toPixelImage();
}

void InvertPixels(PixelImage& image) {
  for (auto& pixel : image.pixels) pixel = ~pixel & 0x00ffffffu;
}

}  // namespace zonalyst::plot

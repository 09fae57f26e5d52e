#include "ImageExport.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "AnalysisPanel.h"
#include "ui/window/EventPump.h"
#include "GifProgressWindow.h"
#include "ui/window/MainWindow.h"
#include "ui/window/PanelTexts.h"
#include "StarTestPanel.h"
#include "core/ZoneReport.h"
#include "image/GIF.h"
#include "io/FileAccess.h"
#include "plot/RasterSurface.h"
#include "plot/SavedPicture.h"
#include "ui/analysis/rules/ImageExportRules.h"

namespace zonalyst::ui {
namespace {

// The panel's frame as the window shows it, at its logical size whatever the screen's
// pixel density: the saved picture keeps its size pixel for pixel.
plot::PixelImage GrabFrame(MainWindow& window, int panel) {
  auto* frame = window.findChild<QWidget*>(QStringLiteral("Display_%1").arg(panel));
  QImage image(frame->size(), QImage::Format_RGB32);
  image.setDevicePixelRatio(1.0);
  image.fill(frame->palette().color(frame->backgroundRole()));
  frame->render(&image);
  // The picture as drawn at its logical size, over the screen's denser one that the
  // rendering scaled down.
  if (const auto* view = frame->findChild<AnalysisPanel*>()) {
    QPainter painter(&image);
    painter.drawImage(view->picture()->mapTo(frame, QPoint(0, 0)), view->logicalPicture());
  }
  return plot::ToPixelImage(image);
}

plot::PixelImage ComposePicture(MainWindow& window, StarTestPanel& starTest, Panel panel) {
  plot::SavedPicture parts;
  parts.panel = panel;
  if (panel == kStarTestPanel) {
    parts.stack = starTest.picturesAtDefocus(plot::kStackedWaves);
  } else {
    // The frame as shown carries the panel's numbers already.
    const AppState& state = window.state();
    parts.picture = GrabFrame(window, panel);
    parts.report = BuildZoneReport(state.test, state.displayRocMm);
  }
  return plot::ComposeSavedPicture(parts);
}

void ReportFailure(MainWindow& window, const std::string& path, const std::string& reason) {
  MessageRequest request;
  request.text = QString::fromStdString(live::ImageSaveFailure(path, reason));
  request.icon = MessageIcon::Critical;
  window.prompter().message(request);
}

void WriteGif(MainWindow& window, const plot::PixelImage& picture, const std::string& path) {
  image::PixelImage pixels{picture.width, picture.height, {picture.pixels.begin(), picture.pixels.end()}};
  const std::uint32_t corner = pixels.pixels.empty() ? 0u : pixels.pixels.front();
  image::GifSaveResult result;
  {
    GifProgressWindow progress(&window);
    progress.show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    LetEventsRun();
    result = image::GIF().SaveGIF(pixels, path, false, corner, [&progress](int percent) {
      progress.showProgress(percent);
      LetEventsRun();
      return true;
    });
    progress.close();
    QApplication::restoreOverrideCursor();
  }
  if (result.outcome != image::GifSaveOutcome::Written) ReportFailure(window, path, result.message);
}

}  // namespace

void SaveImageAndReport(MainWindow& window, StarTestPanel& starTest, int panel) {
  if (!IsAnalysisPanel(panel)) return;
  plot::PixelImage picture = ComposePicture(window, starTest, static_cast<Panel>(panel));

  MessageRequest invert;
  invert.title = QString::fromLatin1(live::kInvertTitle);
  invert.text = QString::fromLatin1(live::kInvertText);
  invert.buttons = MessageButtons::YesNo;
  invert.defaultButton = MessageAnswer::Yes;
  if (window.prompter().message(invert) == MessageAnswer::Yes) plot::InvertPixels(picture);

  const AppState& state = window.state();
  SaveFileRequest request;
  request.title = QString::fromLatin1(live::kSaveImageTitle);
  request.folder = state.folder;
  request.fileName = QString::fromStdString(plot::DefaultImageName(state.fileName.toStdString(), static_cast<Panel>(panel)));
  request.filter = QString::fromLatin1(live::kImageFilters);
  const std::optional<QString> chosen = window.prompter().saveFile(request);
  if (!chosen || chosen->isEmpty()) return;

  const std::string path = live::WithDefaultExtension(chosen->toStdString());
  if (live::ImageFormatOf(path) == live::ImageFormat::Png) {
    const std::string png = plot::PngBytes(picture);
    const std::string problem =
        png.empty() ? "The picture could not be encoded as PNG." : io::ReplaceFileText(path, png);
    if (!problem.empty()) ReportFailure(window, path, problem);
    return;
  }
  WriteGif(window, picture, path);
}

}  // namespace zonalyst::ui

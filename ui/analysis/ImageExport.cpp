#include "ImageExport.h"

#include "AnalysisPanel.h"
#include "GifProgressWindow.h"
#include "image/GIF.h"
#include "plot/RasterSurface.h"
#include "plot/SavedPicture.h"
#include "ui/analysis/rules/ImageExportRules.h"
#include "ui/panel/EventPump.h"
#include "ui/panel/SaveGuard.h"

#include <QApplication>
#include <QScopeGuard>

namespace zonalyst::ui {
namespace {

void ReportFailure(Prompter& prompter, const std::string& reason) {
  MessageRequest request;
  request.text = QString::fromStdString(analysis::ImageSaveFailure(reason));
  request.icon = MessageIcon::Critical;
  prompter.message(request);
}

void WriteGif(QWidget* owner, Prompter& prompter, const plot::PixelImage& picture, const std::string& path) {
  image::PixelImage pixels{picture.width, picture.height, {picture.pixels.begin(), picture.pixels.end()}};
  const std::uint32_t corner = pixels.pixels.empty() ? 0u : pixels.pixels.front();
  image::GifSaveResult result;
  {
    GifProgressWindow progress(owner);
    progress.show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Memory running out while the file is made must not leave the busy pointer behind.
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    LetEventsRun();
    result = image::GIF().SaveGIF(pixels, path, false, corner, [&progress](int percent) {
      progress.showProgress(percent);
      LetEventsRun();
      return true;
    });
    progress.close();
  }
  if (result.outcome != image::GifSaveOutcome::Written) ReportFailure(prompter, result.message);
}

void SaveImage(AnalysisPanel& panel, Prompter& prompter, const AppState& state) {
  const plot::SavedPicture parts = panel.savedPicture();
  plot::PixelImage picture = plot::ComposeSavedPicture(parts);

  MessageRequest invert;
  invert.title = QString::fromLatin1(analysis::kInvertTitle);
  invert.text = QString::fromLatin1(analysis::kInvertText);
  invert.buttons = MessageButtons::YesNo;
  invert.defaultButton = MessageAnswer::Yes;
  if (prompter.message(invert) == MessageAnswer::Yes) plot::InvertPixels(picture);

  SaveFileRequest request;
  request.title = QString::fromLatin1(analysis::kSaveImageTitle);
  request.folder = state.folder;
  const std::string proposed = plot::DefaultImageName(state.fileName.toStdString(), parts.panel);
  const analysis::ImageFormat defaultFormat = analysis::ImageFormatOf(proposed);
  request.fileName = QString::fromStdString(proposed);
  request.filter = QString::fromStdString(analysis::ImageFilters(defaultFormat));
  const std::optional<QString> chosen = prompter.saveFile(request);
  if (!chosen || chosen->isEmpty()) return;

  const std::string path = analysis::WithDefaultExtension(chosen->toStdString(), defaultFormat);
  if (analysis::ImageFormatOf(path) == analysis::ImageFormat::Png) {
    const std::string problem = plot::WritePngFile(picture, path);
    if (!problem.empty()) ReportFailure(prompter, problem);
    return;
  }
  WriteGif(panel.window(), prompter, picture, path);
}

}  // namespace

void SaveImageAndReport(AnalysisPanel& panel, Prompter& prompter, const AppState& state) {
  SaveGuardingMemory(prompter, QString::fromLatin1(analysis::kSaveImageTitle),
                     [&] { SaveImage(panel, prompter, state); });
}

}  // namespace zonalyst::ui

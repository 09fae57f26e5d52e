#include "PictureFile.h"

#include "io/PathText.h"
#include "plot/RasterSurface.h"

namespace zonalyst::cli {

bool WritePicture(const plot::PixelImage& picture, const std::string& path, image::GifPalette palette,
                  std::string& problem) {
  if (EndsWith(path, ".png")) {
    problem = plot::WritePngFile(picture, path);
    return problem.empty();
  }
  image::PixelImage pixels{picture.width, picture.height, {picture.pixels.begin(), picture.pixels.end()}};
  const std::uint32_t corner = pixels.pixels.empty() ? 0u : pixels.pixels.front();
  const image::GifSaveResult result = image::GIF(palette).SaveGIF(pixels, io::PathFromText(path), false, corner);
  if (result.outcome == image::GifSaveOutcome::Written) return true;
  problem = result.message;
  return false;
}

std::unique_ptr<QGuiApplication> GuiForFonts() {
  if (QGuiApplication::instance()) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "zonalyst-cli";
  static char* argv[] = {name, nullptr};
  // Starting the application talks of the desktop ("QStandardPaths: XDG_RUNTIME_DIR not set"),
  // which a command that only draws has no use for; the user's error output stays the program's own.
  const QtMessageHandler before = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  auto gui = std::make_unique<QGuiApplication>(argc, argv);
  qInstallMessageHandler(before);
  return gui;
}

}  // namespace zonalyst::cli

#include "Cli.h"
#include "CommandSupport.h"
#include "Commands.h"
#include "OpenTest.h"
#include "PictureFile.h"
#include "TesterOptions.h"
#include "core/SurfaceAnalysis.h"
#include "io/PrintableText.h"
#include "plot/TesterViewChart.h"

namespace zonalyst::cli {
namespace {

const std::string kUsage =
    std::string(
        "usage: zonalyst-cli simulate FILE.fdr --view foucault|ronchi [options] -o OUT.png|OUT.gif\n"
        "  What the tester sees of the measured mirror: the Foucault-gram behind a knife edge, or\n"
        "  the Ronchigram behind a grating, ray traced on the reduced surface. Black outside the\n"
        "  mirror; a GIF keeps every grey.\n"
        "  --view foucault|ronchi  knife edge or grating\n") +
    kTesterOptionsHelp + "  -o OUT.png|OUT.gif the file to write\n";

// What the command was asked to draw, checked before the test is read.
struct SimulateRequest {
  std::string testPath;
  TesterRequest tester;
  std::string output;
};

std::optional<SimulateRequest> ParseRequest(const CommandWords& words, std::ostream& out, std::ostream& err,
                                            int& exitCode) {
  Options::Accepted accepted{{}, {"-o"}};
  AcceptTesterOptions(accepted);
  const auto command = ParseCommand(words, accepted, kUsage.c_str(), out, err, exitCode);
  if (!command) return std::nullopt;
  const auto tester = ParseTesterOptions(command->options, true, kUsage.c_str(), err, exitCode);
  if (!tester) return std::nullopt;
  const auto output = command->options.value("-o");
  if (!output || (!EndsWith(*output, ".gif") && !EndsWith(*output, ".png"))) {
    return RefuseUsage("-o names the .png or .gif file to write", kUsage.c_str(), err, exitCode);
  }
  return SimulateRequest{command->testPath, *tester, *output};
}

}  // namespace

int RunSimulate(const CommandWords& words, std::ostream& out, std::ostream& err) {
  int exitCode = kSuccess;
  const auto request = ParseRequest(words, out, err, exitCode);
  if (!request) return exitCode;

  auto opened = OpenTest(request->testPath, err, exitCode);
  if (!opened) return exitCode;
  SurfaceAnalysis analysis(opened->bessel);
  const BestFit fit = analysis.reduceAndFit(opened->test);
  GreyPicture view;
  const TesterRequest& tester = request->tester;
  SimulateTesterView(opened->test, analysis.profile(), fit.bestFitRocMm, tester.perfect,
                     KnifeReading(tester, opened->test), tester.settings, tester.size, view);

  std::string problem;
  if (!WritePicture(plot::GreyPixels(view), request->output, image::GifPalette::Greys, problem)) {
    err << "zonalyst-cli: " << problem << "\n";
    return kWriteFailed;
  }
  out << io::PrintableName(request->output) << " (" << view.size << " x " << view.size << ")\n";
  return kSuccess;
}

}  // namespace zonalyst::cli

#include "Cli.h"
#include "CommandSupport.h"
#include "Commands.h"
#include "ExportPictures.h"
#include "OpenTest.h"
#include "PictureFile.h"
#include "ReferenceOffset.h"
#include "TesterOptions.h"
#include "core/MonteCarlo.h"
#include "core/SurfaceAnalysis.h"
#include "io/FileAccess.h"
#include "io/PathText.h"
#include "io/PrintableText.h"
#include "plot/PanelTable.h"
#include "plot/SavedPicture.h"
#include "plot/TesterViewChart.h"

namespace zonalyst::cli {
namespace {

// The names --panel takes, each followed by separator, the last by lastSeparator and "all".
std::string PanelChoices(const std::string& separator, const std::string& lastSeparator) {
  std::string choices;
  for (const std::string& name : ExportViewNames()) choices += name + separator;
  return choices.substr(0, choices.size() - separator.size()) + lastSeparator + "all";
}

// "surface, ml, ... and star": the panels that "all" exports.
std::string PanelsOfAll() {
  std::string names;
  const std::vector<ExportView> views = ExportAllViews();
  for (std::size_t i = 0; i < views.size(); ++i) {
    names += (i == 0 ? "" : i + 1 == views.size() ? " and " : ", ") + std::string(plot::RowOf(views[i].panel).name);
  }
  return names;
}

const std::string kUsageText =
    "usage: zonalyst-cli export FILE.fdr --panel " + PanelChoices("|", "|") + "\n" +
    std::string(
        "       [options]\n"
        "  Draws the panel's picture as the window does, with the panel's six measures above it\n"
        "  and the report below it (the star test stacks its images at 2, 5 and 10 waves\n"
        "  instead), and saves it.\n") +
    "  \"all\" is " + PanelsOfAll() + ", each in its own file.\n" +
    std::string(
        "  --offset MM        reference radius offset from the best fit, mm (surface, transverse, spot)\n"
        "  --obstruction PCT  central obstruction, 0..99 per cent (spot default 0, star 33)\n"
        "  --defocus WAVES    star test defocus, 0..20 whole waves (default 0)\n"
        "  --detail           star test: high detail\n"
        "  --contrast         star test: high contrast\n"
        "  --ml-shift N       Millies-Lacroix reference shift, -100..100 (0.01 mm or 1/2540 inch each)\n"
        "  --trials N         Monte Carlo trials, 1..10000 (default 10000)\n"
        "  --seed S           seed of the Monte Carlo random generator (default: from the clock)\n"
        "  --invert           white background (every colour replaced by its complement)\n"
        "  -o OUT.gif|OUT.png the file to write (default: the test's name and the panel's suffix\n"
        "                     in the current folder); not with --panel all\n"
        "  --record OUT.json  also write the drawing calls of the panel picture, and those of the\n"
        "                     saved picture under \"saved\"; not with --panel all\n"
        "  testers-view: the measured and the perfect mirror in the tester (--size 236 unless given)\n"
        "  --view foucault|ronchi  knife edge (default) or grating\n") +
    kTesterOptionsHelp;
const char* const kUsage = kUsageText.c_str();

// What the command was asked to draw and where, checked before the test is read.
struct ExportRequest {
  std::string testPath;
  std::vector<ExportView> views;
  ExportSettings settings;
  std::optional<std::string> output, record;  // one picture and its drawing calls
  bool offsetGiven = false;                   // checked against the mirror once it is open
  bool invert = false;
};

std::optional<ExportRequest> ParseRequest(const CommandWords& words, std::ostream& out, std::ostream& err,
                                          int& exitCode) {
  Options::Accepted accepted{
      {"--detail", "--contrast", "--invert"},
      {"--panel", "--offset", "--obstruction", "--defocus", "--ml-shift", "--trials", "--seed", "-o", "--record"}};
  AcceptTesterOptions(accepted);
  const auto command = ParseCommand(words, accepted, kUsage, out, err, exitCode);
  if (!command) return std::nullopt;
  const Options& options = command->options;
  const auto fail = [&](const std::string& problem) { return RefuseUsage(problem, kUsage, err, exitCode); };

  ExportRequest request;
  request.testPath = command->testPath;
  const std::string panelName = options.value("--panel").value_or("");
  if (panelName == "all") {
    request.views = ExportAllViews();
    if (options.has("-o") || options.has("--record")) {
      return fail("-o and --record name one file: not with --panel all");
    }
  } else if (const auto view = ExportViewNamed(panelName)) {
    request.views = {*view};
  } else {
    return fail("--panel takes " + PanelChoices(", ", " or "));
  }

  ExportSettings& settings = request.settings;
  std::string problem;
  const auto offsetMm = OffsetOption(options, problem);
  if (!offsetMm) return fail(problem);
  settings.controls.offsetMm = *offsetMm;
  request.offsetGiven = options.has("--offset");
  if (const auto text = options.value("--obstruction")) {
    const auto value = ParseWholeOption(*text, 0, 99);
    if (!value) return fail("--obstruction takes a whole number from 0 to 99");
    settings.obstruction = static_cast<double>(*value);
  }
  if (const auto text = options.value("--defocus")) {
    const auto value = ParseWholeOption(*text, 0, 20);
    if (!value) return fail("--defocus takes a whole number from 0 to 20");
    settings.controls.defocusWaves = static_cast<int>(*value);
  }
  if (const auto text = options.value("--ml-shift")) {
    const auto value = ParseWholeOption(*text, -100, 100);
    if (!value) return fail("--ml-shift takes a whole number from -100 to 100");
    settings.controls.mlShift = static_cast<int>(*value);
  }
  if (const auto text = options.value("--trials")) {
    const auto value = ParseWholeOption(*text, 1, MonteCarloRun::kMaxTrials);
    if (!value) return fail("--trials takes a whole number from 1 to 10000");
    settings.trials = static_cast<int>(*value);
  }
  const auto seed = SeedOption(options);
  if (!seed) return fail(kSeedProblem);
  settings.seed = *seed;
  const plot::PanelRow& testersView = plot::RowOf(plot::Panel::TestersView);
  if (request.views.size() != 1 || request.views.front().panel != testersView.panel) {
    if (const auto unused = options.firstGiven(TesterOptionNames())) {
      return fail(*unused + " is for --panel " + std::string(testersView.name) + " only");
    }
  }
  const auto tester = ParseTesterOptions(options, false, kUsage, err, exitCode);
  if (!tester) return std::nullopt;
  settings.tester = *tester;
  if (!options.has("--size")) settings.tester.size = plot::kTesterViewSide;
  settings.controls.detail = options.has("--detail");
  settings.controls.contrast = options.has("--contrast");
  request.output = options.value("-o");
  if (request.output && !EndsWith(*request.output, ".gif") && !EndsWith(*request.output, ".png")) {
    return fail("-o names a .gif or .png file");
  }
  request.record = options.value("--record");
  request.invert = options.has("--invert");
  exitCode = kSuccess;
  return request;
}

// Draws and writes each view's picture (and its drawing calls when asked), naming each file.
int WritePictures(const ExportRequest& request, const OpenedTest& opened, std::ostream& out, std::ostream& err) {
  const auto gui = GuiForFonts();
  const std::string testName = io::FileNameOf(opened.path);
  for (const ExportView& view : request.views) {
    ExportedPanel exported =
        ExportPanelPicture(view, opened.test, opened.bessel, request.settings, request.record.has_value());
    if (request.invert) plot::InvertPixels(exported.saved);
    const std::string path = request.output.value_or(plot::DefaultImageName(testName, view.panel));
    std::string problem;
    if (!WritePicture(exported.saved, path, image::GifPalette::Fixed, problem)) {
      err << "zonalyst-cli: " << problem << "\n";
      return kWriteFailed;
    }
    out << io::PrintableName(path) << " (" << exported.saved.width << " x " << exported.saved.height << ")\n";
    if (request.record) {
      const std::string recordProblem = io::ReplaceFileText(*request.record, exported.recording + "\n");
      if (!recordProblem.empty()) {
        err << "zonalyst-cli: " << recordProblem << "\n";
        return kWriteFailed;
      }
    }
  }
  return kSuccess;
}

}  // namespace

int RunExport(const CommandWords& words, std::ostream& out, std::ostream& err) {
  int exitCode = kSuccess;
  const auto request = ParseRequest(words, out, err, exitCode);
  if (!request) return exitCode;
  auto opened = OpenTest(request->testPath, err, exitCode);
  if (!opened) return exitCode;
  if (request->offsetGiven) {
    MirrorTest reduced = opened->test;
    const BestFit fit = SurfaceAnalysis(opened->bessel).reduceAndFit(reduced);
    const double offsetMm = request->settings.controls.offsetMm;
    if (const auto refusal = ReferenceOffsetProblem(reduced, fit.bestFitRocMm, offsetMm)) {
      return UsageError(*refusal, kUsage, err);
    }
  }
  return WritePictures(*request, *opened, out, err);
}

}  // namespace zonalyst::cli

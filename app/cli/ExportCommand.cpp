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

}  // namespace

int RunExport(const CommandWords& words, std::ostream& out, std::ostream& err) {
  int exitCode = kSuccess;
  Options::Accepted accepted{
      {"--detail", "--contrast", "--invert"},
      {"--panel", "--offset", "--obstruction", "--defocus", "--ml-shift", "--trials", "--seed", "-o", "--record"}};
  AcceptTesterOptions(accepted);
  const auto command = ParseCommand(words, accepted, kUsage, out, err, exitCode);
  if (!command) return exitCode;
  const Options& options = command->options;

  const std::string panelName = options.value("--panel").value_or("");
  std::vector<ExportView> views;
  if (panelName == "all") {
    views = ExportAllViews();
    if (options.has("-o") || options.has("--record")) {
      return UsageError("-o and --record name one file: not with --panel all", kUsage, err);
    }
  } else if (const auto view = ExportViewNamed(panelName)) {
    views = {*view};
  } else {
    return UsageError("--panel takes " + PanelChoices(", ", " or "), kUsage, err);
  }

  ExportSettings settings;
  std::string problem;
  const auto offsetMm = OffsetOption(options, problem);
  if (!offsetMm) return UsageError(problem, kUsage, err);
  settings.controls.offsetMm = *offsetMm;
  if (const auto text = options.value("--obstruction")) {
    const auto value = ParseWholeOption(*text, 0, 99);
    if (!value) return UsageError("--obstruction takes a whole number from 0 to 99", kUsage, err);
    settings.obstruction = static_cast<double>(*value);
  }
  if (const auto text = options.value("--defocus")) {
    const auto value = ParseWholeOption(*text, 0, 20);
    if (!value) return UsageError("--defocus takes a whole number from 0 to 20", kUsage, err);
    settings.controls.defocusWaves = static_cast<int>(*value);
  }
  if (const auto text = options.value("--ml-shift")) {
    const auto value = ParseWholeOption(*text, -100, 100);
    if (!value) return UsageError("--ml-shift takes a whole number from -100 to 100", kUsage, err);
    settings.controls.mlShift = static_cast<int>(*value);
  }
  if (const auto text = options.value("--trials")) {
    const auto value = ParseWholeOption(*text, 1, MonteCarloRun::kMaxTrials);
    if (!value) return UsageError("--trials takes a whole number from 1 to 10000", kUsage, err);
    settings.trials = static_cast<int>(*value);
  }
  const auto seed = SeedOption(options);
  if (!seed) return UsageError(kSeedProblem, kUsage, err);
  settings.seed = *seed;
  const plot::PanelRow& testersView = plot::RowOf(plot::Panel::TestersView);
  if (views.size() != 1 || views.front().panel != testersView.panel) {
    if (const auto unused = options.firstGiven(TesterOptionNames())) {
      return UsageError(*unused + " is for --panel " + std::string(testersView.name) + " only", kUsage, err);
    }
  }
  const auto tester = ParseTesterOptions(options, false, kUsage, err, exitCode);
  if (!tester) return exitCode;
  settings.tester = *tester;
  if (!options.has("--size")) settings.tester.size = plot::kTesterViewSide;
  settings.controls.detail = options.has("--detail");
  settings.controls.contrast = options.has("--contrast");
  const auto output = options.value("-o");
  if (output && !EndsWith(*output, ".gif") && !EndsWith(*output, ".png")) {
    return UsageError("-o names a .gif or .png file", kUsage, err);
  }

  auto opened = OpenTest(command->testPath, err, exitCode);
  if (!opened) return exitCode;
  if (options.has("--offset")) {
    MirrorTest reduced = opened->test;
    const BestFit fit = SurfaceAnalysis(opened->bessel).reduceAndFit(reduced);
    if (const auto refusal = ReferenceOffsetProblem(reduced, fit.bestFitRocMm, settings.controls.offsetMm)) {
      return UsageError(*refusal, kUsage, err);
    }
  }

  const auto gui = GuiForFonts();
  const std::string testName = io::FileNameOf(opened->path);
  for (const ExportView& view : views) {
    ExportedPanel exported = ExportPanelPicture(view, opened->test, opened->bessel, settings, options.has("--record"));
    if (options.has("--invert")) plot::InvertPixels(exported.saved);
    const std::string path = output.value_or(plot::DefaultImageName(testName, view.panel));
    if (!WritePicture(exported.saved, path, image::GifPalette::Fixed, problem)) {
      err << "zonalyst-cli: " << problem << "\n";
      return kWriteFailed;
    }
    out << io::PrintableName(path) << " (" << exported.saved.width << " x " << exported.saved.height << ")\n";
    if (const auto recordPath = options.value("--record")) {
      const std::string recordProblem = io::ReplaceFileText(*recordPath, exported.recording + "\n");
      if (!recordProblem.empty()) {
        err << "zonalyst-cli: " << recordProblem << "\n";
        return kWriteFailed;
      }
    }
  }
  return kSuccess;
}

}  // namespace zonalyst::cli

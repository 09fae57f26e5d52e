#include "Cli.h"
#include "CommandSupport.h"
#include "Commands.h"
#include "OpenTest.h"
#include "PictureFile.h"
#include "io/PathText.h"
#include "io/PrintableText.h"
#include "plot/MaskLayout.h"
#include "plot/MaskPdf.h"

namespace zonalyst::cli {
namespace {

constexpr const char* kUsage =
    "usage: zonalyst-cli mask FILE.fdr [--paper a4|letter] [--angle DEG] -o MASK.pdf\n"
    "  Writes the test's Couder mask as a PDF to print at actual size (1 mm on paper is 1 mm\n"
    "  of mask): the mirror's outline and centre lines to cut along, one opening per zone on\n"
    "  each side, odd zones above the horizontal diameter and even zones below, a scale bar\n"
    "  to check the printer with and the zone table. A mask larger than the page is tiled\n"
    "  over several pages that overlap by 10 mm, with crosses to align them.\n"
    "  --paper a4|letter  paper size (default a4), 10 mm margins\n"
    "  --angle DEG        how far each opening reaches from the horizontal diameter, degrees,\n"
    "                     above 0 and at most 90 (default 30)\n"
    "  -o MASK.pdf        the file to write\n";

// What the command was asked to print, checked before the test is read.
struct MaskRequest {
  std::string testPath;
  const plot::Paper* paper = &plot::kA4;
  double angle = plot::kDefaultOpeningDeg;  // degrees from the horizontal diameter
  std::string output;
};

std::optional<MaskRequest> ParseRequest(const CommandWords& words, std::ostream& out, std::ostream& err,
                                        int& exitCode) {
  const auto command = ParseCommand(words, {{}, {"--paper", "--angle", "-o"}}, kUsage, out, err, exitCode);
  if (!command) return std::nullopt;
  const Options& options = command->options;
  const auto fail = [&](const std::string& problem) { return RefuseUsage(problem, kUsage, err, exitCode); };
  MaskRequest request;
  request.testPath = command->testPath;
  const std::string paperName = options.value("--paper").value_or("a4");
  if (paperName != "a4" && paperName != "letter") return fail("--paper takes a4 or letter");
  request.paper = paperName == "a4" ? &plot::kA4 : &plot::kLetter;
  if (const auto text = options.value("--angle")) {
    const auto value = ParseNumberOption(*text);
    if (!value || !(*value > 0.0 && *value <= 90.0)) {
      return fail("--angle takes a number of degrees above 0 and at most 90");
    }
    request.angle = *value;
  }
  const auto output = options.value("-o");
  if (!output || !EndsWith(*output, ".pdf")) return fail("-o names the .pdf file to write");
  request.output = *output;
  return request;
}

}  // namespace

int RunMask(const CommandWords& words, std::ostream& out, std::ostream& err) {
  int exitCode = kSuccess;
  const auto request = ParseRequest(words, out, err, exitCode);
  if (!request) return exitCode;
  const plot::Paper& paper = *request->paper;

  // The zone table prints ideal readings: a test that reduces to no mirror is refused as
  // by every other command. The mask is cut before any reading is taken.
  const auto opened = OpenTest(request->testPath, err, exitCode, Readings::NotNeeded);
  if (!opened) return exitCode;
  const MirrorTest& test = opened->test;
  if (const auto refusal = plot::MaskRefusal(test, paper, request->angle)) {
    err << "zonalyst-cli: " << *refusal << "\n";
    return kSetupRefused;
  }
  const auto gui = GuiForFonts();
  const std::string name = io::FileNameOf(request->testPath);
  const plot::MaskLayout layout = plot::PlanMask(test, name, paper, request->angle);
  const std::string problem = plot::WriteMaskPdf(layout, paper, request->output);
  if (!problem.empty()) {
    err << "zonalyst-cli: " << problem << "\n";
    return kWriteFailed;
  }
  out << io::PrintableName(request->output) << " (" << layout.pageCount()
      << (layout.pageCount() == 1 ? " page" : " pages") << " of " << paper.name << ")\n";
  return kSuccess;
}

}  // namespace zonalyst::cli

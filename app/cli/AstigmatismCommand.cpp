#include "AstigmatismPicture.h"
#include "Cli.h"
#include "CommandSupport.h"
#include "Commands.h"
#include "OpenTest.h"
#include "core/Astigmatism.h"
#include "core/AstigmatismText.h"
#include "core/JsonWriter.h"
#include "core/NumberText.h"
#include "io/PrintableText.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>

namespace zonalyst::cli {
namespace {

constexpr const char* kUsage =
    "usage: zonalyst-cli astigmatism TEST.fdr@ANGLE TEST.fdr@ANGLE... [--json] [--plot OUT.png]\n"
    "  Astigmatism from 2 to 12 tests of one mirror turned in its stand between them, the\n"
    "  tester kept still. A test's orientation, in degrees, follows \"@\" after its name, or\n"
    "  ends its file name (mirror@60.fdr, mirror_rot60.fdr). Each test's constant term is the\n"
    "  mean of its zones' average readings, each zone alike; the fit of\n"
    "  k(theta) = k0 + A cos 2(theta - theta0) over the orientations gives the astigmatism:\n"
    "  three orientations (0, 60, 120 or 0, 45, 90) determine it, one taken again measures the\n"
    "  drift, more are fitted by least squares with their residual. Prints each test's shift,\n"
    "  k0, A, the axis theta0, the drift, the residual, the wavefront P-V in nm and waves at\n"
    "  550 nm, the verdict against a quarter wave and each zone's own A and axis.\n"
    "  --json          one JSON object: {\"orientations\": [...], \"amplitude\", \"axis_deg\",\n"
    "                  \"drift\", \"residual\", \"pv_nm\", \"pv_waves\", \"zones\": [...], ...}\n"
    "  --plot OUT.png  draws each test's shift against its orientation, each zone's points\n"
    "                  and the fitted curve\n";

struct OrientedPath {
  std::string path;
  double angleDeg = 0.0;
};

// What the command was asked to do, checked before any file is read.
struct AstigmatismRequest {
  std::vector<OrientedPath> tests;
  std::optional<std::string> plot;
  bool json = false;
};

// "A.fdr@60" gives the angle after the last "@"; else the file's own name may end in it.
std::optional<OrientedPath> SplitOrientation(const std::string& word) {
  const std::size_t at = word.rfind('@');
  if (at != std::string::npos && at > 0) {
    if (const auto angle = ParseNumberOption(word.substr(at + 1))) return OrientedPath{word.substr(0, at), *angle};
  }
  if (const auto angle = OrientationInName(word)) return OrientedPath{word, *angle};
  return std::nullopt;
}

std::optional<AstigmatismRequest> ParseRequest(const CommandWords& words, std::ostream& out, std::ostream& err,
                                               int& exitCode) {
  const auto options = ParseOptions(words, {{"--json"}, {"--plot"}}, kUsage, out, err, exitCode);
  if (!options) return std::nullopt;
  const auto fail = [&](const std::string& problem) {
    exitCode = UsageError(problem, kUsage, err);
    return std::nullopt;
  };
  const std::vector<std::string>& words_ = options->positionals();
  if (words_.size() < 2 || words_.size() > static_cast<std::size_t>(kMaxOrientedTests)) {
    return fail("expected 2 to 12 tests, each with its orientation");
  }
  AstigmatismRequest request;
  for (const std::string& word : words_) {
    const auto test = SplitOrientation(word);
    if (!test) {
      return fail("no orientation for " + io::PrintableName(word) +
                  ": write it as FILE.fdr@DEGREES, or name the file ...@DEGREES.fdr or ..._rotDEGREES.fdr");
    }
    if (!(std::fabs(test->angleDeg) <= 360.0)) {
      return fail("the orientation of " + io::PrintableName(test->path) + " is not from -360 to 360 degrees");
    }
    request.tests.push_back(*test);
  }
  request.plot = options->value("--plot");
  if (request.plot && !EndsWith(*request.plot, ".png")) return fail("--plot names the .png file to write");
  request.json = options->has("--json");
  exitCode = kSuccess;
  return request;
}

void PrintText(const AstigmatismFit& fit, const MirrorTest& first, std::ostream& out) {
  const std::string units = fit.inches ? "in" : "mm";
  const int decimals = fit.inches ? 5 : 4;
  out << "Mirror " << FormatGeneral(first.Diameter) << " " << units << " across, radius of curvature "
      << FormatGeneral(first.Roc) << " " << units << ", " << (fit.movingSource ? "moving" : "fixed")
      << " light source; readings in " << units << " as read on the rig's scale\n"
      << "Each test's constant term k: the mean of its zones' average readings, each zone alike\n\n";

  std::vector<std::string> names;
  std::size_t width = 4;
  for (const OrientationShift& t : fit.tests) {
    names.push_back(io::PrintableName(t.name));
    width = std::max(width, names.back().size());
  }
  out << std::left << std::setw(static_cast<int>(width)) << "Test" << std::right << std::setw(13) << "Angle deg"
      << std::setw(12) << "k " + units << std::setw(11) << "Shift " + units << "  Drift " << units << "\n";
  for (std::size_t i = 0; i < fit.tests.size(); ++i) {
    const OrientationShift& t = fit.tests[i];
    out << std::left << std::setw(static_cast<int>(width)) << names[i] << std::right << std::setw(13)
        << FormatFixed(t.angleDeg, 1) << std::setw(12) << FormatFixed(t.meanReading, decimals) << std::setw(11)
        << FormatFixed(t.shift, decimals);
    if (t.drift)
      out << "  " << FormatFixed(*t.drift, decimals) << " since " << names[static_cast<std::size_t>(*t.repeatOf)];
    out << "\n";
  }
  out << "\n";

  out << AstigmatismHeading(fit) << (fit.axisDetermined ? ":\n" : "\n");
  for (const FigureLine& line : AstigmatismFigures(fit)) {
    out << "  " << std::left << std::setw(36) << line.caption << std::right << line.value << "\n";
  }
  out << "\nEach zone's own term (a zone unlike the others is a zonal asymmetry, not astigmatism):\n"
      << std::setw(4) << "Zone" << std::setw(11) << "Radius mm" << std::setw(11) << "A " + units << std::setw(12)
      << "theta0 deg\n";
  for (const ZoneAstigmatism& zone : fit.zones) {
    out << std::setw(4) << zone.zone << std::setw(11) << FormatFixed(zone.radiusMm, 2) << std::setw(11)
        << FormatFixed(zone.amplitude, decimals) << std::setw(11)
        << (zone.axisDeg ? FormatFixed(*zone.axisDeg, 1) : "-") << "\n";
  }
}

void PrintJson(const AstigmatismFit& fit, const AstigmatismRequest& request, std::ostream& out) {
  JsonWriter json;
  const auto optional = [&json](const std::optional<double>& value) { value ? json.value(*value) : json.null(); };
  json.beginObject().key("units").value(fit.inches ? "inch" : "mm").key("moving_source").value(fit.movingSource);
  json.key("constant_term").value("zone average").key("orientations").beginArray();
  for (std::size_t i = 0; i < fit.tests.size(); ++i) {
    const OrientationShift& t = fit.tests[i];
    json.beginObject()
        .key("file")
        .value(request.tests[i].path)
        .key("angle_deg")
        .value(t.angleDeg)
        .key("mean_reading")
        .value(t.meanReading)
        .key("shift")
        .value(t.shift)
        .key("drift");
    optional(t.drift);
    json.endObject();
  }
  json.endArray().key("axis_determined").value(fit.axisDetermined).key("k0");
  optional(fit.k0);
  json.key("amplitude").value(fit.amplitude).key("amplitude_sd").value(fit.amplitudeUncertainty).key("axis_deg");
  optional(fit.axisDeg);
  json.key("axis_sd_deg");
  optional(fit.axisUncertaintyDeg);
  json.key("drift");
  optional(fit.drift);
  json.key("residual").value(fit.residual).key("difference");
  optional(fit.difference);
  json.key("radius_difference_mm")
      .value(fit.radiusDifferenceMm)
      .key("pv_nm")
      .value(fit.wavefrontPvNm)
      .key("pv_sd_nm")
      .value(fit.wavefrontPvUncertaintyNm)
      .key("pv_waves")
      .value(fit.wavefrontPvWaves)
      .key("surface_pv_nm")
      .value(fit.surfacePvNm)
      .key("verdict")
      .value(VerdictText(fit.verdict));
  json.key("zones").beginArray();
  for (const ZoneAstigmatism& zone : fit.zones) {
    json.beginObject().key("zone").value(zone.zone).key("radius_mm").value(zone.radiusMm);
    json.key("amplitude").value(zone.amplitude).key("axis_deg");
    optional(zone.axisDeg);
    json.endObject();
  }
  json.endArray().endObject();
  out << json.text() << "\n";
}

}  // namespace

int RunAstigmatism(const CommandWords& words, std::ostream& out, std::ostream& err) {
  int exitCode = kSuccess;
  const auto request = ParseRequest(words, out, err, exitCode);
  if (!request) return exitCode;
  std::vector<OrientedTest> tests;
  for (const OrientedPath& given : request->tests) {
    // Which of the tests a message is about: the checks' own messages need not name it.
    std::ostringstream messages;
    const auto opened = OpenTest(given.path, messages, exitCode);
    if (!messages.str().empty()) err << io::PrintableName(given.path) << ":\n" << messages.str();
    if (!opened) return exitCode;
    tests.push_back({given.path, opened->test, given.angleDeg});
  }
  const AstigmatismResult result = FitAstigmatism(tests);
  if (!result.fit) {
    err << "zonalyst-cli: " << io::PrintableName(result.refusal) << "\n";
    return kSetupRefused;
  }
  request->json ? PrintJson(*result.fit, *request, out) : PrintText(*result.fit, tests.front().test, out);
  if (request->plot) {
    std::string problem;
    if (!WriteAstigmatismPicture(*result.fit, *request->plot, problem)) {
      err << "zonalyst-cli: " << problem << "\n";
      return kWriteFailed;
    }
  }
  return kSuccess;
}

}  // namespace zonalyst::cli

#include "Cli.h"
#include "CommandSupport.h"
#include "Commands.h"
#include "OpenTest.h"
#include "core/JsonWriter.h"
#include "core/MonteCarlo.h"
#include "core/MonteCarloExplanation.h"
#include "core/NumberText.h"

#include <sstream>

namespace zonalyst::cli {
namespace {

constexpr const char* kUsage =
    "usage: zonalyst-cli montecarlo FILE.fdr [--trials N] [--seed S] [--sd X | --sd X1,X2,...] [--raw] [--json]\n"
    "  Perturbs every zone's mean reading with Gaussian noise, analyses each trial as the\n"
    "  surface error panel does and prints the 68 and 95 per cent ranges of the Strehl\n"
    "  ratio and of the RMS surface error. When more than 1 % of the trials cannot be\n"
    "  reduced to a surface, it says so instead and exits with 3: the standard deviation\n"
    "  is then larger than the readings can bear.\n"
    "  --trials N   number of trials, 1..10000 (default 10000)\n"
    "  --seed S     seed of the random generator (default: from the clock)\n"
    "  --sd ...     standard deviation of the readings in the test's units: one value for\n"
    "               every zone, or one per zone separated by commas (default: calculated\n"
    "               from the reading sets; not 0 for every zone)\n"
    "  --raw        also print the histogram table\n"
    "  --json       one JSON object instead of text\n";

// What the command was asked to run, checked before the test is read.
struct MonteCarloRequest {
  std::string testPath;
  int trials = MonteCarloRun::kMaxTrials;
  std::uint32_t seed = 0;
  // --sd: one value for every zone or one per zone, in the test's units; checked against
  // the test's zones once it is open. An empty list when the text is no list of
  // non-negative numbers; nothing when not given (calculated from the reading sets).
  std::optional<std::vector<double>> sd;
  bool raw = false, json = false;
};

std::vector<double> StandardDeviationList(const std::string& text) {
  std::vector<double> values;
  std::stringstream list(text);
  for (std::string item; std::getline(list, item, ',');) {
    const auto value = ParseNumberOption(item);
    if (!value || *value < 0.0) return {};
    values.push_back(*value);
  }
  return values;
}

std::optional<MonteCarloRequest> ParseRequest(const CommandWords& words, std::ostream& out, std::ostream& err,
                                              int& exitCode) {
  const auto command =
      ParseCommand(words, {{"--json", "--raw"}, {"--trials", "--seed", "--sd"}}, kUsage, out, err, exitCode);
  if (!command) return std::nullopt;
  const Options& options = command->options;
  MonteCarloRequest request;
  request.testPath = command->testPath;
  if (const auto text = options.value("--trials")) {
    const auto parsed = ParseWholeOption(*text, 1, MonteCarloRun::kMaxTrials);
    if (!parsed) return RefuseUsage("--trials takes a whole number from 1 to 10000", kUsage, err, exitCode);
    request.trials = static_cast<int>(*parsed);
  }
  const auto seed = SeedOption(options);
  if (!seed) return RefuseUsage(kSeedProblem, kUsage, err, exitCode);
  request.seed = *seed;
  if (const auto text = options.value("--sd")) request.sd = StandardDeviationList(*text);
  request.raw = options.has("--raw");
  request.json = options.has("--json");
  exitCode = kSuccess;
  return request;
}

// The scatter of the request's --sd for a test of that many zones: one value for every
// zone, or exactly one per zone; nothing for another count.
std::optional<ReadingScatter> GivenScatter(const std::vector<double>& values, int zones) {
  if (values.size() != 1 && values.size() != static_cast<std::size_t>(zones)) return std::nullopt;
  ReadingScatter scatter;
  for (int z = 1; z <= zones; ++z) scatter.sd[z] = values.size() == 1 ? values[0] : values[z - 1];
  scatter.meanSd = MeanOverZones(scatter.sd, zones);
  return scatter;
}

void WriteChart(JsonWriter& json, const std::optional<ChartRange>& range) {
  if (!range) {
    json.null();
    return;
  }
  json.beginObject()
      .key("lo")
      .value(range->lo)
      .key("hi")
      .value(range->hi)
      .key("peak")
      .value(range->peak)
      .key("bar_width")
      .value(range->barWidth)
      .key("lower68")
      .value(range->lower68)
      .key("upper68")
      .value(range->upper68)
      .key("lower95")
      .value(range->lower95)
      .key("upper95")
      .value(range->upper95)
      .endObject();
}

void PrintJson(const MirrorTest& test, const ReadingScatter& scatter, const MonteCarloRun& run,
               const QualityMetrics& nominal, bool raw, std::ostream& out) {
  JsonWriter json;
  json.beginObject().key("sd").beginArray();
  for (int z = 1; z <= test.ZoneCount; ++z) json.value(scatter.sd[z]);
  json.endArray()
      .key("mean_sd")
      .value(scatter.meanSd)
      .key("trials")
      .value(run.trials())
      .key("failed_trials")
      .value(run.failedTrials())
      .key("nominal_strehl")
      .value(nominal.Strehl)
      .key("nominal_rms_nm")
      .value(nominal.rmsNanometres())
      .key("strehl_hist")
      .array(run.strehlHistogram())
      .key("rms_hist")
      .array(run.rmsHistogram());
  json.key("strehl_chart");
  WriteChart(json, run.strehlRange());
  json.key("rms_chart");
  WriteChart(json, run.rmsRange());
  if (raw) json.key("raw").value(McRawData(run.strehlHistogram(), run.rmsHistogram()));
  json.endObject();
  out << json.text() << "\n";
}

void PrintText(const MirrorTest& test, const ReadingScatter& scatter, const MonteCarloRun& run,
               const QualityMetrics& nominal, const MonteCarloRequest& request, std::ostream& out) {
  const RangeSentences sentences = DescribeRanges(run.strehlRange(), run.rmsRange());
  out << "Mean standard deviation (n-1) = " << FormatRounded(scatter.meanSd, 4) << (test.inInches() ? " inches" : " mm")
      << "\n"
      << run.trials() << " Iterations processed (seed " << request.seed << ")\n";
  if (const std::string failed = FailedTrialsSentence(run.failedTrials(), run.trials()); !failed.empty()) {
    out << failed << "\n";
  }
  out << "Nominal Strehl Ratio = " << FormatRounded(nominal.Strehl, 3)
      << ", Surface RMS Error (nm) = " << FormatRounded(nominal.rmsNanometres(), 1) << "\n\n"
      << sentences.strehl68 << "\n"
      << sentences.rms68 << "\n\n"
      << sentences.strehl95 << "\n"
      << sentences.rms95 << "\n";
  if (request.raw) {
    std::string table = McRawData(run.strehlHistogram(), run.rmsHistogram());
    std::erase(table, '\r');
    out << "\n" << table;
  }
}

}  // namespace

int RunMonteCarlo(const CommandWords& words, std::ostream& out, std::ostream& err) {
  int exitCode = kSuccess;
  const auto request = ParseRequest(words, out, err, exitCode);
  if (!request) return exitCode;
  auto opened = OpenTest(request->testPath, err, exitCode);
  if (!opened) return exitCode;
  MirrorTest& test = opened->test;

  SurfaceAnalysis analysis(opened->bessel);
  analysis.analyse(test);  // the nominal averages, as the surface error panel shows them
  std::optional<ReadingScatter> scatter = CalculateReadingScatter(test);
  if (request->sd) scatter = GivenScatter(*request->sd, test.ZoneCount);
  if (!scatter) {
    return UsageError("--sd takes one non-negative number or one per zone, separated by commas", kUsage, err);
  }
  if (request->sd && scatter->meanSd == 0.0) {
    return UsageError("--sd of 0 for every zone leaves the readings no scatter to analyse", kUsage, err);
  }

  UniformSource uniform(request->seed);
  MonteCarloRun run(test, analysis, scatter->sd, scatter->meanSd, request->trials);
  while (run.runTrial(uniform)) {
  }
  run.finish();
  if (run.tooManyFailed()) {
    err << "zonalyst-cli: " << TooManyFailedTrialsMessage(run.failedTrials(), run.trials()) << "\n";
    return kSetupRefused;
  }
  if (request->json) {
    PrintJson(test, *scatter, run, analysis.metrics(), request->raw, out);
  } else {
    PrintText(test, *scatter, run, analysis.metrics(), *request, out);
  }
  return kSuccess;
}

}  // namespace zonalyst::cli

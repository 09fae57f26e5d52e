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
    "               from the reading sets)\n"
    "  --raw        also print the histogram table\n"
    "  --json       one JSON object instead of text\n";

// One value for every zone, or exactly one per zone.
bool ParseStandardDeviations(const std::string& text, int zones, ReadingScatter& scatter) {
  std::vector<double> values;
  std::stringstream list(text);
  for (std::string item; std::getline(list, item, ',');) {
    const auto value = ParseNumberOption(item);
    if (!value || *value < 0.0) return false;
    values.push_back(*value);
  }
  if (values.size() != 1 && values.size() != static_cast<std::size_t>(zones)) return false;
  scatter.sd = {};
  for (int z = 1; z <= zones; ++z) scatter.sd[z] = values.size() == 1 ? values[0] : values[z - 1];
  scatter.meanSd = MeanOverZones(scatter.sd, zones);
  return true;
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

}  // namespace

int RunMonteCarlo(const CommandWords& words, std::ostream& out, std::ostream& err) {
  int exitCode = kSuccess;
  const auto command =
      ParseCommand(words, {{"--json", "--raw"}, {"--trials", "--seed", "--sd"}}, kUsage, out, err, exitCode);
  if (!command) return exitCode;
  const Options& options = command->options;

  int trials = MonteCarloRun::kMaxTrials;
  if (const auto text = options.value("--trials")) {
    const auto parsed = ParseWholeOption(*text, 1, MonteCarloRun::kMaxTrials);
    if (!parsed) return UsageError("--trials takes a whole number from 1 to 10000", kUsage, err);
    trials = static_cast<int>(*parsed);
  }
  const auto seed = SeedOption(options);
  if (!seed) return UsageError(kSeedProblem, kUsage, err);

  auto opened = OpenTest(command->testPath, err, exitCode);
  if (!opened) return exitCode;
  MirrorTest& test = opened->test;

  SurfaceAnalysis analysis(opened->bessel);
  analysis.analyse(test);  // the nominal averages, as the surface error panel shows them

  ReadingScatter scatter = CalculateReadingScatter(test);
  if (const auto text = options.value("--sd")) {
    if (!ParseStandardDeviations(*text, test.ZoneCount, scatter)) {
      return UsageError("--sd takes one non-negative number or one per zone, separated by commas", kUsage, err);
    }
  }

  UniformSource uniform(*seed);
  MonteCarloRun run(test, analysis, scatter.sd, scatter.meanSd, trials);
  while (run.runTrial(uniform)) {
  }
  run.finish();
  if (run.tooManyFailed()) {
    err << "zonalyst-cli: " << TooManyFailedTrialsMessage(run.failedTrials(), run.trials()) << "\n";
    return kSetupRefused;
  }
  const auto strehlRange = run.strehlRange();
  const auto rmsRange = run.rmsRange();
  const QualityMetrics& nominal = analysis.metrics();

  if (options.has("--json")) {
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
    WriteChart(json, strehlRange);
    json.key("rms_chart");
    WriteChart(json, rmsRange);
    if (options.has("--raw")) json.key("raw").value(McRawData(run.strehlHistogram(), run.rmsHistogram()));
    json.endObject();
    out << json.text() << "\n";
    return kSuccess;
  }

  const RangeSentences sentences = DescribeRanges(strehlRange, rmsRange);
  out << "Mean standard deviation (n-1) = " << FormatRounded(scatter.meanSd, 4) << (test.inInches() ? " inches" : " mm")
      << "\n"
      << run.trials() << " Iterations processed (seed " << *seed << ")\n";
  if (const std::string failed = FailedTrialsSentence(run.failedTrials(), run.trials()); !failed.empty()) {
    out << failed << "\n";
  }
  out << "Nominal Strehl Ratio = " << FormatRounded(nominal.Strehl, 3)
      << ", Surface RMS Error (nm) = " << FormatRounded(nominal.rmsNanometres(), 1) << "\n\n"
      << sentences.strehl68 << "\n"
      << sentences.rms68 << "\n\n"
      << sentences.strehl95 << "\n"
      << sentences.rms95 << "\n";
  if (options.has("--raw")) {
    std::string table = McRawData(run.strehlHistogram(), run.rmsHistogram());
    std::erase(table, '\r');
    out << "\n" << table;
  }
  return kSuccess;
}

}  // namespace zonalyst::cli

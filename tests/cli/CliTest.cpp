#include "CliRun.h"
#include "JsonNumbers.h"
#include "core/SurfaceAnalysis.h"
#include "io/TestFileLayout.h"
#include "io/TestFileLoader.h"
#include "tests/support/FilledBessel.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zonalyst::cli {
namespace {

TEST(CliReport, PrintsTheMirrorTheBestFitLineTheResultsAndTheZoneTable) {
  const CliRun run = Cli({"report", kExamples + "foucault2-becoulet200-moving-4sets.fdr"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, "");
  // The lines' wording is the core's to pin; here that each part is printed.
  for (const char* expected : {"Units are in Millimeters", "= Best fit ROC", "Strehl Ratio",
                               "Surface RMS over the measured zones (nm)  ", "% Zonal"}) {
    EXPECT_NE(run.out.find(expected), std::string::npos) << expected;
  }
}

TEST(CliReport, JsonHasTheAgreedKeysAndAgreesWithTheCore) {
  const std::string path = kExamples + "6in-f8-paraboloid-moving.fdr";
  const CliRun run = Cli({"report", path, "--json"});
  ASSERT_EQ(run.code, 0) << run.err;
  std::size_t at = 0;
  // clang-format off
  for (const char* key : {"units", "moving_source", "zone_count", "reading_sets", "roc", "diameter", "desired_conic",
                          "roc_mm", "best_fit_roc_mm", "glass_volume_mm3", "peak_valley_mm", "pv_fraction", "pv_text",
                          "transverse_error_max", "encircled_energy_ratio", "strehl", "rms_waves", "rms_nm",
                          "rms_nm_measured", "measured_span_mm", "measured_span_roc_mm", "zones", "profile", "ml"}) {
    // clang-format on
    const std::size_t found = run.out.find("\"" + std::string(key) + "\":", at);
    ASSERT_NE(found, std::string::npos) << key;
    at = found;
  }
  EXPECT_NE(run.out.find("\"units\":\"inch\""), std::string::npos);

  io::LoadResult loaded = io::LoadTestFile("", path);
  ASSERT_TRUE(loaded.ok());
  SurfaceAnalysis analysis(testing::FilledBessel());
  const BestFit fit = analysis.analyse(*loaded.test);
  EXPECT_EQ(JsonNumber(run.out, "strehl"), analysis.metrics().Strehl);
  EXPECT_EQ(JsonNumber(run.out, "best_fit_roc_mm"), fit.bestFitRocMm);
  // A good mirror's P-V as measured, however small: the one the P-V text's fraction implies.
  EXPECT_LT(*JsonNumber(run.out, "peak_valley_mm"), 9.9e-5);
  EXPECT_DOUBLE_EQ(*JsonNumber(run.out, "peak_valley_mm"), 0.00055 / *JsonNumber(run.out, "pv_fraction"));
}

TEST(CliExitCodes, LoadFailureUsageAndAWarnedSetup) {
  ScratchFolder scratch;
  const CliRun missing = Cli({"report", scratch.file("none.fdr")});
  EXPECT_EQ(missing.code, 1);
  EXPECT_EQ(missing.err.rfind("Hey,  I had a problem opening the file " + scratch.file("none.fdr") + ".\n", 0), 0u)
      << missing.err;
  EXPECT_EQ(missing.out, "");

  // A usage error is one line: its reason and where to read more.
  const std::string paraboloid = kExamples + "6in-f8-paraboloid-moving.fdr";
  const std::pair<std::vector<std::string>, std::string> usages[] = {
      {{}, "zonalyst-cli"},
      {{"frobnicate"}, "zonalyst-cli"},
      {{"report"}, "zonalyst-cli report"},
      {{"report", "a.fdr", "--bogus"}, "zonalyst-cli report"},
      {{"report", "a.fdr", "--json", "--json"}, "zonalyst-cli report"},
      {{"montecarlo", "a.fdr", "--trials", "0"}, "zonalyst-cli montecarlo"},
      {{"montecarlo", "a.fdr", "--seed", "1", "--trials"}, "zonalyst-cli montecarlo"},
      {{"montecarlo", "a.fdr", "--seed", "1", "--seed", "2"}, "zonalyst-cli montecarlo"},
      // a reference sphere within the semi-diameter (the best fit is about 2438 mm)
      {{"profile", paraboloid, "--offset", "-2430"}, "zonalyst-cli profile"},
      {{"profile", paraboloid, "--offset", "2e6"}, "zonalyst-cli profile"},
  };
  for (const auto& [args, command] : usages) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.code, 2) << ::testing::PrintToString(args);
    EXPECT_TRUE(run.err.starts_with("zonalyst-cli: ") && run.err.ends_with("; see `" + command + " --help`\n") &&
                std::count(run.err.begin(), run.err.end(), '\n') == 1)
        << run.err;
  }
  // Blanks around a number count alike.
  const CliRun plain = Cli({"montecarlo", paraboloid, "--trials", "5", "--seed", "3"});
  EXPECT_EQ(Cli({"montecarlo", paraboloid, "--trials", " 5", "--seed", "3 "}).out, plain.out);
  const CliRun help = Cli({"montecarlo", "--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_EQ(help.out.rfind("usage: zonalyst-cli montecarlo", 0), 0u);

  io::LoadResult example = io::LoadTestFile("", kExamples + "10in-f5-mm-fixed-3sets.fdr");
  ASSERT_TRUE(example.ok());
  MirrorTest fast = *example.test;
  fast.Roc = fast.Diameter;  // f/0.5: the question is answered OK with a warning
  const CliRun warned = Cli({"report", scratch.write("fast.fdr", io::BuildTestFileText(fast))});
  EXPECT_EQ(warned.code, 0);
  EXPECT_NE(warned.err.find("warning: Hmmm, your F/Ratio is less than one"), std::string::npos);
}

TEST(CliBestConic, FindsTheConstantOfAParaboloid) {
  const CliRun run = Cli({"bestconic", kExamples + "6in-f8-paraboloid-moving.fdr", "--json"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("\"best_conic_text\":\"-1"), std::string::npos) << run.out;
}

// The run's numbers are the core's to pin; here that the options reach it and both output forms.
TEST(CliMonteCarlo, OptionsReachTheRunInBothOutputForms) {
  const std::string path = kExamples + "foucault2-becoulet200-moving-4sets.fdr";
  const CliRun json = Cli({"montecarlo", path, "--trials", "200", "--sd", "0.01,0.02,0.03,0.04", "--json"});
  ASSERT_EQ(json.code, 0) << json.err;
  for (const char* part : {"\"trials\":200", "\"sd\":[0.01,0.02,0.029999999999999999,0.040000000000000001]",
                           "\"strehl_chart\":{\"lo\":"}) {
    EXPECT_NE(json.out.find(part), std::string::npos) << part;
  }
  const CliRun text = Cli({"montecarlo", path, "--trials", "300", "--raw"});
  ASSERT_EQ(text.code, 0) << text.err;
  EXPECT_NE(text.out.find("300 Iterations processed"), std::string::npos);
  EXPECT_NE(text.out.find("Strehl Ratio\tCount\tRMS(nm)\tCount\n0.00\t"), std::string::npos);
  for (const char* sd : {"1,2", "0", "0,0,0,0"}) EXPECT_EQ(Cli({"montecarlo", path, "--sd", sd}).code, 2) << sd;
}

TEST(CliMonteCarlo, SeedTakesEveryThirtyTwoBitValueAndNothingElse) {
  const std::string path = kExamples + "6in-f8-paraboloid-moving.fdr";
  for (const char* seed : {"0", "7", "2147483647", "2147483648", "4294967295"}) {
    const CliRun run = Cli({"montecarlo", path, "--trials", "5", "--seed", seed});
    EXPECT_EQ(run.code, 0) << seed << ": " << run.err;
    EXPECT_NE(run.out.find(std::string("(seed ") + seed + ")"), std::string::npos) << seed;
  }
  for (const char* seed : {"-1", "4294967296", "1e10", "1.5", "seven"}) {
    const CliRun run = Cli({"montecarlo", path, "--trials", "5", "--seed", seed});
    EXPECT_EQ(run.code, 2) << seed;
    EXPECT_NE(run.err.find("--seed takes a whole number from 0 to 4294967295"), std::string::npos) << seed;
  }
  // The same seed gives the same run.
  const std::vector<std::string> args{"montecarlo", path, "--trials", "50", "--seed", "4294967295", "--json"};
  EXPECT_EQ(Cli(args).out, Cli(args).out);
}

}  // namespace
}  // namespace zonalyst::cli

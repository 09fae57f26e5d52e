// The command line on hostile paths and values: every case ends at once with its exit
// code, and no output holds inf, nan, NUL or a raw control byte.
#include "CliRun.h"
#include "app/cli/LastResort.h"
#include "app/cli/StandardStreams.h"
#include "core/ReadingsValidation.h"
#include "io/TestFileLayout.h"
#include "io/TestFileLoader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <new>
#include <sstream>
#include <stdexcept>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace zonalyst::cli {
namespace {

namespace fs = std::filesystem;

const std::string kExample = kExamples + "6in-f8-paraboloid-moving.fdr";

// Text a terminal can show as it is: printable ASCII, tabs and line ends, no "inf" or "nan".
bool Clean(const std::string& text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c != '\n' && c != '\t' && (byte < 0x20 || byte >= 0x7f)) return false;
  }
  return text.find("inf") == std::string::npos && text.find("nan") == std::string::npos;
}

// Every command on the file, export with the options it needs.
std::vector<std::vector<std::string>> EveryCommand(const std::string& path,
                                                   [[maybe_unused]] const ScratchFolder& scratch) {
  return {
      {"report", path, "--json"},
      {"bestconic", path},
      {"montecarlo", path, "--trials", "10"},
      {"profile", path},
#ifdef ZONALYST_HAS_EXPORT
      {"export", path, "--panel", "ml", "-o", scratch.file("ml.png")},
      {"simulate", path, "--view", "foucault", "-o", scratch.file("view.png")},
      {"mask", path, "-o", scratch.file("mask.pdf")},
#endif
  };
}

MirrorTest Example() { return *io::LoadTestFile("", kExample).test; }

void ExpectLoadFailed(const std::vector<std::string>& paths, const ScratchFolder& scratch) {
  for (const std::string& path : paths) {
    for (const auto& args : EveryCommand(path, scratch)) {
      const CliRun run = Cli(args);
      EXPECT_EQ(run.code, kLoadFailed) << args[0] << " " << path;
      EXPECT_EQ(run.out, "");
      EXPECT_TRUE(Clean(run.err)) << run.err;
      EXPECT_NE(run.err.find("Hey,  I had a problem opening the file "), std::string::npos);
    }
  }
}

// Which files are refused is the loader's to pin; here that every command loads through it
// (a FIFO read directly would wait for ever) and prints its message clean.
TEST(HostileCli, PathsThatAreNoTestFilesFailToLoadAtOnce) {
  ScratchFolder scratch;
  const std::string sparse = scratch.write("sparse.fdr", io::BuildTestFileText(Example()));
  fs::resize_file(sparse, std::uintmax_t{2} << 30);
  const std::string control = scratch.write("control.fdr", "\x1b]0;owned\x07\x1b[2J\r\n" + std::string(4, '\0'));
  ExpectLoadFailed({sparse, control}, scratch);
#ifdef _WIN32
  GTEST_SKIP() << "the rest needs a FIFO, which Windows has not";
#else
  ASSERT_EQ(mkfifo(scratch.file("pipe.fdr").c_str(), 0600), 0);
  ExpectLoadFailed({scratch.file("pipe.fdr")}, scratch);
#endif
}

// Setups of no real mirror, and values that no mirror has: every command refuses them
// with their reason and writes nothing.
TEST(HostileCli, EveryCommandRefusesSetupsOfNoRealMirrorAndValuesThatNoMirrorHas) {
  ScratchFolder scratch;
  const struct {
    const char* name;
    void (*spoil)(MirrorTest&);
    std::string reason;
  } cases[] = {
      {"negative-roc", [](MirrorTest& t) { t.Roc = -t.Roc; }, "You have entered a negative ROC"},
      // refused on the setup panel only: the command line checks as the setup panel does
      {"inner-beyond-outer", [](MirrorTest& t) { t.ZoneRadius[2][0] = t.ZoneRadius[2][1] + 1; },
       "inner radius for zone 2 is larger than its outer radius"},
      // values that do not reduce: hostile-cli.sh, on the binary
      {"reading-of-1000-inches", [](MirrorTest& t) { t.KeReading[4][1] = 1000; },
       "Reading 1 of zone 4 lies farther from reading 1 of zone 1 than the radius of curvature"},
  };
  for (const auto& c : cases) {
    MirrorTest test = Example();
    c.spoil(test);
    const std::string path = scratch.write(std::string(c.name) + ".fdr", io::BuildTestFileText(test));
    for (const auto& args : EveryCommand(path, scratch)) {
      const CliRun run = Cli(args);
      EXPECT_EQ(run.code, kSetupRefused) << c.name << " " << args[0];
      EXPECT_EQ(run.out, "") << c.name << " " << args[0];
      EXPECT_NE(run.err.find(c.reason), std::string::npos) << c.name << " " << args[0] << ": " << run.err;
    }
  }
  for (const char* picture : {"ml.png", "view.png", "mask.pdf"}) EXPECT_FALSE(fs::exists(scratch.file(picture)));
}

// A new test has no readings yet: every command refuses to report it as a mirror, but its
// mask can be printed, as it is before any reading is taken.
TEST(HostileCli, ATestWithoutReadingsGivesAMaskAndNoFigures) {
  ScratchFolder scratch;
  MirrorTest test = Example();
  test.KeReading = {};
  const std::string path = scratch.write("new.fdr", io::BuildTestFileText(test));
  for (const auto& args : EveryCommand(path, scratch)) {
    const CliRun run = Cli(args);
    if (args[0] == "mask") {
      EXPECT_EQ(run.code, kSuccess) << run.err;
      continue;
    }
    EXPECT_EQ(run.code, kSetupRefused) << args[0];
    EXPECT_EQ(run.err, std::string(kNoReadings) + "\n") << args[0];
  }
}

// Output that goes nowhere fails the command, whatever the command: the reason on err and
// the exit code of a failed write.
TEST(HostileCli, EveryCommandFailsWhenItsOutputCannotBeWritten) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no /dev/full";
#else
  ScratchFolder scratch;
  auto commands = EveryCommand(kExample, scratch);
  commands.push_back({"history", kExamples});
  commands.push_back({"report", "--help"});
  for (const auto& args : commands) {
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    std::ostringstream err;
    EXPECT_EQ(RunWithCheckedOutput(args, full, err), kWriteFailed) << args[0];
    std::fclose(full);
    const std::string reason = "zonalyst-cli: could not write the output: No space left on device\n";
    EXPECT_TRUE(err.str().ends_with(reason)) << args[0] << ": " << err.str();
  }
#endif
}

// A file name reaches the terminal escaped (it can neither split a row nor steer the
// terminal) and JSON as valid UTF-8.
TEST(HostileCli, NamesAreShownEscapedAndJsonStaysUtf8) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows takes no control characters in a name";
#else
  ScratchFolder scratch;
  const std::string name = "c\nx\x1b[31m\xff.fdr";
  const std::string shown = "c\\x0ax\\x1b[31m\\xff.fdr";
  scratch.write(name, io::BuildTestFileText(Example()));
  const CliRun report = Cli({"report", scratch.file(name)});
  EXPECT_EQ(report.out.rfind("Test: " + scratch.file(shown) + "\n", 0), 0u) << report.out;
  const CliRun missing = Cli({"report", scratch.file("gone\x1b.fdr")});
  EXPECT_NE(missing.err.find(scratch.file("gone\\x1b.fdr")), std::string::npos) << missing.err;
  const CliRun table = Cli({"history", scratch.folder()});
  EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 2) << table.out;
  EXPECT_NE(table.out.find(shown), std::string::npos);
  for (const CliRun& run : {report, missing, table}) EXPECT_TRUE(Clean(run.out + run.err)) << run.out << run.err;
  const CliRun json = Cli({"history", scratch.folder(), "--json"});
  EXPECT_NE(json.out.find("c\\nx\\u001b[31m\xef\xbf\xbd.fdr"), std::string::npos) << json.out;
#endif
}

// The text form, 1e308 and the absence of inf and nan: hostile-cli.sh, on the binary.
TEST(HostileCli, AbsurdScatterFailsTheRunAlsoInJson) {
  const CliRun json = Cli({"montecarlo", kExample, "--trials", "50", "--seed", "1", "--sd", "1e50", "--json"});
  EXPECT_EQ(json.code, kSetupRefused);
  EXPECT_EQ(json.out, "");
  EXPECT_NE(json.err.find("50 of 50 trials failed"), std::string::npos) << json.err;
}

TEST(HostileCli, AnEscapedFailureEndsInOneLineAndItsOwnExitCode) {
  std::ostringstream err;
  EXPECT_EQ(RunWithLastResort([]() -> int { throw std::bad_alloc(); }, err), kUnexpectedFailure);
  EXPECT_EQ(RunWithLastResort([]() -> int { throw std::runtime_error("disk on fire"); }, err), kUnexpectedFailure);
  EXPECT_EQ(RunWithLastResort([]() -> int { throw 7; }, err), kUnexpectedFailure);
  EXPECT_EQ(RunWithLastResort([] { return kWriteFailed; }, err), kWriteFailed);
  EXPECT_EQ(err.str(),
            "zonalyst-cli: out of memory; nothing was written\n"
            "zonalyst-cli: unexpected failure (disk on fire); nothing more was done\n"
            "zonalyst-cli: unexpected failure; nothing more was done\n");
}

}  // namespace
}  // namespace zonalyst::cli

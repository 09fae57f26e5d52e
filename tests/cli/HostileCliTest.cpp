// The command line on hostile paths and values: every case ends at once with its exit
// code, and no output holds inf, nan, NUL or a raw control byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <new>
#include <random>
#include <sstream>
#include <stdexcept>

#include "CliRun.h"
#include "LastResort.h"
#include "core/SurfaceAnalysis.h"
#include "io/TestFileLayout.h"
#include "io/TestFileLoader.h"

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

struct Scratch {
  Scratch() : path(fs::temp_directory_path() / ("zonalyst-hostile-cli-" + std::to_string(std::random_device{}()))) {
    fs::create_directories(path);
  }
  ~Scratch() { fs::remove_all(path); }
  std::string file(const std::string& name) const { return (path / name).string(); }
  std::string write(const std::string& name, const std::string& text) const {
    std::ofstream(file(name), std::ios::binary) << text;
    return file(name);
  }
  std::string writeTest(const std::string& name, const MirrorTest& test) const {
    return write(name, io::BuildTestFileText(test));
  }
  fs::path path;
};

// Every command on the file, export with the options it needs.
std::vector<std::vector<std::string>> EveryCommand(const std::string& path, [[maybe_unused]] const Scratch& scratch) {
  return {{"report", path, "--json"},
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

MirrorTest Example() {
  std::ifstream in(kExample, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return *io::LoadTestText(text).test;
}

void ExpectLoadFailed(const std::vector<std::string>& paths, const Scratch& scratch) {
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

TEST(HostileCli, PathsThatAreNoTestFilesFailToLoadAtOnce) {
  Scratch scratch;
  const std::string sparse = scratch.write("sparse.fdr", io::BuildTestFileText(Example()));
  fs::resize_file(sparse, std::uintmax_t{2} << 30);
  const std::string control = scratch.write("control.fdr", "\x1b]0;owned\x07\x1b[2J\r\n" + std::string(4, '\0'));
  ExpectLoadFailed({sparse, scratch.path.string(), control}, scratch);
#ifdef _WIN32
  GTEST_SKIP() << "the rest needs a FIFO, /dev/zero and /proc/self/mem, which Windows has not";
#else
  ASSERT_EQ(mkfifo(scratch.file("pipe.fdr").c_str(), 0600), 0);
  ExpectLoadFailed({scratch.file("pipe.fdr"), "/dev/zero", "/proc/self/mem"}, scratch);
#endif
}

TEST(HostileCli, ValuesThatNoMirrorHasAreRefusedByEveryCommand) {
  Scratch scratch;
  MirrorTest roc = Example();
  roc.Roc = 1e70;
  MirrorTest conic = Example();
  conic.DesiredConic = -1e300;
  MirrorTest readings = Example();
  for (int z = 1; z <= readings.ZoneCount; ++z) readings.KeReading[z][1] = 1e300;
  for (const std::string& path : {scratch.writeTest("roc.fdr", roc), scratch.writeTest("conic.fdr", conic),
                                  scratch.writeTest("readings.fdr", readings)}) {
    for (const auto& args : EveryCommand(path, scratch)) {
      const CliRun run = Cli(args);
      EXPECT_EQ(run.code, kSetupRefused) << args[0] << " " << path << "\n" << run.out;
      EXPECT_EQ(run.out, "");
      EXPECT_EQ(run.err, "zonalyst-cli: " + std::string(kIrreducibleReadings) + "\n");
    }
  }
  for (const char* picture : {"ml.png", "view.png", "mask.pdf"}) EXPECT_FALSE(fs::exists(scratch.file(picture)));
}

TEST(HostileCli, AbsurdScatterFailsEveryTrialAndSaysSo) {
  const CliRun text = Cli({"montecarlo", kExample, "--trials", "50", "--seed", "1", "--sd", "1e50", "--raw"});
  EXPECT_EQ(text.code, 0) << text.err;
  EXPECT_TRUE(Clean(text.out)) << text.out;
  EXPECT_NE(text.out.find("50 of 50 trials failed: their readings could not be reduced to a surface"),
            std::string::npos)
      << text.out;
  const CliRun json = Cli({"montecarlo", kExample, "--trials", "50", "--seed", "1", "--sd", "1e50", "--json"});
  EXPECT_NE(json.out.find("\"failed_trials\":50"), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"strehl_hist\":[0,0,0"), std::string::npos);
  const CliRun sane = Cli({"montecarlo", kExample, "--trials", "50", "--seed", "1", "--json"});
  EXPECT_NE(sane.out.find("\"failed_trials\":0"), std::string::npos) << sane.out;
}

TEST(HostileCli, AnEscapedFailureEndsInOneLineAndItsOwnExitCode) {
  std::ostringstream err;
  EXPECT_EQ(RunWithLastResort([]() -> int { throw std::bad_alloc(); }, err), kUnexpectedFailure);
  EXPECT_EQ(RunWithLastResort([]() -> int { throw std::runtime_error("disk on fire"); }, err), kUnexpectedFailure);
  EXPECT_EQ(RunWithLastResort([]() -> int { throw 7; }, err), kUnexpectedFailure);
  EXPECT_EQ(RunWithLastResort([] { return kWriteFailed; }, err), kWriteFailed);
  EXPECT_EQ(err.str(),
            "zonalyst-cli: out of memory; nothing more was done\n"
            "zonalyst-cli: unexpected failure (disk on fire); nothing more was done\n"
            "zonalyst-cli: unexpected failure; nothing more was done\n");
}

}  // namespace
}  // namespace zonalyst::cli

#include "CliRun.h"
#include "JsonNumbers.h"
#include "core/ReadingsValidation.h"
#include "io/TestFileLayout.h"
#include "io/TestFileLoader.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zonalyst::cli {
namespace {

namespace fs = std::filesystem;

// Three real tests of one mirror written in figuring order, a broken file between them.
struct FiguringFolder : ScratchFolder {
  FiguringFolder() {
    const auto base = fs::file_time_type::clock::now() - std::chrono::hours(3);
    const std::pair<const char*, const char*> order[] = {
        {"z-first.fdr", "foucault2-eti310-stage-overcorrected-fixed.fdr"},
        {"broken.fdr", nullptr},
        {"m-second.fdr", "foucault2-eti310-final-fixed.fdr"},
        {"a-third.fdr", "10in-f5-mm-fixed-3sets.fdr"}};
    int hour = 0;
    for (const auto& [name, example] : order) {
      if (example) {
        fs::copy_file(kExamples + example, path() / name);
      } else {
        write(name, "not a test\r\n");
      }
      fs::last_write_time(path() / name, base + std::chrono::hours(hour++));
    }
  }
};

TEST(CliHistory, ReducesTheTestsOldestFirstWithTheReportsFiguresAndListsTheBrokenFile) {
  const FiguringFolder folder;
  const CliRun run = Cli({"history", folder.path().string(), "--json"});
  ASSERT_EQ(run.code, 0) << run.err;
  std::size_t at = 0;
  for (const char* name : {"z-first.fdr", "m-second.fdr", "a-third.fdr"}) {
    const std::string path = folder.file(name);
    at = run.out.find("{\"file\":" + JsonString(path), at);
    ASSERT_NE(at, std::string::npos) << name << " in order";
    const CliRun report = Cli({"report", path, "--json"});
    for (const char* key : {"best_fit_roc_mm", "pv_fraction", "peak_valley_mm", "rms_nm", "strehl"}) {
      EXPECT_EQ(JsonNumber(run.out, key, at), JsonNumber(report.out, key)) << name << " " << key;
    }
    std::vector<std::optional<double>> corrections;
    for (std::size_t zone = report.out.find("\"zones\":");
         (zone = report.out.find("\"zone\":", zone + 1)) != std::string::npos;) {
      corrections.push_back(JsonNumber(report.out, "zonal_correction_pct", zone));
    }
    EXPECT_EQ(JsonNumbers(run.out, "zonal_correction_pct", at), corrections) << name;
  }
  const std::size_t skipped =
      run.out.find("\"skipped\":[{\"file\":" + JsonString(folder.file("broken.fdr")) + ",\"kind\":\"not-a-test\"");
  ASSERT_NE(skipped, std::string::npos);
  EXPECT_NE(run.out.find("\"error\":\"Hey,  I had a problem opening the file", skipped), std::string::npos);
}

TEST(CliHistory, TextTableAndExitCodes) {
  const FiguringFolder folder;
  const CliRun table = Cli({"history", folder.path().string()});
  ASSERT_EQ(table.code, 0);
  EXPECT_LT(table.out.find("z-first.fdr"), table.out.find("a-third.fdr"));
  EXPECT_NE(table.out.find("1/15.65"), std::string::npos) << table.out;
  EXPECT_NE(table.err.find("skipped " + folder.file("broken.fdr")), std::string::npos);

  MirrorTest unread = *io::LoadTestFile("", folder.file("a-third.fdr")).test;
  unread.KeReading = {};
  const std::string unreadPath = folder.write("unread.fdr", io::BuildTestFileText(unread));
  const CliRun none = Cli({"history", folder.file("broken.fdr"), folder.file("gone"), unreadPath, "--json"});
  EXPECT_EQ(none.code, 1);
  EXPECT_NE(none.out.find("{\"file\":" + JsonString(folder.file("gone")) +
                          ",\"kind\":\"missing\",\"error\":\"no such file or folder\"}"),
            std::string::npos);
  EXPECT_NE(
      none.out.find("{\"file\":" + JsonString(unreadPath) + ",\"kind\":\"refused\",\"error\":\"" + kNoReadings + "\"}"),
      std::string::npos)
      << none.out;
  EXPECT_EQ(Cli({"history"}).code, 2);
  EXPECT_EQ(Cli({"history", folder.path().string(), "-o", "x.jpg"}).code, 2);
}

}  // namespace
}  // namespace zonalyst::cli

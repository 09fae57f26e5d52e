#include "CliRun.h"
#include "JsonNumbers.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <sstream>

namespace zonalyst::cli {
namespace {

// The CSV's rows as numbers read with from_chars; a cell that is no number reads as NaN.
std::vector<std::vector<double>> CsvRows(const std::string& csv) {
  std::vector<std::vector<double>> rows;
  std::istringstream lines(csv.substr(csv.find('\n') + 1));
  for (std::string line; std::getline(lines, line);) {
    std::istringstream cells(line);
    auto& row = rows.emplace_back();
    for (std::string cell; std::getline(cells, cell, ',');) {
      std::from_chars(cell.data(), cell.data() + cell.size(), row.emplace_back(std::nan("")));
    }
  }
  return rows;
}

TEST(CliProfile, EveryCellIsTheReportsNumberInItsShortestForm) {
  for (const char* example : {"foucault2-becoulet200-moving-4sets.fdr", "atm1998-6in-f4-moving-inch.fdr",
                              "foucault2-eti310-final-fixed.fdr"}) {
    const CliRun csv = Cli({"profile", kExamples + example});
    const CliRun json = Cli({"report", kExamples + example, "--json"});
    ASSERT_EQ(csv.code, 0) << csv.err;
    ASSERT_EQ(csv.out.substr(0, csv.out.find('\n')), "r_mm,surface_mm,error_nm,transverse_error");
    const auto rows = CsvRows(csv.out);
    ASSERT_EQ(rows.size(), 101u) << example;
    const std::size_t profile = json.out.find("\"profile\":");
    const auto r = JsonNumbers(json.out, "r_mm", profile);
    const auto z = JsonNumbers(json.out, "z_mm", profile);
    const auto err = JsonNumbers(json.out, "err_mm", profile);
    const auto trans = JsonNumbers(json.out, "trans_err", profile);
    ASSERT_EQ(err.size(), 101u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
      ASSERT_EQ(rows[i].size(), 4u) << example << " row " << i;
      EXPECT_EQ(rows[i][0], *r[i]);
      EXPECT_EQ(rows[i][1], *z[i]);
      EXPECT_EQ(rows[i][2], *err[i] * 1e6);
      EXPECT_EQ(rows[i][3], *trans[i]);
    }
  }
}

TEST(CliProfile, AnOffsetMovesTheReferenceButNotTheSurface) {
  const std::string path = kExamples + "6in-f8-paraboloid-moving.fdr";
  const auto atBest = CsvRows(Cli({"profile", path}).out);
  const auto offset = CsvRows(Cli({"profile", path, "--offset", "0.5"}).out);
  ASSERT_EQ(offset.size(), 101u);
  EXPECT_EQ(offset[100][0], atBest[100][0]);
  EXPECT_EQ(offset[100][1], atBest[100][1]);
  EXPECT_NE(offset[100][2], atBest[100][2]);
}

}  // namespace
}  // namespace zonalyst::cli

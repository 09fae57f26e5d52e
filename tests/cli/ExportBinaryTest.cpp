#include "tests/support/ScratchFolder.h"

#include <QImage>
#include <QImageReader>
#include <QSize>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <sys/wait.h>

// Runs the real zonalyst-cli export and reads its files back with Qt's decoders.
namespace {

namespace fs = std::filesystem;

const std::string kExample = std::string(ZONALYST_SOURCE_DIR) + "/examples/6in-f8-paraboloid-moving.fdr";

class ExportBinaryTest : public ::testing::Test {
 protected:
  // Exit code of a command on the example in the temporary folder; its output in out, its
  // error text in err.
  int Run(const std::string& name, const std::string& options) {
    const std::string command = "cd '" + dir.string() + "' && '" ZONALYST_CLI "' " + name + " '" + kExample + "' " +
                                options + " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    out = Contents("stdout.txt");
    err = Contents("stderr.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  int Export(const std::string& options) { return Run("export", options); }

  std::string Contents(const std::string& name) const { return zonalyst::testing::ReadFileBytes(dir / name); }

  QImage Read(const std::string& name, const char* expectedFormat) {
    QImageReader reader(QString::fromStdString((dir / name).string()));
    EXPECT_EQ(reader.format().toStdString(), expectedFormat) << name;
    return reader.read();
  }

  const zonalyst::testing::ScratchFolder scratch;
  const fs::path& dir = scratch.path();
  std::string out;
  std::string err;
};

// The block of the six measures above the chart, 58 pixels high.
constexpr int kMeasures = 58;

TEST_F(ExportBinaryTest, AllPanelsGetTheirDefaultNames) {
  ASSERT_EQ(Export("--panel all"), 0) << err;
  for (const char* suffix : {"_Surface.gif", "_M-L_Plot.gif", "_Trans_Err.gif", "_Diffraction.gif", "_Star_Test.gif"}) {
    const std::string name = std::string("6in-f8-paraboloid-moving") + suffix;
    EXPECT_FALSE(Read(name, "gif").isNull()) << name;
  }
  EXPECT_EQ(Read("6in-f8-paraboloid-moving_Star_Test.gif", "gif").size(), QSize(769, 465 + 733));  // a stack of three
}

TEST_F(ExportBinaryTest, InvertsAndRecordsTheDrawing) {
  ASSERT_EQ(Export("--panel spot --obstruction 20 --invert -o spot.png --record spot.json"), 0) << err;
  const QImage image = Read("spot.png", "png");
  EXPECT_EQ(image.pixel(0, 0) & 0xffffffu, 0xffffffu);
  const std::string text = Contents("spot.json");
  EXPECT_EQ(text.rfind("{\"width\":740,\"height\":280,\"calls\":[{\"op\":\"clear\"}", 0), 0u);
}

TEST_F(ExportBinaryTest, MonteCarloHistogramsTakeTheSurfacePanelName) {
  ASSERT_EQ(Export("--panel montecarlo --trials 40 --seed 3 --record mc.json"), 0) << err;
  const QImage image = Read("6in-f8-paraboloid-moving_Surface.gif", "gif");
  EXPECT_EQ(image.size(), QSize(740, kMeasures + 280 + 20 + 300));  // and the two caption lines
  EXPECT_NE(Contents("mc.json").find("\"text\":\"40 Iterations processed\""), std::string::npos);
}

TEST_F(ExportBinaryTest, SavedPictureCarriesTheMeasuresAboveTheChart) {
  ASSERT_EQ(Export("--panel surface --offset 0.05 -o s.png --record s.json"), 0) << err;
  const QImage image = Read("s.png", "png");
  const std::string text = Contents("s.json");
  const std::size_t saved = text.find(",\"saved\":{\"width\":740,\"height\":" + std::to_string(image.height()) +
                                      ",\"calls\":[{\"op\":\"clear\"}");
  ASSERT_NE(saved, std::string::npos);
  EXPECT_EQ(text.find("Strehl Ratio"), text.find("Strehl Ratio", saved));  // not in the chart's own calls
  for (const char* shown : {"\"Glass Remaining (mm^3)\"", "\"Surface RMS Error (nm)\"", "\"Strehl Ratio\"",
                            "\"Entered ROC of 96\\\" + 0.00076\\\" = Best fit ROC\"",
                            "\"Offset from best fit ROC = 0.002 Inches.\"", "{\"op\":\"image\",\"x\":0,\"y\":78,"}) {
    EXPECT_NE(text.find(shown, saved), std::string::npos) << shown;
  }
}

TEST_F(ExportBinaryTest, TestersViewPanelWithItsReport) {
  ASSERT_EQ(Export("--panel testers-view --view ronchi --lpi 50 --record tv.json"), 0) << err;
  EXPECT_EQ(Read("6in-f8-paraboloid-moving_Testers_View.png", "png").size(), QSize(740, kMeasures + 280 + 300));
  EXPECT_NE(Contents("tv.json").find("\"text\":\"50 lines per inch, phase 0 inch, grating from the right\""),
            std::string::npos);
  ASSERT_EQ(Export("--panel testers-view --size 400 --knife 0.25 -o big.png"), 0) << err;
  EXPECT_EQ(Read("big.png", "png").size(), QSize(840, kMeasures + 444 + 300));
}

TEST_F(ExportBinaryTest, SimulatesTheTestersViewInEveryGrey) {
  // The middle of five zones is zone 3, read 0.268 inch: the default knife stands there.
  ASSERT_EQ(Run("simulate", "--view foucault --size 120 -o default.png"), 0) << err;
  ASSERT_EQ(Run("simulate", "--view foucault --knife 0.268 --size 120 -o view.png"), 0) << err;
  ASSERT_EQ(Run("simulate", "--view foucault --knife 0.268 --size 120 -o view.gif"), 0) << err;
  EXPECT_EQ(out, "view.gif (120 x 120)\n");
  const QImage png = Read("view.png", "png");
  const QImage gif = Read("view.gif", "gif");
  ASSERT_EQ(png.size(), QSize(120, 120));
  EXPECT_EQ(Read("default.png", "png"), png);
  std::set<QRgb> seen;
  for (int j = 0; j < 120; ++j) {
    for (int i = 0; i < 120; ++i) {
      ASSERT_EQ(gif.pixel(i, j) & 0xffffffu, png.pixel(i, j) & 0xffffffu) << i << " " << j;
      seen.insert(png.pixel(i, j));
    }
  }
  EXPECT_GT(seen.size(), 20u);  // shading, not the five levels of the window's palette
  EXPECT_EQ(png.pixel(0, 0) & 0xffffffu, 0u);
}

TEST_F(ExportBinaryTest, ExportAndSimulateRefuseBadOptionsAndReportWriteFailures) {
  struct Case {
    const char* command;
    const char* options;
    int exitCode;
    const char* message;
  };
  for (const Case c : {
           Case{"export", "--panel pie", 2,
                "--panel takes surface, ml, transverse, spot, star, montecarlo, testers-view or all"},
           Case{"export", "--panel star --defocus 21", 2, "--defocus takes a whole number from 0 to 20"},
           Case{"export", "--panel montecarlo --trials 0", 2, ""},
           Case{"export", "--panel all -o x.gif", 2, ""},
           Case{"export", "--panel ml -o picture.bmp", 2, ""},
           Case{"export", "--panel testers-view --side middle", 2, "--side takes left or right"},
           Case{"export", "--panel ml -o no/such/folder/ml.png", 4,
                "could not write \"no/such/folder/ml.png\": cannot create a temporary file"},
           Case{"simulate", "--view moire -o v.png", 2, "--view takes foucault or ronchi"},
           Case{"simulate", "--view ronchi -o v.bmp", 2, "-o names the .png or .gif file to write"},
           Case{"simulate", "--view foucault --slit 0 -o v.png", 2, "--slit takes millimetres above 0, up to 100"},
           Case{"simulate", "--view ronchi --lpi -3 -o v.png", 2, "--lpi takes lines per inch above 0, up to 10000"},
           Case{"simulate", "--view ronchi --side up -o v.png", 2, "--side takes left or right"},
           Case{"simulate", "--view ronchi --size 8 -o v.png", 2,
                "--size takes a whole number of pixels from 16 to 4000"},
           Case{"simulate", "--view ronchi --knife 7e306 -o v.png", 2,
                "--knife takes a reading in the test's units, from -1000000 to 1000000"},
           Case{"simulate", "--view ronchi -o no/such/folder/v.gif", 4,
                "could not write \"no/such/folder/v.gif\": cannot create a temporary file"},
           Case{"export", "--panel ml --knife 0.3 -o ml.png", 2, "--knife is for --panel testers-view only"},
           Case{"export", "--panel all --perfect", 2, "--perfect is for --panel testers-view only"},
           Case{"export", "--panel surface --offset -2430 -o s.png", 2,
                "--offset leaves a reference radius of 8.419 mm, not beyond the mirror's semi-diameter of 76.2 mm"},
       }) {
    EXPECT_EQ(Run(c.command, c.options), c.exitCode) << c.options;
    EXPECT_NE(err.find(std::string("zonalyst-cli: ") + c.message), std::string::npos) << c.options << "\n" << err;
  }
  EXPECT_FALSE(fs::exists(dir / "no"));
}

}  // namespace

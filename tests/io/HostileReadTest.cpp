// Reading files that are not test files: every case ends at once with a reason, and no
// byte of the file reaches a message unescaped.
#include "IoTestSupport.h"
#include "io/FileAccess.h"
#include "io/PrintableText.h"
#include "io/TestFileLayout.h"
#include "io/TestFileLoader.h"
#include "io/TestFileSaver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace zonalyst::io {
namespace {

namespace fs = std::filesystem;

// Paths and the reader's failure for each.
void ExpectRefused(const std::vector<std::pair<std::string, std::string>>& cases) {
  for (const auto& [path, failure] : cases) {
    const FileText read = ReadFileText(path);
    EXPECT_EQ(std::pair(read.text.has_value(), read.failure), std::pair(false, failure)) << path;
  }
}

TEST(HostileRead, SpecialOversizedAndFailingFilesAreRefusedWithTheirReason) {
  iotest::ScratchFolder temp;
  const std::string valid = BuildTestFileText(iotest::FullRecord());
  // A valid test at its start, then a hole up to 2 GB: nothing is read of it.
  const std::string sparse = temp.file("sparse.fdr");
  iotest::WriteFileBytes(sparse, valid);
  fs::resize_file(sparse, std::uintmax_t{2} << 30);
  const std::string large = temp.file("large.fdr");
  iotest::WriteFileBytes(large, valid + std::string(kMaxTestFileBytes, '\n'));
  fs::create_directory(temp.file("folder.fdr"));
  const std::string tooLarge = " is too large to be a test file (more than 65536 bytes)";
  ExpectRefused({
      {temp.file("folder.fdr"), "\"" + temp.file("folder.fdr") + "\" is a folder, not a test file"},
      {sparse, "\"" + sparse + "\"" + tooLarge},
      {large, "\"" + large + "\"" + tooLarge},
      {temp.file("missing.fdr"), "cannot open \"" + temp.file("missing.fdr") + "\": No such file or directory"},
  });
  const LoadResult loaded = LoadTestFile("", sparse);  // the loader passes the reader's failure on
  EXPECT_EQ(std::tuple(loaded.ok(), loaded.error.detail, loaded.error.path),
            std::tuple(false, "\"" + sparse + "\"" + tooLarge, sparse));
  // Exactly at the bound a file is still read (and then refused for its 101 lines).
  iotest::WriteFileBytes(large, valid + std::string(kMaxTestFileBytes - valid.size(), '\n'));
  EXPECT_TRUE(ReadFileText(large).text);

#ifdef _WIN32
  GTEST_SKIP() << "the rest needs a FIFO, /dev/zero and /proc/self/mem, which Windows has not";
#else
  const std::string fifo = temp.file("pipe.fdr");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", temp.file("zero-link.fdr"));
  ExpectRefused({
      {fifo, "\"" + fifo + "\" is a pipe (FIFO), not a test file"},
      {"/dev/zero", "\"/dev/zero\" is a device, not a test file"},
      {temp.file("zero-link.fdr"), "\"" + temp.file("zero-link.fdr") + "\" is a device, not a test file"},
      {"/proc/self/mem", "cannot read \"/proc/self/mem\": Input/output error"},
  });
#endif
}

// A FIFO is never opened to compare it: that read would wait for a writer for ever.
TEST(HostileRead, SavingOverAPipeIsRefusedWithoutReadingOrAsking) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no FIFO";
#else
  iotest::ScratchFolder temp;
  ASSERT_EQ(mkfifo(temp.file("pipe.fdr").c_str(), 0600), 0);
  iotest::ScriptedQuestion question({true, temp.folder(), "pipe.fdr"});
  const SaveOutcome outcome = SaveTestFile(iotest::FullRecord(), temp.folder(), "pipe.fdr", question);
  EXPECT_EQ(std::tuple(outcome.status, question.asked, outcome.reason),
            std::tuple(SaveStatus::Failed, 0,
                       "could not write \"" + temp.file("pipe.fdr") + "\": it is a pipe (FIFO), not a test file"));
  EXPECT_TRUE(fs::is_fifo(temp.file("pipe.fdr")));
#endif
}

TEST(HostileRead, BytesQuotedFromAFileAreEscapedAndCut) {
  EXPECT_EQ(PrintableQuote("1 2 3", 40), "1 2 3");
  EXPECT_EQ(PrintableQuote("\x1b[2J\x07 \x7f\xc3\xa9", 40), "\\x1b[2J\\x07 \\x7f\\xc3\\xa9");
  EXPECT_EQ(PrintableQuote(std::string(50, 'x'), 40), std::string(40, 'x') + "...");
  EXPECT_EQ(PrintableQuote(std::string(5, '\0'), 3), "\\x00\\x00\\x00...");
  // A name keeps its letters of any language; controls (C1 ones too) and bytes that are
  // no UTF-8 are escaped, so that a name neither splits a line nor steers a terminal.
  EXPECT_EQ(PrintableName("Zo\xc3\xab \xe2\x82\xac/\xe9\x8f\xa1.fdr"), "Zo\xc3\xab \xe2\x82\xac/\xe9\x8f\xa1.fdr");
  EXPECT_EQ(PrintableName("a\nb\x1b[31m\x7f\xc2\x9b\xff\xe2\x82.fdr"),
            "a\\x0ab\\x1b[31m\\x7f\\xc2\\x9b\\xff\\xe2\\x82.fdr");

  // A line of escape sequences and NULs: the detail names the line and shows the bytes escaped.
  const std::string text = "6 1 1\r\n\x1b]0;title\x07\x1b[31m" + std::string(3, '\0') + std::string(60, 'A') + "\r\n";
  const LoadResult loaded = LoadTestText(text);
  ASSERT_FALSE(loaded.ok());
  EXPECT_EQ(loaded.error.line, 2);
  EXPECT_TRUE(std::all_of(loaded.error.detail.begin(), loaded.error.detail.end(), [](char c) {
    return c >= 0x20 && c < 0x7f;
  })) << loaded.error.detail;
  EXPECT_NE(loaded.error.detail.find("found \"\\x1b]0;title\\x07\\x1b[31m\\x00\\x00\\x00AAAA"), std::string::npos)
      << loaded.error.detail;
  EXPECT_NE(loaded.error.detail.find("...\""), std::string::npos);
}

}  // namespace
}  // namespace zonalyst::io

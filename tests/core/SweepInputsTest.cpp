#include "core/DialLog.h"
#include "core/DialProtocols.h"
#include "core/FrameList.h"

#include <gtest/gtest.h>

namespace zonalyst {
namespace {

struct Good {
  std::string line;
  DialFormat format;
  double value;
  DialUnit unit;
};

TEST(DialProtocols, EveryFormReadsItsValueAndUnitWithItsFormatGivenOrTold) {
  const std::vector<Good> cases = {
      {"FFFF021076540", DialFormat::Digimatic, 21.0765, DialUnit::Millimetre},
      {"FFFF801234530", DialFormat::Digimatic, -12.345, DialUnit::Millimetre},
      {"ffff 0 001234 5 1", DialFormat::Digimatic, 0.01234, DialUnit::Inch},
      {"00 00 02 01 00 07 06 05 04 00", DialFormat::Arduino, 21.0765, DialUnit::Millimetre},
      {"00080000000005080401", DialFormat::Arduino, -0.0058, DialUnit::Inch},
      {"1.234", DialFormat::Text, 1.234, DialUnit::None},
      {"+1.47 mm\r", DialFormat::Text, 1.47, DialUnit::Millimetre},
      {"0.0580 in", DialFormat::Text, 0.058, DialUnit::Inch},
      {"-0.058\"", DialFormat::Text, -0.058, DialUnit::Inch},
      {"15052 ms 1.47 mm", DialFormat::Text, 1.47, DialUnit::Millimetre},
      {"15.052 s -1.47MM", DialFormat::Text, -1.47, DialUnit::Millimetre},
      {"01A+0000.123", DialFormat::Mitutoyo, 0.123, DialUnit::Millimetre},
      {"01A-000.1234", DialFormat::Mitutoyo, -0.1234, DialUnit::Inch},
  };
  for (const Good& c : cases) {
    EXPECT_EQ(DialFormatOf(c.line), c.format) << c.line;
    for (const DialFormat format : {c.format, DialFormat::Auto}) {
      const DialDecoding decoded = DecodeDialLine(c.line, format);
      ASSERT_TRUE(decoded.value) << c.line << ": " << decoded.problem;
      EXPECT_DOUBLE_EQ(decoded.value->value, c.value) << c.line;
      EXPECT_EQ(decoded.value->unit, c.unit) << c.line;
    }
  }
}

TEST(DialProtocols, EveryMalformedFormIsRefusedWithItsReasonNeverReadAsZero) {
  const std::vector<std::tuple<std::string, DialFormat, std::string>> cases = {
      {"FFFF02107654", DialFormat::Digimatic, "a short frame: 12 of 13 nibbles"},
      {"FFFF0210765400", DialFormat::Digimatic, "a long frame: 14 nibbles, not 13"},
      {"EFFF021076540", DialFormat::Digimatic, "the header d1 is E, not F"},
      {"FFF0021076540", DialFormat::Digimatic, "the header d4 is 0, not F"},
      {"FFFF121076540", DialFormat::Digimatic, "the sign d5 is 1, neither 0 nor 8"},
      {"FFFF0210A6540", DialFormat::Digimatic, "the digit d9 is A, above 9"},
      {"FFFF021076560", DialFormat::Digimatic, "the decimal point d12 is 6, above 5"},
      {"FFFF021076542", DialFormat::Digimatic, "the unit d13 is 2, neither 0 (mm) nor 1 (inch)"},
      {"FFFF02107654G", DialFormat::Digimatic, "a character that is not a hex digit"},
      {"00 00 02 01 00 07 06 05 04", DialFormat::Arduino, "a short reply: 9 of 10 bytes"},
      {"00 00 02 01 00 07 06 05 04 00 00", DialFormat::Arduino, "a long reply: 11 bytes, not 10"},
      {"01 00 02 01 00 07 06 05 04 00", DialFormat::Arduino, "the status byte is 1: the reader got no good frame"},
      {"00 00 02 01 00 17 06 05 04 00", DialFormat::Arduino, "d9 is 23, not a nibble"},
      {"00 00 02 01 00 0C 06 05 04 00", DialFormat::Arduino, "the digit d9 is C, above 9"},
      {"00 00 02 01 00 07 06 05 04 0", DialFormat::Arduino, "an odd number of hex digits, not whole bytes"},
      {"", DialFormat::Text, "an empty line"},
      {"abc", DialFormat::Text, "the text is not a number"},
      {"nan", DialFormat::Text, "the text is not a number"},
      {"1e999", DialFormat::Text, "the text is not a number"},
      {"--1.2", DialFormat::Text, "the text is not a number"},
      {"15052 ms", DialFormat::Text, "the number is followed by neither mm nor in"},
      {"1.47 furlongs", DialFormat::Text, "the number is followed by neither mm nor in"},
      {"1,47 mm", DialFormat::Text, "the number is followed by neither mm nor in"},
      {"01B+0000.123", DialFormat::Mitutoyo, "the line does not start with a channel and A (\"01A\")"},
      {"01A 0000.123", DialFormat::Mitutoyo, "no sign after \"01A\""},
      {"01A+00x0.123", DialFormat::Mitutoyo, "the value after the sign is not a decimal number"},
      {"01A+00.00.12", DialFormat::Mitutoyo, "the value after the sign is not a decimal number"},
      {"01A+0.123456", DialFormat::Mitutoyo, "more than 5 decimals"},
  };
  for (const auto& [line, format, reason] : cases) {
    const DialDecoding decoded = DecodeDialLine(line, format);
    EXPECT_FALSE(decoded.value) << line;
    EXPECT_EQ(decoded.problem, reason) << line;
  }
  const std::uint8_t nibbles[13] = {15, 15, 15, 15, 0, 2, 1, 0, 7, 6, 5, 4, 16};
  EXPECT_EQ(DecodeDigimatic(nibbles).problem, "d13 is 16, not a nibble");
}

TEST(DialProtocols, ValuesTurnIntoTheTestsUnitsFromTheDialsZero) {
  EXPECT_DOUBLE_EQ(DialReading({1.27, DialUnit::Millimetre}, true, 0.5), 0.55);
  EXPECT_DOUBLE_EQ(DialReading({0.05, DialUnit::Inch}, false, -1.0), 0.27);
  EXPECT_DOUBLE_EQ(DialReading({0.05, DialUnit::Inch}, true, 0.0), 0.05);
  EXPECT_DOUBLE_EQ(DialReading({2.0, DialUnit::None}, false, 0.25), 2.25);
}

TEST(DialLog, ReadsTimedLinesInTheFormatMostLinesHaveAndNamesEachRefusedLine) {
  const std::string log =
      "time_s,value\n"
      "0.0,FFFF000100030\n"
      "\n"
      "0.1,FFFF000105030\n"
      "0.2,FFFF00010A030\n"
      "0.1,FFFF000107030\n"
      "x,FFFF000109030\n"
      "0.35,1.2 mm\n"
      "0.4 FFFF000110030\n"
      "0.5,FFFF800111030\n";
  const DialLog read = ReadDialLog(log, DialFormat::Auto, false, 0.5);
  EXPECT_EQ(read.format, DialFormat::Digimatic);
  EXPECT_EQ(read.lines, 8);
  ASSERT_EQ(read.samples.size(), 3u);
  EXPECT_DOUBLE_EQ(read.samples[1].timeS, 0.1);
  EXPECT_DOUBLE_EQ(read.samples[1].position, 1.55);
  EXPECT_DOUBLE_EQ(read.samples[2].position, -0.61);
  const std::vector<std::pair<int, std::string>> refused = {{5, "the digit d10 is A, above 9"},
                                                            {6, "the time is not later than the line before"},
                                                            {7, "the time is not a number of seconds"},
                                                            {8, "a character that is not a hex digit"},
                                                            {9, "not \"time_s,value\""}};
  ASSERT_EQ(read.refused.size(), refused.size());
  for (std::size_t k = 0; k < refused.size(); ++k) {
    EXPECT_EQ(read.refused[k].line, refused[k].first);
    EXPECT_EQ(read.refused[k].problem, refused[k].second);
  }
}

TEST(FrameList, ReadsFilesAndTimesUpToTheFirstLineThatIsNot) {
  const FrameList list = ReadFrameList("file,time_s\r\nf,1.png, 0.25\r\n\nf2.png,1e-1\n,3\nf4.png,4\n");
  ASSERT_EQ(list.frames.size(), 2u);
  EXPECT_EQ(list.frames[0].file, "f,1.png");
  EXPECT_DOUBLE_EQ(list.frames[1].timeS, 0.1);
  EXPECT_EQ(list.badLine, 5);
  EXPECT_EQ(list.problem, "no file before the comma");
  for (const auto& [text, problem] : std::vector<std::pair<std::string, std::string>>{
           {"a.png,0\nb.png", "not \"file,time_s\""}, {"a.png,0\nb.png,nan", "the time is not a number of seconds"}}) {
    EXPECT_EQ(ReadFrameList(text).badLine, 2) << text;
    EXPECT_EQ(ReadFrameList(text).problem, problem) << text;
  }
}

}  // namespace
}  // namespace zonalyst

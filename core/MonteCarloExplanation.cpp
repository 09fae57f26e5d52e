#include "MonteCarloExplanation.h"

#include "NumberText.h"

namespace zonalyst {
namespace {

constexpr const char* kCrLf = "\r\n";

std::string StrehlText(int percent) { return FormatRounded(percent / 100.0, 2); }

std::string StrehlSentence(const char* sigma, const char* share, const std::optional<ChartRange>& range, bool wide) {
  const std::string start = std::string("+/- ") + sigma + " sigma results in a Strehl ";
  if (!range || !(wide ? range->reached95() : range->reached68())) {
    return start + "range that this run could not determine (fewer than " + share +
           " of the trials fell in the charted bins)";
  }
  const int lower = wide ? range->lower95 : range->lower68;
  const int upper = wide ? range->upper95 : range->upper68;
  return start + "between " + StrehlText(lower) + " and " + StrehlText(upper);
}

std::string RmsSentence(const char* sigma, const char* share, const std::optional<ChartRange>& range, bool wide) {
  const std::string start = std::string("+/- ") + sigma + " sigma results in an RMS surface error ";
  if (!range || !(wide ? range->reached95() : range->reached68())) {
    return start + "range that this run could not determine (fewer than " + share +
           " of the trials fell in the charted bins)";
  }
  const int lower = wide ? range->lower95 : range->lower68;
  const int upper = wide ? range->upper95 : range->upper68;
  return start + "between " + std::to_string(lower) + "nm and " + std::to_string(upper) + "nm";
}

}  // namespace

RangeSentences DescribeRanges(const std::optional<ChartRange>& strehl, const std::optional<ChartRange>& rms) {
  return {StrehlSentence("1", "68%", strehl, false), RmsSentence("1", "68%", rms, false),
          StrehlSentence("2", "95%", strehl, true), RmsSentence("2", "95%", rms, true)};
}

std::string FailedTrialsSentence(int failedTrials, int trials) {
  if (failedTrials <= 0) return {};
  return std::to_string(failedTrials) + " of " + std::to_string(trials) +
         " trials failed: their readings could not be reduced to a surface, and the charts leave them out.";
}

std::string TooManyFailedTrialsMessage(int failedTrials, int trials) {
  return std::to_string(failedTrials) + " of " + std::to_string(trials) +
         " trials failed: their readings could not be reduced to a surface.\n"
         "The standard deviation is larger than the readings can bear.\n"
         "Please try a smaller one.";
}

std::string ExplainMonteCarlo(const std::optional<ChartRange>& strehl, const std::optional<ChartRange>& rms,
                              int failedTrials, int trials) {
  const RangeSentences s = DescribeRanges(strehl, rms);
  const std::string failed = FailedTrialsSentence(failedTrials, trials);
  return std::string(kCrLf) + "Move this window to make sure you can see the Monte Carlo Chart." + kCrLf + kCrLf +
         "The left chart shows the distribution of possible Strehl Ratios." + kCrLf +
         "The right chart shows the distribution of possible RMS surface error in nm." + kCrLf + kCrLf +
         "In each chart the green section shows the error range confined to +/- 1 sigma (stddev)." + kCrLf +
         "The Orange section shows the error range when confined to +/- 2 sigma (stddev)." + kCrLf + kCrLf +
         "In this case (given your error range selection) we can say the following." + kCrLf + s.strehl68 + kCrLf +
         s.rms68 + kCrLf + kCrLf + s.strehl95 + kCrLf + s.rms95 + kCrLf +
         (failed.empty() ? std::string() : kCrLf + failed + kCrLf);
}

}  // namespace zonalyst

#pragma once

#include "MonteCarlo.h"

#include <optional>
#include <string>

namespace zonalyst {

// The four sentences that state the 68 and 95 per cent ranges of a run, in order:
// Strehl and RMS within +/- 1 sigma, then within +/- 2 sigma. A range the run never
// reached is said to be out of reach instead of being given as 1.01 to 0.
struct RangeSentences {
  std::string strehl68, rms68, strehl95, rms95;
};
RangeSentences DescribeRanges(const std::optional<ChartRange>& strehl, const std::optional<ChartRange>& rms);

// How many trials of a run failed to reduce to a surface; empty when none did.
std::string FailedTrialsSentence(int failedTrials, int trials);

// What a run says instead of its ranges when too many of its trials failed
// (TooManyTrialsFailed): how many, and that the standard deviation is larger than the
// readings can bear. One sentence a line, lines ended by LF.
std::string TooManyFailedTrialsMessage(int failedTrials, int trials);

// The whole explanation shown after a run (lines joined by CR LF), with the failed trials
// said at its end when there were any.
std::string ExplainMonteCarlo(const std::optional<ChartRange>& strehl, const std::optional<ChartRange>& rms,
                              int failedTrials = 0, int trials = 0);

}  // namespace zonalyst

// The short table `make bench` prints: input MB/s, the ratios to the
// machine's own limits, the peak memory, and every goal with its verdict.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "bench/best_times.h"
#include "bench/inputs.h"
#include "bench/peak_memory.h"

namespace plimsett::bench {

struct RunConditions {
  std::string machine;
  std::string date;
  std::string build;
  std::string loadBefore;
  std::string loadAfter;
  std::string repetitions;
};

struct PeakRow {
  const InputKind* kind;
  PeakMemory peak;
};

// Prints the report; false when a run failed (a goal missed is no failure:
// it is what the report is for).
bool PrintReport(std::FILE* out, const RunConditions& conditions, const BestTimes& times,
                 const std::vector<PeakRow>& peaks);

}  // namespace plimsett::bench

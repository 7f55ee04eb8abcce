#include "bench/best_times.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace plimsett::bench {

bool BestTimes::ReportContext(const Context&) {
  // A progress line only where someone watches; logs get the table alone.
  showProgress_ = isatty(STDERR_FILENO) != 0;
  return true;
}

void BestTimes::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    const std::string& name = run.run_name.function_name;
    if (run.error_occurred) {
      errors_.push_back(name + ": " + run.error_message);
      continue;
    }
    if (run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
    const auto iterations = static_cast<double>(run.iterations);
    const Best seconds{run.cpu_accumulated_time / iterations,
                       run.real_accumulated_time / iterations};
    const auto [at, isNew] = best_.try_emplace(name, seconds);
    if (!isNew) {
      at->second.cpu = std::min(at->second.cpu, seconds.cpu);
      at->second.wall = std::min(at->second.wall, seconds.wall);
    }
    if (showProgress_) std::fprintf(stderr, "\r\033[K%s", name.c_str());
  }
}

void BestTimes::Finalize() {
  if (showProgress_) std::fprintf(stderr, "\r\033[K");
}

std::optional<double> BestTimes::Seconds(const std::string& name) const {
  const auto at = best_.find(name);
  if (at == best_.end()) return std::nullopt;
  return clock_ == Clock::kCpu ? at->second.cpu : at->second.wall;
}

}  // namespace plimsett::bench

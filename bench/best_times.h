// Keeps the best (lowest) time per iteration of every benchmark over its
// repetitions: on a shared machine the other load only ever adds time.
// Both clocks are kept. The thread's CPU time (user and system, so page
// faults count) is the default: on a machine whose cores are always
// wanted by others, wall time mostly measures how long the scheduler kept
// this thread waiting.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace plimsett::bench {

class BestTimes : public benchmark::BenchmarkReporter {
 public:
  enum class Clock { kCpu, kWall };
  explicit BestTimes(Clock clock) : clock_(clock) {}

  bool ReportContext(const Context& context) override;
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

  // Seconds per iteration, if the benchmark ran without error.
  std::optional<double> Seconds(const std::string& name) const;

  // "name: message" for every benchmark that reported an error.
  const std::vector<std::string>& Errors() const { return errors_; }

 private:
  struct Best {
    double cpu;
    double wall;
  };
  Clock clock_;
  std::map<std::string, Best> best_;
  std::vector<std::string> errors_;
  bool showProgress_ = false;
};

}  // namespace plimsett::bench

// Runs every benchmark, measures the peak memory, prints the report. Takes
// Google Benchmark's flags; --benchmark_repetitions and
// --benchmark_min_time get defaults that suit a shared machine,
// --wall_time reports wall time instead of the thread's CPU time, and
// --skip_peak leaves the peak memory out.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "bench/benchmarks.h"
#include "bench/best_times.h"
#include "bench/inputs.h"
#include "bench/peak_memory.h"
#include "bench/report.h"

namespace plimsett::bench {
namespace {

constexpr std::string_view kRepetitionsFlag = "--benchmark_repetitions=";
constexpr std::string_view kMinTimeFlag = "--benchmark_min_time=";
constexpr std::string_view kInterleaveFlag = "--benchmark_enable_random_interleaving=";

// The first line of `path` that starts with `key`, without the key.
std::string LineAfter(const char* path, std::string_view key) {
  std::ifstream file(path);
  std::string line;
  while (std::getline(file, line)) {
    if (line.starts_with(key)) return line.substr(key.size());
  }
  return "?";
}

std::string LoadAverage() {
  std::ifstream file("/proc/loadavg");
  std::string oneMinute = "?";
  file >> oneMinute;
  return oneMinute;
}

std::string Machine() {
  const long cpus = sysconf(_SC_NPROCESSORS_ONLN);
  std::string hugePages = "?";
  std::getline(std::ifstream("/sys/kernel/mm/transparent_hugepage/enabled"), hugePages);
  return LineAfter("/proc/cpuinfo", "model name\t: ") + ", " + std::to_string(cpus) +
         " CPUs, memory" + LineAfter("/proc/meminfo", "MemTotal:") + ", transparent huge pages " +
         hugePages + " (not asked for)";
}

std::string Date() {
  const std::time_t now = std::time(nullptr);
  char text[64];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M UTC", std::gmtime(&now));
  return text;
}

std::string FlagValue(const std::vector<char*>& args, std::string_view flag) {
  for (const char* arg : args) {
    if (std::string_view(arg).starts_with(flag)) return std::string(arg + flag.size());
  }
  return "";
}

}  // namespace
}  // namespace plimsett::bench

int main(int argc, char** argv) {
  using namespace plimsett::bench;
  // Every output from 128 KiB up gets pages of its own, as large blocks do
  // on Windows, instead of the heap's pages from the previous iteration.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);

  std::vector<char*> args(argv, argv + argc);
  const auto takeFlag = [&](const char* flag) {
    return std::erase_if(args, [&](const char* arg) { return std::strcmp(arg, flag) == 0; }) != 0;
  };
  const bool skipPeak = takeFlag("--skip_peak");
  const bool wallTime = takeFlag("--wall_time");
  // Repetitions of all runs in a random order: a burst of load from the
  // machine's other users then hits a few repetitions of many runs instead
  // of every repetition of one.
  std::string defaults[] = {std::string(kRepetitionsFlag) + "9", std::string(kMinTimeFlag) + "0.05",
                            std::string(kInterleaveFlag) + "true"};
  for (std::string& flag : defaults) {
    if (FlagValue(args, flag.substr(0, flag.find('=') + 1)).empty()) args.push_back(flag.data());
  }
  RunConditions conditions;
  conditions.repetitions = "best of " + FlagValue(args, kRepetitionsFlag) +
                           " repetitions of at least " + FlagValue(args, kMinTimeFlag) + " s, " +
                           (wallTime ? "wall time" : "CPU time of the benchmark thread");
  args.push_back(nullptr);
  int count = static_cast<int>(args.size()) - 1;
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 2;

  conditions.machine = Machine();
  conditions.build = "g++ " __VERSION__ ", flags \"" PLIMSETT_BENCH_CXX_FLAGS "\"";
  conditions.loadBefore = LoadAverage();

  PrepareInputs();
  RegisterBenchmarks();
  BestTimes times(wallTime ? BestTimes::Clock::kWall : BestTimes::Clock::kCpu);
  benchmark::RunSpecifiedBenchmarks(&times);

  std::vector<PeakRow> peaks;
  if (!skipPeak) {
    for (const InputKind& kind : InputKinds()) {
      const auto convert = FunctionsOf(kind.conversion).fresh;
      peaks.push_back({&kind, MeasurePeakMemory(convert, Input(kind, kLargestSize))});
    }
  }
  conditions.loadAfter = LoadAverage();
  conditions.date = Date();
  const bool met = PrintReport(stdout, conditions, times, peaks);
  benchmark::Shutdown();
  return met ? 0 : 1;
}

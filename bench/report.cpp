#include "bench/report.h"

#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "bench/benchmarks.h"

namespace plimsett::bench {
namespace {

constexpr double kEncodeHotGoal = 0.15;  // of the hot memcpy rate, in input bytes
constexpr double kDecodeHotGoal = 0.09;
constexpr double kFreshGoal = 1.10;  // times (fresh fill + hot)
constexpr double kPeakFactor = 1.1;  // times (input + output), plus:
constexpr double kPeakAllowance = static_cast<double>(kMiB);
// Time per byte may grow with the size through the caches, but a factor of
// 64 in size must not come anywhere near that factor per byte.
constexpr double kGrowthLimit = 2.0;

// The worst value of one goal over the rows in its scope.
class Goal {
 public:
  Goal(std::string text, std::string scope, double limit, bool atLeast)
      : text_(std::move(text)), scope_(std::move(scope)), limit_(limit), atLeast_(atLeast) {}

  // Takes one row's value and says whether it meets the goal.
  const char* Check(double value, const std::string& where) {
    if (!seen_ || (atLeast_ ? value < worst_ : value > worst_)) {
      worst_ = value;
      where_ = where;
    }
    seen_ = true;
    return Meets(value) ? "ok" : "MISS";
  }

  void Print(std::FILE* out) const {
    std::fprintf(out, "  %-33s %-24s", text_.c_str(), scope_.c_str());
    if (!seen_) {
      std::fprintf(out, " not measured\n");
      return;
    }
    // How far the worst row lies on its side of the limit.
    const double margin = std::abs(atLeast_ ? worst_ / limit_ - 1 : limit_ / worst_ - 1);
    std::fprintf(out, " %6.3f  %-24s %s by %.0f%%\n", worst_, where_.c_str(),
                 Meets(worst_) ? "met" : "MISSED", 100 * margin);
  }

 private:
  bool Meets(double value) const { return atLeast_ ? value >= limit_ : value <= limit_; }

  std::string text_;
  std::string scope_;
  double limit_;
  bool atLeast_;
  bool seen_ = false;
  double worst_ = 0;
  std::string where_;
};

// The rate goals are about long texts, which no cache holds. Below that
// size memcpy runs from the caches at several times the memory's rate; those
// rows are shown against the same goal, in a scope of their own.
struct Goals {
  Goal encodeHot{"encode hot >= 0.15 x memcpy", "64 MiB", kEncodeHotGoal, true};
  Goal encodeHotCached{"", "1 KiB..1 MiB, in cache", kEncodeHotGoal, true};
  Goal decodeHot{"decode hot >= 0.09 x memcpy", "64 MiB, written form", kDecodeHotGoal, true};
  Goal decodeHotHard{"", "64 MiB, hard cases", kDecodeHotGoal, true};
  Goal decodeHotCached{"", "1 KiB..1 MiB, in cache", kDecodeHotGoal, true};
  Goal fresh{"fresh <= 1.10 x (fill + hot)", "every size and input", kFreshGoal, false};
  Goal peak{"peak <= 1.1 x (in+out) + 1 MiB", "64 MiB (share of limit)", 1.0, false};
  Goal growth{"time per byte, 64 x size <= 2 x", "1 MiB..64 MiB", kGrowthLimit, false};

  Goal& HotGoal(const InputKind& kind, std::size_t size) {
    if (size < kLargestSize) {
      return kind.conversion == Conversion::kEncode ? encodeHotCached : decodeHotCached;
    }
    if (kind.conversion == Conversion::kEncode) return encodeHot;
    return kind.hardCase ? decodeHotHard : decodeHot;
  }
};

double MBps(std::size_t bytes, double seconds) {
  return static_cast<double>(bytes) / seconds / 1e6;
}

std::string Number(std::optional<double> value, const char* format) {
  if (!value) return "-";
  char text[32];
  std::snprintf(text, sizeof text, format, *value);
  return text;
}

std::string Where(const InputKind& kind, std::size_t size) {
  return std::string(kind.name) + " " + SizeName(size);
}

void PrintConversionRows(std::FILE* out, Conversion conversion, const BestTimes& times,
                         Goals& goals) {
  std::fprintf(out, "%-14s %-7s %6s %8s %8s %-10s %8s %8s %-11s %8s %7s\n",
               std::string(ConversionName(conversion)).c_str(), "size", "out/in", "hot", "memcpy",
               "hot/memcpy", "fresh", "fill", "fresh/(f+h)", "literal", "x lit.");
  for (const InputKind& kind : InputKinds()) {
    if (kind.conversion != conversion) continue;
    for (const std::size_t size : kSizes) {
      const auto hot = times.Seconds(BenchmarkName(kind, size, Measure::kHot));
      if (!hot) continue;
      const auto fresh = times.Seconds(BenchmarkName(kind, size, Measure::kFresh));
      const auto fill = times.Seconds(BenchmarkName(kind, size, Measure::kFreshFill));
      const auto literal = times.Seconds(BenchmarkName(kind, size, Measure::kLiteral));
      const auto memcpy = times.Seconds(MemcpyBenchmarkName(size));
      const auto speed = [&](std::optional<double> seconds) -> std::optional<double> {
        if (!seconds) return std::nullopt;
        return MBps(size, *seconds);
      };
      std::string hotRatio = "-";
      if (memcpy) {
        const double ratio = *memcpy / *hot;
        hotRatio =
            Number(ratio, "%.3f") + " " + goals.HotGoal(kind, size).Check(ratio, Where(kind, size));
      }
      std::string freshRatio = "-";
      if (fresh && fill) {
        const double ratio = *fresh / (*fill + *hot);
        freshRatio = Number(ratio, "%.2f") + " " + goals.fresh.Check(ratio, Where(kind, size));
      }
      std::optional<double> timesFaster;
      if (literal && fresh) timesFaster = *literal / *fresh;
      const double outIn =
          static_cast<double>(OutputLength(kind, size)) / static_cast<double>(size);
      std::fprintf(out, "  %-12s %-7s %6.3f %8.0f %8s %-10s %8s %8s %-11s %8s %7s\n",
                   std::string(kind.name).c_str(), SizeName(size).c_str(), outIn, MBps(size, *hot),
                   Number(speed(memcpy), "%.0f").c_str(), hotRatio.c_str(),
                   Number(speed(fresh), "%.0f").c_str(), Number(speed(fill), "%.0f").c_str(),
                   freshRatio.c_str(), Number(speed(literal), "%.1f").c_str(),
                   Number(timesFaster, "%.0f").c_str());
    }
  }
}

// Only from 1 MiB up. A smaller input, converted again and again, is partly
// learnt by the branch predictor (hard cases decode up to 2.5 times faster
// at 64 KiB than at 1 MiB), and a small fresh output comes from the heap
// instead of new pages; either would read as growth.
void CheckGrowth(Goals& goals, const BestTimes& times) {
  for (const InputKind& kind : InputKinds()) {
    for (const Measure measure : {Measure::kHot, Measure::kFresh}) {
      for (std::size_t i = 2; i + 1 < kSizes.size(); ++i) {
        const auto small = times.Seconds(BenchmarkName(kind, kSizes[i], measure));
        const auto large = times.Seconds(BenchmarkName(kind, kSizes[i + 1], measure));
        if (!small || !large) continue;
        const double growth =
            (*large / *small) * static_cast<double>(kSizes[i]) / static_cast<double>(kSizes[i + 1]);
        goals.growth.Check(growth, std::string(kind.name) +
                                       (measure == Measure::kHot ? " hot " : " fresh ") +
                                       SizeName(kSizes[i + 1]));
      }
    }
  }
}

void PrintPeakRows(std::FILE* out, const std::vector<PeakRow>& peaks, Goals& goals) {
  if (peaks.empty()) return;
  std::fprintf(out, "\nPeak memory at %s: MiB, and as a multiple of input + output\n",
               SizeName(kLargestSize).c_str());
  std::fprintf(out, "%-21s %7s %7s %7s %8s %7s %-5s %9s %7s\n", "", "input", "output", "limit",
               "peak", "x(i+o)", "", "allocated", "x(i+o)");
  for (const PeakRow& row : peaks) {
    const std::string name =
        std::string(ConversionName(row.kind->conversion)) + " " + std::string(row.kind->name);
    const PeakMemory& peak = row.peak;
    if (!peak.measured) {
      std::fprintf(out, "  %-19s not measured: %s\n", name.c_str(), peak.error.c_str());
      continue;
    }
    const auto mib = [](std::size_t bytes) { return static_cast<double>(bytes) / kMiB; };
    const auto inOut = static_cast<double>(peak.input + peak.output);
    const double limit = kPeakFactor * inOut + kPeakAllowance;
    const std::string where(row.kind->name);
    const char* verdict = goals.peak.Check(static_cast<double>(peak.resident) / limit, where);
    std::fprintf(out, "  %-19s %7.1f %7.1f %7.1f %8.1f %7.3f %-5s %9.1f %7.3f\n", name.c_str(),
                 mib(peak.input), mib(peak.output), limit / kMiB, mib(peak.resident),
                 static_cast<double>(peak.resident) / inOut, verdict, mib(peak.allocated),
                 static_cast<double>(peak.allocated) / inOut);
    if (!peak.highWaterReset) std::fprintf(out, "    (VmHWM could not be reset: an upper bound)\n");
  }
  std::fprintf(out, "%.*s\n", static_cast<int>(PeakMemoryMethod().size()),
               PeakMemoryMethod().data());
}

void PrintInputs(std::FILE* out) {
  std::fprintf(out, "inputs:\n");
  for (const InputKind& kind : InputKinds()) {
    std::fprintf(out, "  %-12s %.*s\n", std::string(kind.name).c_str(),
                 static_cast<int>(kind.description.size()), kind.description.data());
  }
}

}  // namespace

bool PrintReport(std::FILE* out, const RunConditions& conditions, const BestTimes& times,
                 const std::vector<PeakRow>& peaks) {
  std::fprintf(out, "Plimsett conversions against the machine's own limits\n");
  std::fprintf(out, "machine: %s\ndate: %s\nbuild: %s\n", conditions.machine.c_str(),
               conditions.date.c_str(), conditions.build.c_str());
  std::fprintf(out, "load average (1 min): %s before, %s after\n", conditions.loadBefore.c_str(),
               conditions.loadAfter.c_str());
  std::fprintf(out,
               "times: %s.\n"
               "MB/s of input (10^6 bytes). hot: output buffer reused; fresh: a new output,\n"
               "freed again; fill: a new output of the same length, only memset; literal: the\n"
               "primitives composed step by step; x lit.: literal time / fresh time\n",
               conditions.repetitions.c_str());
  PrintInputs(out);
  std::fprintf(out, "\n");
  Goals goals;
  PrintConversionRows(out, Conversion::kEncode, times, goals);
  PrintConversionRows(out, Conversion::kDecode, times, goals);
  CheckGrowth(goals, times);
  PrintPeakRows(out, peaks, goals);

  std::fprintf(out, "\nGoals %-27s %-24s %6s  %-24s\n", "", "scope", "worst", "where");
  for (const Goal* goal :
       {&goals.encodeHot, &goals.encodeHotCached, &goals.decodeHot, &goals.decodeHotHard,
        &goals.decodeHotCached, &goals.fresh, &goals.peak, &goals.growth}) {
    goal->Print(out);
  }
  for (const std::string& error : times.Errors()) std::fprintf(out, "ERROR %s\n", error.c_str());
  return times.Errors().empty();
}

}  // namespace plimsett::bench

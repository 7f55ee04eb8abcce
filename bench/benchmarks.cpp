#include "bench/benchmarks.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <utility>
#include <vector>

#include "core/byte_set_text.h"
#include "tests/support/literal_composition.h"

namespace plimsett::bench {
namespace {

constexpr ConversionFunctions kEncode{EncodeByteSetTextInto, EncodeByteSetText,
                                      reference::EncodeByPrimitives};
constexpr ConversionFunctions kDecode{DecodeByteSetTextInto, DecodeByteSetText,
                                      reference::DecodeByPrimitives};

std::string_view MeasureName(Measure measure) {
  switch (measure) {
    case Measure::kHot:
      return "hot";
    case Measure::kFresh:
      return "fresh";
    case Measure::kFreshFill:
      return "fresh-fill";
    case Measure::kLiteral:
      return "literal";
  }
  return "?";
}

// "64MiB": a size as one word of a benchmark name.
std::string SizeTag(std::size_t size) {
  std::string name = SizeName(size);
  name.erase(name.find(' '), 1);
  return name;
}

void CountBytes(benchmark::State& state, std::size_t size) {
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(size));
}

void RunHot(benchmark::State& state, const InputKind* kind, std::size_t size) {
  const Text& input = Input(*kind, size);
  const ConversionFunctions& functions = FunctionsOf(kind->conversion);
  Text output;
  functions.into(input, output);  // the buffer reaches its size untimed
  for (auto _ : state) {
    functions.into(input, output);
    benchmark::DoNotOptimize(output.data());
    benchmark::ClobberMemory();
  }
  CountBytes(state, size);
}

// The result is freed inside the timing, as a click frees it too.
void RunFresh(benchmark::State& state, const InputKind* kind, std::size_t size) {
  const Text& input = Input(*kind, size);
  const ConversionFunctions& functions = FunctionsOf(kind->conversion);
  for (auto _ : state) {
    Text output = functions.fresh(input);
    benchmark::DoNotOptimize(output.data());
    benchmark::ClobberMemory();
  }
  CountBytes(state, size);
}

// The least a fresh result can cost: memory of its length from the same
// allocator, every page of it touched, and freed again.
void RunFreshFill(benchmark::State& state, const InputKind* kind, std::size_t size) {
  const std::size_t length = OutputLength(*kind, size);
  for (auto _ : state) {
    Text output(length, '\0');
    benchmark::DoNotOptimize(output.data());
    benchmark::ClobberMemory();
  }
  CountBytes(state, size);
}

void RunLiteral(benchmark::State& state, const InputKind* kind, std::size_t size) {
  const Text& input = Input(*kind, size);
  const ConversionFunctions& functions = FunctionsOf(kind->conversion);
  // A comparison is only worth making between equal results.
  if (functions.literal(input) != functions.fresh(input)) {
    state.SkipWithError("the fused conversion differs from the literal composition");
    return;
  }
  for (auto _ : state) {
    Text output = functions.literal(input);
    benchmark::DoNotOptimize(output.data());
    benchmark::ClobberMemory();
  }
  CountBytes(state, size);
}

void RunMemcpy(benchmark::State& state, std::size_t size) {
  std::vector<char> from(size, 'x');
  std::vector<char> to(size, 'y');
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), size);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  CountBytes(state, size);
}

template <typename... Args>
void Register(const std::string& name, Args&&... args) {
  benchmark::RegisterBenchmark(name.c_str(), std::forward<Args>(args)...)
      ->Unit(benchmark::kMicrosecond);
}

}  // namespace

const ConversionFunctions& FunctionsOf(Conversion conversion) {
  return conversion == Conversion::kEncode ? kEncode : kDecode;
}

std::string_view ConversionName(Conversion conversion) {
  return conversion == Conversion::kEncode ? "encode" : "decode";
}

std::size_t OutputLength(const InputKind& kind, std::size_t size) {
  static std::map<std::pair<const InputKind*, std::size_t>, std::size_t> lengths;
  const auto [at, isNew] = lengths.try_emplace({&kind, size}, 0);
  if (isNew) at->second = FunctionsOf(kind.conversion).fresh(Input(kind, size)).size();
  return at->second;
}

std::string BenchmarkName(const InputKind& kind, std::size_t size, Measure measure) {
  std::string name(ConversionName(kind.conversion));
  name.append("/").append(kind.name).append("/").append(SizeTag(size));
  return name.append("/").append(MeasureName(measure));
}

std::string MemcpyBenchmarkName(std::size_t size) { return "memcpy/" + SizeTag(size); }

void PrepareInputs() {
  for (const std::size_t size : kSizes) {
    for (const InputKind& kind : InputKinds()) OutputLength(kind, size);
  }
}

void RegisterBenchmarks() {
  for (const std::size_t size : kSizes) {
    Register(MemcpyBenchmarkName(size), RunMemcpy, size);
    for (const InputKind& kind : InputKinds()) {
      Register(BenchmarkName(kind, size, Measure::kHot), RunHot, &kind, size);
      Register(BenchmarkName(kind, size, Measure::kFresh), RunFresh, &kind, size);
      Register(BenchmarkName(kind, size, Measure::kFreshFill), RunFreshFill, &kind, size);
      if (size <= kLiteralLimit) {
        Register(BenchmarkName(kind, size, Measure::kLiteral), RunLiteral, &kind, size);
      }
    }
  }
}

}  // namespace plimsett::bench

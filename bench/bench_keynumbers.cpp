#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <unordered_set>

#include "records/QuorvDat.h"

namespace {

// How the keys of a class read from a file are spread.
enum KeyPattern : int {
  kOneKeyForAll = 0,     // every pupil carries the same key
  kRandomDuplicates = 1, // random keys from a range a quarter of the class wide
  kRandomDistinct = 2,   // random 32-bit keys, no two alike
  kTwoOrThreeEach = 3,   // every key carried two or three times
};

quorv::TDB2 ClassWithKeys(int n, int pattern) {
  quorv::TDB2 pupils(static_cast<std::size_t>(n), quorv::ZeroPupilRecord());
  std::mt19937 random(4711);
  std::unordered_set<std::int32_t> used;
  for (int i = 0; i < n; ++i) {
    std::int32_t key = 1;
    switch (pattern) {
      case kRandomDuplicates:
        key = static_cast<std::int32_t>(random() % static_cast<std::uint32_t>(std::max(1, n / 4)));
        break;
      case kRandomDistinct:
        do key = static_cast<std::int32_t>(random());
        while (!used.insert(key).second);
        break;
      case kTwoOrThreeEach:
        key = (i % (n / 3 + 1)) + 1;
        break;
      default:
        break;
    }
    pupils[static_cast<std::size_t>(i)].KeyNumber = key;
  }
  return pupils;
}

// range(0): pupils; range(1): the key pattern.
void BM_MakeKeyNumbersUnique(benchmark::State& state) {
  const quorv::TDB2 original = ClassWithKeys(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  // Copied back into the same storage, so that no allocation or release is timed.
  quorv::TDB2 pupils = original;
  for (auto _ : state) {
    state.PauseTiming();
    std::copy(original.begin(), original.end(), pupils.begin());
    state.ResumeTiming();
    quorv::MakeKeyNumbersUnique(pupils);
    benchmark::DoNotOptimize(pupils.data());
  }
}
BENCHMARK(BM_MakeKeyNumbersUnique)
    ->ArgNames({"pupils", "pattern"})
    ->ArgsProduct({{1000, 65535}, {kOneKeyForAll, kRandomDuplicates, kRandomDistinct, kTwoOrThreeEach}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

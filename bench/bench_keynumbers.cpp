#include <benchmark/benchmark.h>

#include "records/QuorvDat.h"

namespace {

// A class in which every key is carried twice or three times, the worst case
// for the repair: about two thirds of the records need a new number.
quorv::TDB2 ClassWithDuplicates(int n) {
  quorv::TDB2 pupils(static_cast<std::size_t>(n), quorv::ZeroPupilRecord());
  for (int i = 0; i < n; ++i) pupils[static_cast<std::size_t>(i)].KeyNumber = (i % (n / 3 + 1)) + 1;
  return pupils;
}

void BM_MakeKeyNumbersUnique(benchmark::State& state) {
  const quorv::TDB2 original = ClassWithDuplicates(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    quorv::TDB2 pupils = original;
    state.ResumeTiming();
    quorv::MakeKeyNumbersUnique(pupils);
    benchmark::DoNotOptimize(pupils.data());
  }
}
BENCHMARK(BM_MakeKeyNumbersUnique)->Arg(1000)->Arg(65535)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

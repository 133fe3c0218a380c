#include <benchmark/benchmark.h>

#include <string>

#include "records/TextWrap.h"

namespace {

// A full learning-development text: 2000 characters of words and paragraphs.
std::string FullText() {
  std::string text;
  const char* words[] = {"Sie ", "arbeitet ", "im ", "Unterricht ", "aufmerksam ", "mit.\r\n"};
  for (int i = 0; text.size() < 2000; ++i) text += words[i % 6];
  text.resize(2000);
  return text;
}

void BM_WrapAndStrike(benchmark::State& state) {
  const std::string text = FullText();
  quorv::TTextLines lines{};
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    quorv::WrapAndStrike(text, n, lines, 90, quorv::StrikeFillLines, "-");
    benchmark::DoNotOptimize(lines.data());
  }
}
BENCHMARK(BM_WrapAndStrike)->Arg(5)->Arg(25);

}  // namespace

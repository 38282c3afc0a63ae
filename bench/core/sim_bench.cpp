// Simulated games per second, without the trace: the core's speed figure.
#include <benchmark/benchmark.h>

#include "simulator.h"

namespace {

void BM_SimulatedGames(benchmark::State& state) {
  vantorn::sim::RandomPermutations random(7);
  vantorn::sim::Options options;
  options.games = state.range(0);
  options.queue = false;
  std::int64_t games = 0;
  for (auto _ : state) {
    vantorn::sim::Summary summary;
    std::string error;
    vantorn::sim::run(options, [&](std::string&) { return std::optional(random.next()); }, {},
                      summary, error);
    games += summary.games;
    benchmark::DoNotOptimize(summary);
  }
  state.counters["games/s"] = benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SimulatedGames)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_Decide(benchmark::State& state) {
  using namespace vantorn::core;
  std::array<CardSlot, 12> hand{};
  const int numbers[] = {9, 10, 13, 17, 21, 25, 6};
  for (std::size_t i = 0; i < 7; ++i) hand[i] = CardSlot::of(deckCard(numbers[i], 1));
  for (auto _ : state) benchmark::DoNotOptimize(decide(deckCard(4, 1), hand, kNoSuit));
}
BENCHMARK(BM_Decide);

}  // namespace

BENCHMARK_MAIN();

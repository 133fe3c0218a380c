#include "platform/Random.h"

#include <chrono>
#include <random>

namespace platform {
namespace {
std::mt19937& Engine() {
  static std::mt19937 engine(12345u);
  return engine;
}
}  // namespace

void SeedRandom(std::uint32_t seed) { Engine().seed(seed); }

void SeedRandomFromClock() {
  SeedRandom(static_cast<std::uint32_t>(
      std::chrono::system_clock::now().time_since_epoch().count()));
}

int RandomInRange(int lo, int hi) {
  std::uniform_int_distribution<int> dist(lo, hi);
  return dist(Engine());
}

}  // namespace platform

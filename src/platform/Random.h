#pragma once
#include <cstdint>

namespace platform {

// The program's pseudo-random source; tests seed it for repeatable runs.
void SeedRandom(std::uint32_t seed);
void SeedRandomFromClock();
// A whole number in lo..hi (both included).
int RandomInRange(int lo, int hi);

}  // namespace platform

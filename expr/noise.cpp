#include "expr/noise.h"

#include <atomic>

namespace {

std::atomic<std::uint32_t> seed{0};

constexpr std::uint32_t kMultiplier = 134775813u;
constexpr std::uint32_t kUniformSteps = 2000000000u; // 2e9 steps of 1e-9 over [-1, 1)
constexpr std::uint32_t kBellSteps = 999999999u;     // u runs over 1e-9 .. 0.999999999
constexpr extended kStep = 1e9L;

} // namespace

std::uint32_t drawBelow(std::uint32_t n)
{
    // One evaluating thread at a time: a load and a store, no read-modify-write needed.
    const std::uint32_t next = seed.load(std::memory_order_relaxed) * kMultiplier + 1u;
    seed.store(next, std::memory_order_relaxed);
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(next) * n) >> 32);
}

void resetRandomGenerator() { setRandomSeed(0); }

void setRandomSeed(std::uint32_t value) { seed.store(value, std::memory_order_relaxed); }

extended uniformNoise() { return static_cast<extended>(drawBelow(kUniformSteps)) / kStep - 1; }

extended bellNoise()
{
    const extended u = (static_cast<extended>(drawBelow(kBellSteps)) + 1) / kStep;
    // Approximates the inverse error function of u; the last term makes rare large values.
    extended m = ((((((43.079L * u - 111.96L) * u + 110.34L) * u - 50.355L) * u + 10.71L) * u +
                   0.0069L) * u + 0.0155L) + 0.001L / (1 - u);
    if (u < 0.02L)
        m = 50 * u * m;
    return drawBelow(2) == 1 ? m : -m;
}

#include "expr/noise.h"

#include <atomic>

namespace {

std::atomic<std::uint32_t> seed{0};

constexpr std::uint32_t kMultiplier = 134775813u;
constexpr std::uint32_t kUniformSteps = 2000000000u; // 2e9 steps of 1e-9 over [-1, 1)
constexpr std::uint32_t kBellSteps = 999999999u;     // u runs over 1e-9 .. 0.999999999
constexpr extended kStep = 1e9L;

std::uint32_t step()
{
    // One evaluating thread at a time: a load and a store, no read-modify-write needed.
    const std::uint32_t next = seed.load(std::memory_order_relaxed) * kMultiplier + 1u;
    seed.store(next, std::memory_order_relaxed);
    return next;
}

} // namespace

std::uint32_t drawBelow(std::uint32_t n) { return scaledDraw(step(), n); }

void resetRandomGenerator() { setRandomSeed(0); }

void setRandomSeed(std::uint32_t value) { seed.store(value, std::memory_order_relaxed); }

void takeSeeds(std::uint32_t* out, std::size_t count)
{
    std::uint32_t s = seed.load(std::memory_order_relaxed);
    for (std::size_t k = 0; k < count; ++k) {
        s = s * kMultiplier + 1u;
        out[k] = s;
    }
    seed.store(s, std::memory_order_relaxed);
}

extended uniformNoiseFrom(std::uint32_t state)
{
    return static_cast<extended>(scaledDraw(state, kUniformSteps)) / kStep - 1;
}

extended bellNoiseFrom(std::uint32_t magnitudeState, std::uint32_t signState)
{
    const extended u = (static_cast<extended>(scaledDraw(magnitudeState, kBellSteps)) + 1) / kStep;
    // Approximates the inverse error function of u; the last term makes rare large values.
    extended m = ((((((43.079L * u - 111.96L) * u + 110.34L) * u - 50.355L) * u + 10.71L) * u +
                   0.0069L) * u + 0.0155L) + 0.001L / (1 - u);
    if (u < 0.02L)
        m = 50 * u * m;
    return scaledDraw(signState, 2) == 1 ? m : -m;
}

extended uniformNoise() { return uniformNoiseFrom(step()); }

extended bellNoise()
{
    const std::uint32_t magnitude = step();
    return bellNoiseFrom(magnitude, step());
}

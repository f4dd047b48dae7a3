// The program's random generator and the two noise sources built on it. The generator is one
// 32-bit linear congruential seed for the whole program, 0 at start and never seeded from the
// clock, so every run draws the same sequence. The seed is kept race-free (a relaxed atomic);
// runs that evaluate one after another see one continuing sequence.
//
// A draw steps the seed and scales the new seed to the range asked for, so a block evaluation
// may take the next states of the generator in advance (`takeSeeds`) and turn each into the value
// the draw at that place in the sequence would have given.
#pragma once

#include "core/extended.h"

#include <cstddef>
#include <cstdint>

// Steps the seed (seed * 134775813 + 1 modulo 2^32) and gives floor(seed * n / 2^32), in 0..n-1.
std::uint32_t drawBelow(std::uint32_t n);
// Back to seed 0, the state at program start.
void resetRandomGenerator();
// Puts the generator at a given seed.
void setRandomSeed(std::uint32_t value);
// Steps the seed `count` times and writes the states in order, as `count` draws would.
void takeSeeds(std::uint32_t* out, std::size_t count);

// What a draw below n gives when the step leads to `state`.
inline std::uint32_t scaledDraw(std::uint32_t state, std::uint32_t n)
{
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(state) * n) >> 32);
}

// One draw: uniform on [-1, 1) in steps of 1e-9.
extended uniformNoise();
// Two draws: a bell-shaped value with mean 0 and a standard deviation of about 0.71.
extended bellNoise();
// The same values from the generator states their draws lead to.
extended uniformNoiseFrom(std::uint32_t state);
extended bellNoiseFrom(std::uint32_t magnitudeState, std::uint32_t signState);

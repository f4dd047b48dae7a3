// The program's random generator and the two noise sources built on it. The generator is one
// 32-bit linear congruential seed for the whole program, 0 at start and never seeded from the
// clock, so every run draws the same sequence. The seed is kept race-free (a relaxed atomic);
// runs that evaluate one after another see one continuing sequence.
#pragma once

#include "core/extended.h"

#include <cstdint>

// Steps the seed (seed * 134775813 + 1 modulo 2^32) and gives floor(seed * n / 2^32), in 0..n-1.
std::uint32_t drawBelow(std::uint32_t n);
// Back to seed 0, the state at program start.
void resetRandomGenerator();
// Puts the generator at a given seed.
void setRandomSeed(std::uint32_t value);

// One draw: uniform on [-1, 1) in steps of 1e-9.
extended uniformNoise();
// Two draws: a bell-shaped value with mean 0 and a standard deviation of about 0.71.
extended bellNoise();

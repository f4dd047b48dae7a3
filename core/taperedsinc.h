// The tapered-sinc sums behind a variable's interpolated reads of order 1 .. kMaxSteppedOrder.
// A read at grid position i + f (0 <= f <= 1) weighs its 2n neighbours by the kernel
//     K(d) = (2 sin(pi d) / (pi d)) * 2 / (1 + e^(0.01 pi d))
// of their distances d (f + j on the left, 1 - f + j on the right), and divides by the weights'
// sum; a distance under kFlatLimit weighs exactly 1. The sums run in extended precision on the
// x87 stack and agree with that formula, evaluated neighbour by neighbour, to a few units in the
// last place of the samples' peak. Samples are read periodically around the array's end.
#pragma once

#include "core/extended.h"

#include <cstdint>
#include <vector>

namespace taperedsinc {

inline constexpr int kMaxSteppedOrder = 128; // larger orders evaluate the kernel per neighbour
inline constexpr extended kFlatLimit = 0.001L;   // distances below this weigh exactly 1
inline constexpr extended kWeightSeed = 1e-100L; // keeps the normalising division defined

// One read of `re` (and of `im`, when not null) at position i + f, 0 <= i < size, with `order`
// neighbours on each side; the weights are computed once for both parts.
complexValue read(const std::vector<extended>& re, const std::vector<extended>* im, std::int64_t i,
                  extended f, int order);

// Two reads that share their weights: A at iA + f and B at iB + (1 - f), whose neighbours lie at
// the same distances with the sides swapped, kFlatLimit <= f <= 1 - kFlatLimit.
struct mirroredReads {
    extended a = 0;
    extended b = 0;
};
mirroredReads readMirrored(const std::vector<extended>& samples, std::int64_t iA, std::int64_t iB,
                           extended f, int order);

// The same two reads of both parts of a complex signal (re and im of one size): the weights are
// computed once for the four sums, and each part gets the same bits as a readMirrored of it.
struct mirroredComplexReads {
    mirroredReads re;
    mirroredReads im;
};
mirroredComplexReads readMirrored(const std::vector<extended>& re, const std::vector<extended>& im,
                                  std::int64_t iA, std::int64_t iB, extended f, int order);

} // namespace taperedsinc

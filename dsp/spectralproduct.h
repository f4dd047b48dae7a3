// The spectral core of correlation and convolution: both operands placed in sequences of the
// transform length, transformed, multiplied bin by bin, and the product transformed forward once
// more, which reverses it. Two complex operands take three transforms of the full length, exactly
// as the arithmetic is described (the same bits as ever). Two real operands share one transform
// as the real and the imaginary part of one sequence, and the real result comes out of a
// transform of half the length, its even samples as real parts and its odd ones as imaginary
// parts: a different arrangement of the same sums, as exact, at half the cost.
#pragma once

#include "core/variable.h"
#include "dsp/samplebuffer.h"

#include <cstddef>

enum class spectralOperation {
    // A = x1 and B = x2, both reversed about index 0 (x[0] at 0, x[k] at a - k); result / a.
    convolution,
    // A = x1 in natural order, B = x2 reversed about index 0; result / a / a * 2.
    correlation,
};

// Writes `count` samples of the operation on a transform length `length` (a power of two at
// least the two counts together) into out.values; count and complex flag are the caller's.
void spectralProduct(spectralOperation operation, const tdspvar& x1, const tdspvar& x2,
                     std::size_t length, std::size_t count, sampleBuffer& out);

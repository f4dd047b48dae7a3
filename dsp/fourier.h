// The discrete Fourier transform of a signal variable of any length, on the radix-2 transform of
// dsp/radix2.h (which every spectral operation rests on). A length that is not a
// power of two is resampled (order-50 tapered sinc) to the next power of two, transformed, and its
// spectrum folded back onto N bins; that path is an approximation by design, exact for powers of
// two. Everything runs in extended precision; the plan and the work buffer of each length are kept
// between calls (dsp/keptplans.h), so a call on a length used before allocates nothing.
#pragma once

#include "core/extended.h"
#include "core/variable.h"
#include "dsp/radix2.h"
#include "dsp/samplebuffer.h"

enum class fourierDirection { direct, inverse };

// Writes the transform of `source` into `out`: count N, always complex.
//   direct:  X[k] = sum_n x[n] e^(-j 2 pi k n / N)
//   inverse: x[n] = (1/N) sum_k X[k] e^(+j 2 pi k n / N)
// exact (up to rounding) when N is a power of two, otherwise through resampling and folding.
// An empty source gives an empty result.
void fourierTransform(const tdspvar& source, fourierDirection direction, sampleBuffer& out);

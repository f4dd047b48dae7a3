// The discrete Fourier transform: the in-place radix-2 transform on which every spectral
// operation rests, and the transform of a signal variable of any length. A length that is not a
// power of two is resampled (order-50 tapered sinc) to the next power of two, transformed, and its
// spectrum folded back onto N bins; that path is an approximation by design, exact for powers of
// two. Everything runs in extended precision on the calling thread; the work buffers are reused
// between calls and only grow, so a caller keeps one `transformWork` per thread.
#pragma once

#include "core/extended.h"
#include "core/variable.h"
#include "dsp/samplebuffer.h"

#include <span>
#include <vector>

// Work buffers of the spectral operations (the resampled signal, the two operands of a
// correlation or convolution). Grown to the transform length when shorter, never shrunk; each
// call rewrites what it uses.
struct transformWork {
    std::vector<complexValue> a;
    std::vector<complexValue> b;
};

// The program-wide work buffers that the processing dialog uses on the GUI thread.
transformWork& theTransformWork();

// Replaces x by its forward transform X[k] = sum_n x[n] e^(-j 2 pi k n / a), unnormalised, where
// a = x.size() is a power of two (1 leaves the sample unchanged). Bit reversal, then log2(a)
// stages of butterflies t = x[i+d]*r, x[i+d] = x[i]-t, x[i] = x[i]+t, the twiddle r of each stage
// advancing by one complex product per step from 1 (no sine or cosine per twiddle). The loops run
// in a cache-friendly order; every butterfly does the same arithmetic on the same values as the
// stage-by-stage order would. A size that is not a power of two leaves x unchanged.
void radix2Transform(std::span<complexValue> x);

enum class fourierDirection { direct, inverse };

// Writes the transform of `source` into `out`: count N, always complex.
//   direct:  X[k] = sum_n x[n] e^(-j 2 pi k n / N)
//   inverse: x[n] = (1/N) sum_k X[k] e^(+j 2 pi k n / N)
// exact (up to rounding) when N is a power of two, otherwise through resampling and folding.
// An empty source gives an empty result.
void fourierTransform(const tdspvar& source, fourierDirection direction, sampleBuffer& out,
                      transformWork& work = theTransformWork());

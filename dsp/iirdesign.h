// IIR filters from analog prototypes, for the design dialog: the Butterworth or Chebyshev type I
// low-pass prototype of the given order, moved to the band by the usual low-pass to low-pass,
// high-pass, band-pass or band-stop substitutions at cutoffs prewarped by tan(pi f), mapped to
// z by the bilinear transform, and multiplied out into b and a (a[0] = 1). The poles and zeros
// are computed in extended precision before they are multiplied out.
#pragma once

#include "dsp/filterdesign.h"

enum class iirFamily { butterworth, chebyshev1 };

// Low- and high-pass filters take orders up to 50; band-pass and band-stop filters double the
// order, so they take up to 25 and every design stays within kMaxAnalysedOrder.
inline constexpr int kMaxIirOrder = 50;
inline constexpr int kMaxIirBandOrder = 25;
// The Chebyshev passband ripple, in dB, is above 0 and at most this.
inline constexpr extended kMaxRippleDb = 100;

// `rippleDb` is the Chebyshev filter's passband ripple; a Butterworth design ignores it. The
// cutoff of a Chebyshev filter is where its gain leaves the ripple band.
filterDesign designIir(const filterParameters& parameters, iirFamily family, extended rippleDb);

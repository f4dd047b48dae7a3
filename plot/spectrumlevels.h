// The levels a spectrum view draws: 20 log10 |X| in dB for each shown position of a spectrum
// axis, clipped at a floor a fixed range below the peak.
//
// The levels are of X exactly as the program stores a transform result: the direct transform is
// unnormalised, X[k] = sum_n x[n] e^(-j 2 pi k n / N) (dsp/fourier.h), so a sine of amplitude A
// on a bin reads A N / 2, 20 log10(A N / 2) dB: 54.19 dB for amplitude 1 over 1024 samples. A
// level therefore grows with the length of the signal; nothing here divides by N.
//
// The modulus is a scaled hypotenuse, so parts of 1e-4000 or 1e4932 neither vanish nor overflow.
// A bin that is not a number has no level (NaN: the view leaves a gap); an infinite one stands
// above every finite level. The peak and the floor come from the finite moduli only, and a
// spectrum without a nonzero finite bin (an all-zero signal) takes 0 dB as its peak, so that its
// bins lie on a floor of -120 dB instead of at minus infinity.
#pragma once

#include "core/extended.h"
#include "plot/spectrumaxis.h"

#include <span>
#include <vector>

inline constexpr extended kDefaultDecibelRange = 120; // the floor lies this far below the peak

// |re + j im| without overflow or underflow of the squares.
extended modulusOf(extended re, extended im);
// 20 log10 of a modulus: minus infinity for 0, NaN for NaN.
extended decibelsOf(extended modulus);

struct spectrumLevels {
    std::vector<extended> level; // dB at each shown position, at least floorDb, NaN for a gap
    extended peakDb = 0;         // the largest finite level before clipping
    extended floorDb = -kDefaultDecibelRange;
};

// The levels of a transform result held as real parts `re` and imaginary parts `im` (empty for a
// real variable; otherwise as many as `re`) in the order `axis` shows them. `range` is how far
// below the peak the floor lies; one that is not a positive finite number counts as the default.
spectrumLevels computeSpectrumLevels(const spectrumAxis& axis, std::span<const extended> re,
                                     std::span<const extended> im,
                                     extended range = kDefaultDecibelRange);

// FIR filters by the window method, for the design dialog: the ideal response's impulse response
// (a sum of sincs, one band each) cut to order + 1 taps about its centre, weighted by one of the
// program's five windows read symmetrically (tap n at t = n / order), and scaled to unit gain at
// the centre of the first passband (0 for low-pass and band-stop, the Nyquist frequency for
// high-pass, the middle of the band for band-pass), as the common window-method designs do.
// Every window is the program's own definition (expr/windows.h); Hamming, Hanning, Bartlett and
// Dirichlet equal the classical symmetric windows, Blackman is the program's 0.33/0.67 variant.
#pragma once

#include "dsp/filterdesign.h"

// The window name list's order.
enum class windowShape { dirichlet, bartlett, hamming, hanning, blackman };

inline constexpr int kMaxFirOrder = 1000;

// The taps as b (a = 1). High-pass and band-stop filters pass the Nyquist frequency, which a
// filter with an odd order (an even number of taps) cannot: those are refused.
filterDesign designWindowedFir(const filterParameters& parameters, windowShape window);

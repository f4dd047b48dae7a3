// The processing operations: windowing, autocorrelation, resampling, correlation, sum, product,
// the Fourier transform and convolution of signal variables. Each reads one or two variables
// (a real variable reads with imaginary parts 0, indices wrap periodically) and writes its result
// (count, complex samples, complex flag) into a sample buffer; no variable is touched.
//
// The processing dialog calls `runProcessing` on the GUI thread at every change and draws or
// commits the buffer afterwards. Result counts and complex flags by processing type:
//   1 windowing        N1           complex when x1 is
//   2 autocorrelation  N1           complex when x1 is
//   3 resampling       M            complex when x1 is
//   4 correlation      N1           complex when x1 or x2 is
//   5 sum              N1           complex when x1 or x2 is
//   6 product          N1           complex when x1 or x2 is
//   7 Fourier          N1           always complex
//   8 convolution      N1 + N2      complex when x1 or x2 is
//   9 filter           N1           complex when x1 is (empty when the system is refused)
// The spectral ones (2, 4, 7, 8) run on the plans and work buffers kept for their transform
// length (dsp/keptplans.h); two real operands share their transforms (dsp/spectralproduct.h).
// No result exceeds kMaxVariableSamples: a convolution whose N1 + N2 would is refused and leaves
// the buffer empty.
#pragma once

#include <cstdint>

#include "core/variable.h"
#include "dsp/differencefilter.h"
#include "dsp/fourier.h"
#include "dsp/samplebuffer.h"

// The processing type that a main-window command stores on the processing dialog.
enum class processingType {
    windowing = 1,
    autocorrelation = 2,
    resampling = 3,
    correlation = 4,
    sum = 5,
    product = 6,
    fourier = 7,
    convolution = 8,
    filter = 9, // by H(z), the difference equation from a zero state
};

// Everything one recomputation needs. `operand` is the second variable of types 4, 5, 6 and 8
// (when it is missing those read an empty variable, that is zeros); `windowIndex` is the window
// of type 1 (0..4), `direction` the transform of type 7; `length` is the requested count M of
// type 3 (clamped to 1..65536). `system` is the H(z) of type 9 (none: refused as a zero
// denominator), and `filterReport`, when given, receives what the filter said of it.
struct processingRequest {
    processingType type = processingType::fourier;
    const tdspvar* source = nullptr;
    const tdspvar* operand = nullptr;
    int windowIndex = 0;
    fourierDirection direction = fourierDirection::direct;
    int length = 128;
    const transferFunction* system = nullptr;
    filterOutcome* filterReport = nullptr;
};

// The number of samples the request's result has (0 without a source).
std::int64_t resultCount(const processingRequest& request);

// Runs the request's operation into `out`. Without a source, or when the result would exceed
// kMaxVariableSamples, the result is empty and real; returns false in that second case.
bool runProcessing(const processingRequest& request, sampleBuffer& out);

// The single operations. Each sets out.count, out.values[0 .. count) and out.isComplex.

// out[i] = w(i/N1) * x1[i], w the window at `windowIndex` of the window name list
// (0 Dirichlet, 1 Bartlett, 2 Hamming, 3 Hanning, 4 Blackman; any other index Dirichlet).
void applyWindow(const tdspvar& x1, int windowIndex, sampleBuffer& out);

// M samples of x1 read by linear interpolation at i/M (the sample after the last is sample 0).
void resampleVariable(const tdspvar& x1, int length, sampleBuffer& out);

// r[l] = (2/b) sum_j x1[j] * x2p[(j + l) mod b], l < N1, with x2p = x2 followed by zeros to the
// length b = next power of two >= N1 + N2. No conjugation: the linear cross-correlation at lags
// 0 .. N2-1, at negative lags l - b for l > b - N1, 0 in between. Autocorrelation is x2 = x1.
void correlate(const tdspvar& x1, const tdspvar& x2, sampleBuffer& out);
void autocorrelate(const tdspvar& x1, sampleBuffer& out);

// out[i] = x1[i] + x2[i mod N2], respectively x1[i] * x2[i mod N2] (complex), i < N1.
void addVariables(const tdspvar& x1, const tdspvar& x2, sampleBuffer& out);
void multiplyVariables(const tdspvar& x1, const tdspvar& x2, sampleBuffer& out);

// The linear convolution, N1 + N2 - 1 samples, then one sample that is 0 (up to rounding).
// Empty when N1 + N2 exceeds kMaxVariableSamples.
void convolve(const tdspvar& x1, const tdspvar& x2, sampleBuffer& out);

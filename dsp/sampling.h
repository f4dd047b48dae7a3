// The sampling run: evaluates an expression tree at x = i/N, 0 <= i < N, into the sample buffer,
// and turns the buffer into a variable's samples. The generation dialog runs `runSampling` on its
// worker thread (the run cannot be cancelled and always fills all N samples) and reads `progress`
// from the GUI thread meanwhile; `fillVariableFromBuffer` runs on the GUI thread after the run.
// The run writes the program-wide current x, so only one run may be in progress at a time.
#pragma once

#include "core/variable.h"
#include "dsp/samplebuffer.h"
#include "expr/mathnode.h"

#include <atomic>

inline constexpr int kMaxSampleCount = 65536;

// The sample count a run uses: n clamped to 1 .. 65536.
int clampSampleCount(int n);

// The progress value shown before sample i of n: i*100/n rounded to the nearest integer, halves
// to even (1 of 8 gives 12, 3 of 8 gives 38).
int samplingProgress(int i, int n);

// Evaluates root at x = i/N for i = 0 .. N-1 (N = clampSampleCount(count)) into buffer.values,
// with buffer.count = N and buffer.isComplex = root.complexFlag(). `progress` is set to
// samplingProgress(i, N) before each sample and to 100 at the end. The buffer's storage only
// grows; a caller that must not have it reallocated on the worker thread calls
// buffer.setCount(clampSampleCount(count)) on its own thread before starting the run.
void runSampling(const mathNode& root, int count, sampleBuffer& buffer, std::atomic<int>& progress);

// Copies buffer.count samples into v (real parts, and imaginary parts only when `complex`), sets
// v's complex flag to `complex` and v.peak to the largest sqrt(re^2 + im^2) over the full complex
// samples (also for a real variable), at least 1e-10. Name and description are the caller's.
void fillVariableFromBuffer(tdspvar& v, const sampleBuffer& buffer, bool complex);

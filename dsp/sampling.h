// The sampling run: evaluates an expression tree at x = i/N, 0 <= i < N, into a sample buffer,
// and turns the buffer into a variable's samples. The generation dialog runs `runSampling` on its
// worker thread and reads `progress` from the GUI thread meanwhile; the worker can ask the run to
// stop, which it notices within one instruction over one block of points.
// `samplesFromBuffer` runs on the GUI thread after the run.
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
// with buffer.count = N and buffer.isComplex = root.complexFlag(), a block of points at a time.
// `progress` is set to samplingProgress(i, N) before the block that starts at sample i and to 100
// at the end. When `stop` is seen set the run returns false at once, its samples incomplete and
// progress where it was. The buffer's storage only grows; a caller that must not have it
// reallocated on the worker thread calls buffer.setCount(clampSampleCount(count)) on its own
// thread before starting the run.
bool runSampling(const mathNode& root, int count, sampleBuffer& buffer, std::atomic<int>& progress,
                 const std::atomic<bool>* stop = nullptr);

// The first buffer.count samples as a variable's samples (imaginary parts only when `complex`),
// their display peak the largest modulus over the full complex samples (also for a real
// variable), at least 1e-10.
signalSamples samplesFromBuffer(const sampleBuffer& buffer, bool complex);

#include "dsp/sampling.h"

#include "expr/evaluator.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr extended kPeakFloor = 1e-10L;

} // namespace

int clampSampleCount(int n)
{
    return n < 1 ? 1 : (n > kMaxSampleCount ? kMaxSampleCount : n);
}

int samplingProgress(int i, int n)
{
    if (n <= 0)
        return 100;
    const std::int64_t scaled = static_cast<std::int64_t>(i) * 100;
    std::int64_t q = scaled / n;
    const std::int64_t twiceRest = 2 * (scaled % n);
    if (twiceRest > n || (twiceRest == n && q % 2 != 0))
        ++q;
    return static_cast<int>(q);
}

bool runSampling(const mathNode& root, int count, sampleBuffer& buffer, std::atomic<int>& progress,
                 const std::atomic<bool>* stop)
{
    const int n = clampSampleCount(count);
    buffer.setCount(n);
    buffer.isComplex = root.complexFlag();
    blockEvaluator evaluator(root);
    for (int first = 0; first < n; first += blockEvaluator::kBlock) {
        progress.store(samplingProgress(first, n), std::memory_order_relaxed);
        const int size = std::min(blockEvaluator::kBlock, n - first);
        if (!evaluator.evaluateSamples(first, size, n, &buffer.values[static_cast<std::size_t>(first)],
                                       stop))
            return false;
    }
    progress.store(100, std::memory_order_relaxed);
    return true;
}

signalSamples samplesFromBuffer(const sampleBuffer& buffer, bool complex)
{
    const int n = buffer.count;
    signalSamples samples;
    samples.resize(n, complex);
    extended peak = kPeakFloor;
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const complexValue s = buffer.values[k];
        samples.re[k] = s.re;
        if (complex)
            samples.im[k] = s.im;
        const extended m = complexModulus(s);
        if (m > peak)
            peak = m;
    }
    samples.peak = peak;
    return samples;
}

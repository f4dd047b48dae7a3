#include "dsp/operations.h"

#include "dsp/spectralproduct.h"
#include "expr/windows.h"

#include <algorithm>
#include <cstdint>

namespace {

using std::size_t;

constexpr int kMaxResampledLength = 65536;

// Sample i of v as a complex pair, the index taken modulo v's count (0 for an empty variable).
complexValue sampleAt(const tdspvar& v, std::int64_t i)
{
    return {v.realSample(i), v.isComplex() ? v.imagSample(i) : 0};
}

void elementwise(const tdspvar& x1, const tdspvar& x2, sampleBuffer& out, bool multiply)
{
    const int n = x1.sampleCount();
    out.setCount(n);
    out.isComplex = x1.isComplex() || x2.isComplex();
    for (int i = 0; i < n; ++i) {
        const complexValue a = sampleAt(x1, i);
        const complexValue b = sampleAt(x2, i);
        out.values[static_cast<size_t>(i)] = multiply ? a * b : a + b;
    }
}

} // namespace

void applyWindow(const tdspvar& x1, int windowIndex, sampleBuffer& out)
{
    const int n = x1.sampleCount();
    out.setCount(n);
    out.isComplex = x1.isComplex();
    for (int i = 0; i < n; ++i) {
        const extended g = windowFunction(windowIndex, static_cast<extended>(i) / n);
        const complexValue s = sampleAt(x1, i);
        out.values[static_cast<size_t>(i)] = {g * s.re, g * s.im};
    }
}

void resampleVariable(const tdspvar& x1, int length, sampleBuffer& out)
{
    const int m = length < 1 ? 1 : (length > kMaxResampledLength ? kMaxResampledLength : length);
    out.setCount(m);
    out.isComplex = x1.isComplex();
    for (int i = 0; i < m; ++i) {
        const extended x = static_cast<extended>(i) / m;
        out.values[static_cast<size_t>(i)] = {x1.interpolatedRealPart(0, x),
                                              x1.interpolatedImagPart(0, x)};
    }
}

void correlate(const tdspvar& x1, const tdspvar& x2, sampleBuffer& out)
{
    const std::int64_t n1 = x1.sampleCount();
    const std::int64_t n2 = x2.sampleCount();
    const auto b = static_cast<size_t>(nextPowerOfTwo(n1 + n2));
    out.setCount(static_cast<int>(n1));
    out.isComplex = x1.isComplex() || x2.isComplex();
    spectralProduct(spectralOperation::correlation, x1, x2, b, static_cast<size_t>(n1), out);
}

void autocorrelate(const tdspvar& x1, sampleBuffer& out)
{
    correlate(x1, x1, out);
}

void addVariables(const tdspvar& x1, const tdspvar& x2, sampleBuffer& out)
{
    elementwise(x1, x2, out, false);
}

void multiplyVariables(const tdspvar& x1, const tdspvar& x2, sampleBuffer& out)
{
    elementwise(x1, x2, out, true);
}

void convolve(const tdspvar& x1, const tdspvar& x2, sampleBuffer& out)
{
    const std::int64_t n1 = x1.sampleCount();
    const std::int64_t n2 = x2.sampleCount();
    if (n1 + n2 > kMaxVariableSamples) {
        out.setCount(0);
        out.isComplex = false;
        return;
    }
    const auto a = static_cast<size_t>(nextPowerOfTwo(n1 + n2));
    const std::int64_t count = n1 + n2;
    out.setCount(static_cast<int>(count));
    out.isComplex = x1.isComplex() || x2.isComplex();
    spectralProduct(spectralOperation::convolution, x1, x2, a, static_cast<size_t>(count), out);
}

std::int64_t resultCount(const processingRequest& request)
{
    if (request.source == nullptr)
        return 0;
    const std::int64_t n1 = request.source->sampleCount();
    switch (request.type) {
    case processingType::resampling: return std::clamp(request.length, 1, kMaxResampledLength);
    case processingType::convolution:
        return n1 + (request.operand != nullptr ? request.operand->sampleCount() : 0);
    default: return n1;
    }
}

bool runProcessing(const processingRequest& request, sampleBuffer& out)
{
    const bool fits = resultCount(request) <= kMaxVariableSamples;
    if (request.source == nullptr || !fits) {
        out.setCount(0);
        out.isComplex = false;
        return fits;
    }
    const tdspvar& x1 = *request.source;
    static const tdspvar empty;
    const tdspvar& x2 = request.operand != nullptr ? *request.operand : empty;
    switch (request.type) {
    case processingType::windowing: applyWindow(x1, request.windowIndex, out); return true;
    case processingType::autocorrelation: autocorrelate(x1, out); return true;
    case processingType::resampling: resampleVariable(x1, request.length, out); return true;
    case processingType::correlation: correlate(x1, x2, out); return true;
    case processingType::sum: addVariables(x1, x2, out); return true;
    case processingType::product: multiplyVariables(x1, x2, out); return true;
    case processingType::fourier:
        fourierTransform(x1, request.direction, out);
        return true;
    case processingType::convolution: convolve(x1, x2, out); return true;
    case processingType::filter: {
        static const transferFunction refused;
        const filterOutcome outcome = filterVariable(request.system ? *request.system : refused, x1, out);
        if (outcome.problem != systemProblem::none) {
            out.setCount(0);
            out.isComplex = false;
        }
        if (request.filterReport != nullptr)
            *request.filterReport = outcome;
        return true;
    }
    }
    out.setCount(0);
    out.isComplex = false;
    return true;
}

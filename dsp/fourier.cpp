#include "dsp/fourier.h"

#include "dsp/keptplans.h"

#include <cstddef>

void fourierTransform(const tdspvar& source, fourierDirection direction, sampleBuffer& out)
{
    using std::size_t;
    const int n = source.sampleCount();
    out.setCount(n);
    out.isComplex = true;
    if (n <= 0)
        return;
    const bool inverse = direction == fourierDirection::inverse;
    const auto a = static_cast<size_t>(nextPowerOfTwo(n));
    const auto count = static_cast<size_t>(n);
    const extended conjugate = inverse ? -1 : 1;

    // Folding onto n bins: non-negative frequencies from the bottom, negative ones (the bin a/2
    // included) onto the top; where the two ranges overlap their contributions add up. Each bin
    // starts from 0 and adds its contributions in that order, then it is divided by a and
    // multiplied by n (direct) or conjugated (inverse). a is a power of two, so the product with
    // its exact reciprocal is the quotient, bit for bit. The bins arrive in increasing order, so
    // a low bin that a high one adds to waits unscaled in the output until then.
    const size_t half = a / 2;
    const size_t shift = a - count; // bin k >= half lands on output k - shift
    const extended reciprocal = 1 / static_cast<extended>(a);
    const auto samples = static_cast<extended>(n);
    complexValue* o = out.values.data();
    const auto scaled = [&](const complexValue& bin) {
        return inverse ? complexValue{bin.re * reciprocal, -(bin.im * reciprocal)}
                       : complexValue{bin.re * reciprocal * samples, bin.im * reciprocal * samples};
    };
    const auto fold = [&](size_t k, const complexValue& v) {
        if (k < half) {
            const complexValue bin = complexValue{} + v;
            o[k] = k + half >= count ? bin : scaled(bin);
        } else {
            const size_t target = k - shift;
            o[target] = scaled((target < half ? o[target] : complexValue{}) + v);
        }
    };

    // A real variable has no imaginary parts; they read as 0.
    const bool complex = source.imag().size() == count;
    if (a == 1) {
        o[0] = scaled({source.real()[0], conjugate * (complex ? source.imag()[0] : 0)});
        return;
    }
    keptPlan kept(a);
    if (a == count) {
        // A power-of-two length takes its samples as they are; the inverse reads the conjugate.
        const extended* re = source.real().data();
        const extended* im = complex ? source.imag().data() : nullptr;
        kept.plan().run([&](size_t i) { return complexValue{re[i], conjugate * (im ? im[i] : 0)}; }, fold);
        return;
    }
    // Resampling onto a points (order-50 sinc), the inverse reading the conjugate.
    constexpr int kResamplingOrder = 50;
    complexValue* w = kept.work(0);
    source.resampleOnto(kResamplingOrder, {w, a});
    if (inverse)
        kept.plan().run([&](size_t i) { return complexValue{w[i].re, conjugate * w[i].im}; }, fold);
    else
        kept.plan().run([&](size_t i) { return w[i]; }, fold);
}

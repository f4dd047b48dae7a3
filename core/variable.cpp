#include "core/variable.h"

#include "core/taperedsinc.h"
#include "core/twoparts.h"

#include <cmath>

namespace {

constexpr extended kExactPositionLimit = 1e-5L; // closer than this to a grid point reads the sample
constexpr extended kTaperRate = 0.01L;          // taper 2 / (1 + e^(0.01 pi |t|))

std::int64_t wrapIndex(std::int64_t index, std::int64_t count)
{
    const std::int64_t m = index % count;
    return m < 0 ? m + count : m;
}

// The kernel evaluated for every neighbour, for orders beyond the stepped ones.
extended directSinc(const std::vector<extended>& samples, int order, extended p, std::int64_t i)
{
    const auto count = static_cast<std::int64_t>(samples.size());
    extended sum = 0;
    extended weight = taperedsinc::kWeightSeed;
    std::int64_t m = wrapIndex(i - order + 1, count);
    for (std::int64_t k = i - order + 1; k <= i + order; ++k) {
        const extended w = tdspvar::kernel(p - static_cast<extended>(k));
        sum += w * samples[static_cast<std::size_t>(m)];
        weight += w;
        if (++m == count)
            m = 0;
    }
    return sum / weight;
}

} // namespace

signalSamples signalSamples::real(std::vector<extended> re)
{
    signalSamples s;
    s.re = std::move(re);
    return s;
}

signalSamples signalSamples::complex(std::vector<extended> re, std::vector<extended> im)
{
    signalSamples s;
    im.resize(re.size());
    s.re = std::move(re);
    s.im = std::move(im);
    s.isComplex = true;
    return s;
}

void signalSamples::resize(int count, bool complex)
{
    const std::size_t n = count > 0 ? static_cast<std::size_t>(count) : 0;
    isComplex = complex;
    re.resize(n);
    im.resize(complex ? n : 0);
}

extended displayPeak(const signalSamples& samples)
{
    extended best = kDisplayPeakFloor;
    const std::size_t n = samples.re.size();
    const bool complex = samples.isComplex;
    for (std::size_t i = 0; i < n; ++i) {
        const extended re = samples.re[i];
        const extended m = complex && i < samples.im.size() ? complexModulus(re, samples.im[i]) : std::fabs(re);
        if (m > best)
            best = m;
    }
    return best;
}

tdspvar::tdspvar(std::string name, signalSamples samples, variableInfo info)
    : name_(std::move(name)), info_(std::move(info))
{
    store(std::move(samples));
}

void tdspvar::store(signalSamples samples)
{
    samples.im.resize(samples.isComplex ? samples.re.size() : 0);
    peak_ = samples.peak ? *samples.peak : displayPeak(samples);
    complex_ = samples.isComplex;
    re = std::move(samples.re);
    im = std::move(samples.im);
}

signalSamples tdspvar::samples() const
{
    return {re, im, complex_, peak_};
}

extended tdspvar::realSample(std::int64_t index) const
{
    if (re.empty())
        return 0;
    return re[static_cast<std::size_t>(wrapIndex(index, static_cast<std::int64_t>(re.size())))];
}

extended tdspvar::imagSample(std::int64_t index) const
{
    if (im.empty())
        return 0;
    return im[static_cast<std::size_t>(wrapIndex(index, static_cast<std::int64_t>(im.size())))];
}

extended tdspvar::sampleModulus(std::int64_t index) const
{
    return complexModulus(realSample(index), imagSample(index));
}

extended tdspvar::kernel(extended t)
{
    const extended a = std::fabs(t);
    if (a < taperedsinc::kFlatLimit)
        return 1;
    const extended u = kPi * a;
    return (2 * std::sin(u) / u) / (std::exp(kTaperRate * u) + 1);
}

tdspvar::gridPosition tdspvar::locate(extended x) const
{
    gridPosition at;
    const std::int64_t count = sampleCount();
    if (count == 0 || !std::isfinite(x))
        return at;
    if (!(x >= 0 && x < 1)) {
        x -= std::floor(x);
        if (x >= 1) // a tiny negative position rounds up to 1, which is position 0 again
            x = 0;
    }
    at.p = x * static_cast<extended>(count);
    // p truncated through double, which is quick where converting extended to an integer switches
    // the rounding mode; the double may round up to the next integer, which the comparison undoes.
    at.i = static_cast<std::int64_t>(static_cast<double>(at.p));
    if (static_cast<extended>(at.i) > at.p)
        --at.i;
    if (at.i >= count)
        at.i = count - 1;
    at.f = at.p - static_cast<extended>(at.i);
    at.valid = true;
    return at;
}

complexValue tdspvar::readAt(int order, const gridPosition& at, bool real, bool imag) const
{
    imag = imag && complex_ && im.size() == re.size();
    if (!at.valid)
        return {};
    const auto i = static_cast<std::size_t>(at.i);
    complexValue v;
    // Every grid point reads its real sample exactly; the imaginary sample only at the very start
    // of the period.
    if (real && at.f < kExactPositionLimit) {
        v.re = re[i];
        real = false;
    }
    if (imag && at.p < kExactPositionLimit) {
        v.im = im[i];
        imag = false;
    }
    if ((!real && !imag) || order < 0)
        return v;
    if (order == 0) {
        const std::size_t j = at.i + 1 >= sampleCount() ? 0 : i + 1;
        if (real)
            v.re = at.f * re[j] + (1 - at.f) * re[i];
        if (imag)
            v.im = at.f * im[j] + (1 - at.f) * im[i];
        return v;
    }
    if (order > taperedsinc::kMaxSteppedOrder) {
        if (real)
            v.re = directSinc(re, order, at.p, at.i);
        if (imag)
            v.im = directSinc(im, order, at.p, at.i);
        return v;
    }
    const complexValue s = real ? taperedsinc::read(re, imag ? &im : nullptr, at.i, at.f, order)
                                : taperedsinc::read(im, nullptr, at.i, at.f, order);
    if (real)
        v.re = s.re;
    if (imag)
        v.im = real ? s.im : s.re;
    return v;
}

complexValue tdspvar::interpolatedValue(int order, extended x) const
{
    return readAt(order, locate(x), true, true);
}

extended tdspvar::interpolatedRealPart(int order, extended x) const
{
    return readAt(order, locate(x), true, false).re;
}

extended tdspvar::interpolatedImagPart(int order, extended x) const
{
    return readAt(order, locate(x), false, true).im;
}

extended tdspvar::interpolatedModulus(int order, extended x) const
{
    return complexModulus(interpolatedValue(order, x));
}

extended tdspvar::interpolatedPhase(int order, extended x) const
{
    const complexValue v = interpolatedValue(order, x);
    return std::atan2(v.im, v.re);
}

void tdspvar::resampleOnto(int order, std::span<complexValue> out) const
{
    const std::size_t m = out.size();
    const auto count = static_cast<std::int64_t>(re.size());
    const bool complex = complex_ && im.size() == re.size();
    // Read k and its mirror M - k, for k = first .. last - 1 (k <= M / 2).
    const auto readPairs = [&](std::size_t first, std::size_t last) {
        for (std::size_t k = first; k < last; ++k) {
            const extended x = static_cast<extended>(k) / static_cast<extended>(m);
            const gridPosition at = locate(x);
            // The mirrored read k' = M - k lies at 1 - x: grid point count - 1 - i, fraction 1 - f,
            // provided the positions came out exactly so (always for a power-of-two M).
            const std::size_t mirror = m - k;
            const bool shared = k > 0 && mirror != k && at.valid && order > 0 &&
                                order <= taperedsinc::kMaxSteppedOrder &&
                                at.f >= taperedsinc::kFlatLimit && at.f <= 1 - taperedsinc::kFlatLimit;
            const gridPosition other =
                shared ? locate(static_cast<extended>(mirror) / static_cast<extended>(m)) : gridPosition{};
            if (!shared || other.i != count - 1 - at.i || other.f != 1 - at.f ||
                other.p < kExactPositionLimit) {
                out[k] = readAt(order, at, true, true);
                if (k > 0 && mirror != k && mirror < m)
                    out[mirror] = interpolatedValue(order, static_cast<extended>(mirror) / static_cast<extended>(m));
                continue;
            }
            if (complex) {
                const taperedsinc::mirroredComplexReads r =
                    taperedsinc::readMirrored(re, im, at.i, other.i, at.f, order);
                out[k] = {r.re.a, r.im.a};
                out[mirror] = {r.re.b, r.im.b};
            } else {
                const taperedsinc::mirroredReads r = taperedsinc::readMirrored(re, at.i, other.i, at.f, order);
                out[k] = {r.a, 0};
                out[mirror] = {r.b, 0};
            }
        }
    };
    // The pairs are independent and write their own two outputs: long passes use both cores.
    constexpr std::size_t kPairsWorthAThread = 2048;
    runInTwoParts(m / 2 + (m > 0 ? 1 : 0), kPairsWorthAThread, readPairs);
}

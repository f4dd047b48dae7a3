#include "core/variable.h"

#include <array>
#include <cmath>

namespace {

constexpr extended kExactPositionLimit = 1e-5L; // closer than this to a grid point reads the sample
constexpr extended kKernelFlatLimit = 0.001L;   // |t| below this has weight exactly 1
constexpr extended kTaperRate = 0.01L;          // taper 2 / (1 + e^(0.01 pi |t|))
constexpr extended kWeightSeed = 1e-100L;       // keeps the normalising division defined

std::int64_t wrapIndex(std::int64_t index, std::int64_t count)
{
    const std::int64_t m = index % count;
    return m < 0 ? m + count : m;
}

// e^(0.01 pi j) for the first orders; the sinc sum steps its taper through these exactly.
constexpr int kTaperTableSize = 128;
const std::array<extended, kTaperTableSize>& taperSteps()
{
    static const std::array<extended, kTaperTableSize> steps = [] {
        std::array<extended, kTaperTableSize> t{};
        for (int j = 0; j < kTaperTableSize; ++j)
            t[static_cast<std::size_t>(j)] = std::exp(kTaperRate * kPi * j);
        return t;
    }();
    return steps;
}

} // namespace

// The 2n tapered-sinc weights around a read position, in increasing neighbour order, computed
// once per position and shared by the real and imaginary parts. For k <= i the distance is
// f + (i - k), for k > i it is (1 - f) + (k - i - 1); sin(pi (d + j)) is (-1)^j sin(pi d) and
// sin(pi (1 - f)) equals sin(pi f), and the taper's exponential is a product with a tabled step,
// so one sine and two exponentials serve all 2n weights.
struct sincWeights {
    std::array<extended, 2 * kTaperTableSize> w;
    int count = 0;
};

namespace {

// Weights for distances base + j, j = 0 .. order - 1, written from `out` in the given direction.
// Only j = 0 can fall below the flat-top limit, since base >= 0 and j >= 1 gives a >= 1.
inline void steppedWeights(extended base, int order, extended sinBase, extended* out, int direction)
{
    const extended taperBase = std::exp(kTaperRate * kPi * base);
    const auto& steps = taperSteps();
    out[0] = base < kKernelFlatLimit ? 1 : 2 * sinBase / (kPi * base * (taperBase + 1));
    extended s = sinBase;
    for (int j = 1; j < order; ++j) {
        s = -s;
        const extended a = base + j;
        out[j * direction] = 2 * s / (kPi * a * (taperBase * steps[static_cast<std::size_t>(j)] + 1));
    }
}

void computeSincWeights(extended f, int order, sincWeights& out)
{
    const extended sinF = std::sin(kPi * f);
    out.count = 2 * order;
    steppedWeights(f, order, sinF, &out.w[static_cast<std::size_t>(order - 1)], -1);
    steppedWeights(1 - f, order, sinF, &out.w[static_cast<std::size_t>(order)], 1);
}

// Normalised weighted sum of the samples from index `first` (wrapping) on.
extended weightedSum(const std::vector<extended>& samples, std::int64_t first, const sincWeights& w)
{
    const std::int64_t count = static_cast<std::int64_t>(samples.size());
    extended sum = 0;
    extended weight = kWeightSeed;
    std::int64_t m = first;
    for (int k = 0; k < w.count; ++k) {
        const extended wk = w.w[static_cast<std::size_t>(k)];
        sum += wk * samples[static_cast<std::size_t>(m)];
        weight += wk;
        if (++m == count)
            m = 0;
    }
    return sum / weight;
}

} // namespace

tdspvar::tdspvar(std::string name) : name(std::move(name)) {}

void tdspvar::resize(int count, bool complex)
{
    const std::size_t n = count > 0 ? static_cast<std::size_t>(count) : 0;
    isComplex = complex;
    re.resize(n);
    im.resize(complex ? n : 0);
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
    const extended r = realSample(index);
    const extended i = imagSample(index);
    return std::sqrt(r * r + i * i);
}

extended tdspvar::kernel(extended t)
{
    const extended a = std::fabs(t);
    if (a < kKernelFlatLimit)
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
    x -= std::floor(x);
    if (x >= 1) // a tiny negative position rounds up to 1, which is position 0 again
        x = 0;
    at.p = x * static_cast<extended>(count);
    at.i = static_cast<std::int64_t>(at.p);
    if (at.i >= count)
        at.i = count - 1;
    at.f = at.p - static_cast<extended>(at.i);
    at.valid = true;
    return at;
}

extended tdspvar::interpolate(const std::vector<extended>& samples, int order,
                              const gridPosition& at, sincWeights* weights) const
{
    const std::int64_t count = static_cast<std::int64_t>(samples.size());
    if (order < 0)
        return 0;
    if (order == 0) {
        const std::int64_t j = at.i + 1 >= count ? 0 : at.i + 1;
        return at.f * samples[static_cast<std::size_t>(j)] +
               (1 - at.f) * samples[static_cast<std::size_t>(at.i)];
    }
    if (order > kTaperTableSize) {
        extended sum = 0;
        extended weight = kWeightSeed;
        std::int64_t m = wrapIndex(at.i - order + 1, count);
        for (std::int64_t k = at.i - order + 1; k <= at.i + order; ++k) {
            const extended w = kernel(at.p - static_cast<extended>(k));
            sum += w * samples[static_cast<std::size_t>(m)];
            weight += w;
            if (++m == count)
                m = 0;
        }
        return sum / weight;
    }
    if (weights->count == 0)
        computeSincWeights(at.f, order, *weights);
    return weightedSum(samples, wrapIndex(at.i - order + 1, count), *weights);
}

extended tdspvar::realPartAt(int order, const gridPosition& at, sincWeights* weights) const
{
    if (!at.valid)
        return 0;
    if (at.f < kExactPositionLimit) // every grid point reads its sample exactly
        return re[static_cast<std::size_t>(at.i)];
    return interpolate(re, order, at, weights);
}

extended tdspvar::imagPartAt(int order, const gridPosition& at, sincWeights* weights) const
{
    if (!at.valid || !isComplex || im.size() != re.size())
        return 0;
    if (at.p < kExactPositionLimit) // only the very start of the period reads its sample exactly
        return im[static_cast<std::size_t>(at.i)];
    return interpolate(im, order, at, weights);
}

complexValue tdspvar::interpolatedValue(int order, extended x) const
{
    const gridPosition at = locate(x);
    sincWeights weights;
    const extended r = realPartAt(order, at, &weights);
    return {r, imagPartAt(order, at, &weights)};
}

extended tdspvar::interpolatedRealPart(int order, extended x) const
{
    sincWeights weights;
    return realPartAt(order, locate(x), &weights);
}

extended tdspvar::interpolatedImagPart(int order, extended x) const
{
    sincWeights weights;
    return imagPartAt(order, locate(x), &weights);
}

extended tdspvar::interpolatedModulus(int order, extended x) const
{
    const complexValue v = interpolatedValue(order, x);
    return std::sqrt(v.re * v.re + v.im * v.im);
}

extended tdspvar::interpolatedPhase(int order, extended x) const
{
    const complexValue v = interpolatedValue(order, x);
    return std::atan2(v.im, v.re);
}

void tdspvar::computeDisplayPeak()
{
    extended best = 1e-10L;
    const std::size_t n = re.size();
    for (std::size_t i = 0; i < n; ++i) {
        const extended m = isComplex && i < im.size() ? std::sqrt(re[i] * re[i] + im[i] * im[i])
                                                      : std::fabs(re[i]);
        if (m > best)
            best = m;
    }
    peak = best;
}

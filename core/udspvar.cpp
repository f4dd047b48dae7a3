#include "core/udspvar.h"

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

// Weight at distance a = base + j (a >= 0) from the read position, where sinBase is sin(pi*base)
// and taperBase is e^(0.01 pi base): sin(pi (base + j)) = (-1)^j sin(pi base), and the taper's
// exponential is a product with the tabled step, so no sine or exponential is evaluated here.
inline extended steppedKernel(extended base, int j, extended sinBase, extended taperBase)
{
    const extended a = base + j;
    if (a < kKernelFlatLimit)
        return 1;
    const extended u = kPi * a;
    const extended s = (j & 1) ? -sinBase : sinBase;
    return 2 * s / (u * (taperBase * taperSteps()[static_cast<std::size_t>(j)] + 1));
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

extended tdspvar::interpolate(const std::vector<extended>& samples, int order, extended x,
                              bool exactAtEveryGridPoint) const
{
    const std::int64_t count = static_cast<std::int64_t>(samples.size());
    if (count == 0 || !std::isfinite(x))
        return 0;
    x -= std::floor(x);
    if (x >= 1) // a tiny negative position rounds up to 1, which is position 0 again
        x = 0;
    const extended p = x * static_cast<extended>(count);
    std::int64_t i = static_cast<std::int64_t>(p);
    if (i >= count)
        i = count - 1;
    const extended f = p - static_cast<extended>(i);

    if (exactAtEveryGridPoint ? f < kExactPositionLimit : p < kExactPositionLimit)
        return samples[static_cast<std::size_t>(i)];
    if (order < 0)
        return 0;
    if (order == 0) {
        const std::int64_t j = i + 1 >= count ? 0 : i + 1;
        return f * samples[static_cast<std::size_t>(j)] + (1 - f) * samples[static_cast<std::size_t>(i)];
    }

    extended sum = 0;
    extended weight = kWeightSeed;
    // Neighbours are visited in increasing k; m follows k modulo N without a division per step.
    std::int64_t m = wrapIndex(i - order + 1, count);
    const auto add = [&](extended w) {
        sum += w * samples[static_cast<std::size_t>(m)];
        weight += w;
        if (++m == count)
            m = 0;
    };
    if (order > kTaperTableSize) {
        for (std::int64_t k = i - order + 1; k <= i + order; ++k)
            add(kernel(p - static_cast<extended>(k)));
        return sum / weight;
    }
    // k runs upward from i - order + 1 to i + order. For k <= i the distance is f + (i - k);
    // for k > i it is (1 - f) + (k - i - 1). sin(pi (1 - f)) equals sin(pi f).
    const extended sinF = std::sin(kPi * f);
    const extended g = 1 - f;
    const extended taperF = std::exp(kTaperRate * kPi * f);
    const extended taperG = std::exp(kTaperRate * kPi * g);
    for (int j = order - 1; j >= 0; --j)
        add(steppedKernel(f, j, sinF, taperF));
    for (int j = 0; j < order; ++j)
        add(steppedKernel(g, j, sinF, taperG));
    return sum / weight;
}

extended tdspvar::interpolatedRealPart(int order, extended x) const
{
    return interpolate(re, order, x, true);
}

extended tdspvar::interpolatedImagPart(int order, extended x) const
{
    if (!isComplex)
        return 0;
    return interpolate(im, order, x, false);
}

extended tdspvar::interpolatedModulus(int order, extended x) const
{
    const extended r = interpolatedRealPart(order, x);
    const extended i = interpolatedImagPart(order, x);
    return std::sqrt(r * r + i * i);
}

extended tdspvar::interpolatedPhase(int order, extended x) const
{
    return std::atan2(interpolatedImagPart(order, x), interpolatedRealPart(order, x));
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

void tdspvar::redrawThumbnail()
{
    if (releasePending)
        return;
    if (busy) {
        restart = true;
        return;
    }
    if (!thumbnailStarter)
        return;
    busy = true;
    thumbnailStarter(*this);
}

bool tdspvar::finishThumbnailPass()
{
    busy = false;
    if (releasePending)
        return false;
    if (restart) {
        busy = true;
        return true;
    }
    return false;
}

void tdspvar::release()
{
    releasePending = true;
    thumbnailStarter = nullptr;
}

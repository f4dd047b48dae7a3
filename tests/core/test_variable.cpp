#include "core/variable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

tdspvarPtr makeReal(std::vector<extended> samples)
{
    return std::make_shared<tdspvar>("V", signalSamples::real(std::move(samples)));
}

// A complex variable of `n` random samples in [-1, 1).
tdspvar randomComplex(int n, std::mt19937& rng)
{
    std::uniform_real_distribution<double> dist(-1, 1);
    signalSamples s;
    s.resize(n, true);
    for (int k = 0; k < n; ++k) {
        s.re[static_cast<std::size_t>(k)] = dist(rng);
        s.im[static_cast<std::size_t>(k)] = dist(rng);
    }
    return tdspvar("C", std::move(s));
}

// The interpolation written as the plain formula, one kernel call per neighbour.
extended directSinc(const std::vector<extended>& a, int order, extended x)
{
    const auto n = static_cast<std::int64_t>(a.size());
    x -= std::floor(x);
    const extended p = x * n;
    const auto i = static_cast<std::int64_t>(p);
    extended sum = 0, weight = 1e-100L;
    for (std::int64_t k = i - order + 1; k <= i + order; ++k) {
        const extended w = tdspvar::kernel(p - k);
        sum += w * a[static_cast<std::size_t>(((k % n) + n) % n)];
        weight += w;
    }
    return sum / weight;
}

} // namespace

TEST(SignalVariable, PeriodicIndexAccess)
{
    auto v = makeReal({1, 2, 3});
    EXPECT_EQ(v->realSample(-1), 3);
    EXPECT_EQ(v->realSample(3), 1);
    EXPECT_EQ(v->realSample(-7), 3);
    EXPECT_EQ(v->imagSample(1), 0);
    tdspvar empty("");
    EXPECT_EQ(empty.realSample(5), 0);
    EXPECT_EQ(empty.interpolatedRealPart(20, 0.3L), 0);
    EXPECT_EQ(empty.interpolatedModulus(0, 0.3L), 0);
}

TEST(SignalVariable, InterpolationHitsGridPointsForEveryOrder)
{
    auto v = makeReal({0.5L, -2, 7, 1.25L, 3});
    for (int order : {0, 1, 20, 50}) {
        EXPECT_EQ(v->interpolatedRealPart(order, 0), 0.5L) << order;
        EXPECT_EQ(v->interpolatedRealPart(order, 1), 0.5L) << order;
        EXPECT_EQ(v->interpolatedRealPart(order, 0.4L), 7) << order;
        EXPECT_NEAR(static_cast<double>(v->interpolatedRealPart(order, 1.4L)), 7, 1e-15) << order;
        EXPECT_NEAR(static_cast<double>(v->interpolatedRealPart(order, -0.6L)), 7, 1e-15) << order;
    }
    // Order 0 halfway between the last and the first sample.
    EXPECT_NEAR(static_cast<double>(v->interpolatedRealPart(0, 4.5L / 5)), 1.75, 1e-15);
    EXPECT_EQ(v->interpolatedRealPart(-1, 0.33L), 0);
}

TEST(SignalVariable, SincOfAConstantIsTheConstant)
{
    auto v = makeReal(std::vector<extended>(37, 2.5L));
    for (int order : {20, 50})
        for (extended x : {0.013L, 0.5L, 0.77L, 0.999L})
            EXPECT_NEAR(static_cast<double>(v->interpolatedRealPart(order, x)), 2.5, 1e-15);
    auto one = makeReal({-4});
    EXPECT_EQ(one->interpolatedRealPart(50, 0.37L), -4);
    EXPECT_EQ(one->interpolatedRealPart(0, 0.37L), -4);
}

TEST(SignalVariable, SincReadsMatchTheDefiningFormula)
{
    // Within 1e-17 of the samples' peak, both parts, for random positions and for fractions next
    // to the flat top on either side (under 0.001 from a grid point); the short variable makes
    // every window wrap around the period several times.
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> dist(-1, 1);
    for (int n : {1001, 7}) {
        const tdspvar v = randomComplex(n, rng);
        std::vector<extended> positions;
        for (int k = 0; k < 200; ++k)
            positions.push_back(static_cast<extended>(dist(rng)) * 3);
        for (extended f : {2e-5L, 0.0004L, 0.0011L, 0.5L, 0.9989L, 0.9996L, 0.99998L})
            positions.push_back((3 + f) / n);
        for (int order : {1, 20, 50, 200})
            for (extended x : positions) {
                const complexValue got = v.interpolatedValue(order, x);
                EXPECT_LE(std::fabs(got.re - directSinc(v.real(), order, x)), 1e-17L * v.peak())
                    << "n " << n << " order " << order << " x " << static_cast<double>(x);
                EXPECT_LE(std::fabs(got.im - directSinc(v.imag(), order, x)), 1e-17L * v.peak())
                    << "n " << n << " order " << order << " x " << static_cast<double>(x);
            }
    }
}

TEST(SignalVariable, ResamplingOntoAGridMatchesSingleReads)
{
    // Mirrored positions share their weights; every value must still be the single read's, for
    // odd and even counts, short variables whose windows wrap, grids with and without a middle
    // point, and grids that are not a power of two (no exact mirrors).
    struct gridCase {
        int samples;
        int points;
        int order;
        bool complex;
    };
    std::mt19937 rng(11);
    for (const gridCase c : {gridCase{65535, 65536, 50, false}, gridCase{1000, 1024, 50, true},
                             gridCase{3, 4, 50, true}, gridCase{129, 256, 20, false},
                             gridCase{100, 77, 20, true}, gridCase{5, 1, 50, true},
                             gridCase{96, 128, 0, true}}) {
        tdspvar v = randomComplex(c.samples, rng);
        if (!c.complex)
            v = tdspvar("R", signalSamples::real(v.real()));
        std::vector<complexValue> grid(static_cast<std::size_t>(c.points));
        v.resampleOnto(c.order, grid);
        for (int k = 0; k < c.points; ++k) {
            const complexValue want = v.interpolatedValue(c.order, static_cast<extended>(k) / c.points);
            const complexValue got = grid[static_cast<std::size_t>(k)];
            ASSERT_LE(std::fabs(got.re - want.re), 1e-17L * v.peak()) << c.samples << " " << c.points << " " << k;
            ASSERT_LE(std::fabs(got.im - want.im), 1e-17L * v.peak()) << c.samples << " " << c.points << " " << k;
        }
    }
}

TEST(SignalVariable, ImaginaryShortcutOnlyAtTheStartOfThePeriod)
{
    const tdspvar v("C", signalSamples::complex({1, 0, 0, 0}, {1, 2, 3, 4}));
    EXPECT_EQ(v.interpolatedImagPart(20, 0), 1);
    // At a later grid point the sinc formula still runs, and with f = 0 it reads the sample.
    EXPECT_NEAR(static_cast<double>(v.interpolatedImagPart(20, 0.5L)), 3, 1e-15);
    EXPECT_NEAR(static_cast<double>(v.interpolatedImagPart(0, 0.5L)), 3, 1e-15);
    auto real = makeReal({1, 2});
    EXPECT_EQ(real->interpolatedImagPart(20, 0.3L), 0);
}

TEST(SignalVariable, PhaseAndModulus)
{
    auto v = makeReal({2, -3});
    EXPECT_EQ(v->interpolatedPhase(0, 0), 0);
    EXPECT_NEAR(static_cast<double>(v->interpolatedPhase(0, 0.5L)), M_PI, 1e-15);
    EXPECT_EQ(v->interpolatedModulus(0, 0.5L), 3);
    const tdspvar c("C", signalSamples::complex({3}, {4}));
    EXPECT_EQ(c.sampleModulus(7), 5);
}

TEST(SignalVariable, KernelZerosAndFlatTop)
{
    EXPECT_EQ(tdspvar::kernel(0.0009L), 1);
    EXPECT_EQ(tdspvar::kernel(-0.0009L), 1);
    for (int t : {1, 2, 3, -2})
        EXPECT_NEAR(static_cast<double>(tdspvar::kernel(t)), 0, 1e-17);
    // The taper at |t| = 10.5 is 2/(1 + e^(0.105 pi)), about 0.84.
    const extended u = kPi * 10.5L;
    EXPECT_NEAR(static_cast<double>(tdspvar::kernel(10.5L)),
                static_cast<double>(2 * std::sin(u) / u / (std::exp(0.01L * u) + 1)), 1e-18);
}

TEST(SignalVariable, DisplayPeakAndTheKindOfTheSamples)
{
    struct peakCase {
        const char* what;
        signalSamples samples;
        extended peak;
    };
    signalSamples fixed = signalSamples::real({0, 0});
    fixed.peak = 0.75L; // a maker's own peak is kept
    const peakCase cases[] = {
        {"empty", {}, 1e-10L},
        {"all zero", signalSamples::real({0, 0, 0}), 1e-10L},
        {"real", signalSamples::real({-5, 2}), 5},
        {"complex", signalSamples::complex({3, 1}, {4, 1}), 5},
        {"fixed", fixed, 0.75L},
    };
    for (const peakCase& c : cases)
        EXPECT_EQ(tdspvar("V", c.samples).peak(), c.peak) << c.what;

    // A complex variable has an imaginary part per sample, a real one none.
    signalSamples shortImaginary;
    shortImaginary.re = {1, 2, 3};
    shortImaginary.im = {1};
    shortImaginary.isComplex = true;
    EXPECT_EQ(tdspvar("C", shortImaginary).imag(), (std::vector<extended>{1, 0, 0}));
    shortImaginary.isComplex = false;
    EXPECT_TRUE(tdspvar("R", shortImaginary).imag().empty());
    // What samples() gives back makes the same variable again.
    const tdspvar c("C", signalSamples::complex({3, 1}, {4, 1}));
    const tdspvar again("C", c.samples());
    EXPECT_EQ(again.real(), c.real());
    EXPECT_EQ(again.imag(), c.imag());
    EXPECT_EQ(again.peak(), c.peak());
}

#include "dsp/fourier.h"

#include "dsptestutil.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cstring>
#include <limits>
#include <thread>

using namespace dsptest;

namespace {

// The radix-2 transform exactly as the program describes it: in-place bit reversal, then stage by
// stage with p outer and g inner, the twiddle advancing by one complex product after each p.
void classicRadix2(std::vector<complexValue>& x)
{
    const std::size_t a = x.size();
    const int stages = static_cast<int>(std::lround(std::log(static_cast<double>(a)) / std::log(2.0)));
    if (stages < 1)
        return;
    std::size_t j = a / 2;
    for (std::size_t i = 1; i + 1 < a; ++i) {
        if (j > i)
            std::swap(x[i], x[j]);
        std::size_t k = a / 2;
        while (j >= k) {
            j -= k;
            k /= 2;
        }
        j += k;
    }
    for (int m = 1; m <= stages; ++m) {
        const std::size_t d = std::size_t{1} << (m - 1);
        const complexValue w{std::cos(kPi / d), -std::sin(kPi / d)};
        complexValue r{1, 0};
        for (std::size_t p = 0; p < d; ++p) {
            for (std::size_t g = 0; g < (a >> m); ++g) {
                const std::size_t i = p + (g << m);
                const complexValue t = x[i + d] * r;
                x[i + d] = x[i] - t;
                x[i] = x[i] + t;
            }
            r = r * w;
        }
    }
}

sampleBuffer transform(const tdspvar& v, fourierDirection direction)
{
    sampleBuffer out;
    fourierTransform(v, direction, out);
    return out;
}

void expectValues(const sampleBuffer& b, const std::vector<complexValue>& want, extended tolerance = 1e-17L)
{
    ASSERT_EQ(b.count, static_cast<int>(want.size()));
    for (std::size_t i = 0; i < want.size(); ++i)
        EXPECT_LE(distance(b.values[i], want[i]), tolerance)
            << "sample " << i << ": " << static_cast<double>(b.values[i].re) << " "
            << static_cast<double>(b.values[i].im);
}

} // namespace

TEST(Radix2Transform, SameNumbersAsTheStageByStageAlgorithm)
{
    // Every length up to 2^13 and two beyond, so both the in-place path and the padded,
    // depth-first path with an even and an odd number of stages are covered; each plan runs
    // several times, as the spectral operations run one plan on several sequences. Beside plain
    // signals: values beyond the range of doubles, values whose low bits fall below it, and
    // infinities, NaNs and negative zeros among them, which the cheaper layout of the work area
    // cannot hold and hands to the 80-bit one; bit for bit, NaN payloads and zero signs too.
    const auto sameBits = [](const complexValue& a, const complexValue& b) {
        return std::memcmp(&a.re, &b.re, 10) == 0 && std::memcmp(&a.im, &b.im, 10) == 0;
    };
    const std::vector<extended> scales = {1, 1e400L, 1e-305L, 1e-400L, 1e300L, 0};
    for (int lg = 0; lg <= 15; ++lg) {
        const std::size_t a = std::size_t{1} << lg;
        radix2Plan plan(a);
        for (unsigned run = 0; run < scales.size() + 1; ++run) {
            std::vector<complexValue> x = randomSignal(a, static_cast<unsigned>(lg) + 100 * run);
            for (auto& c : x)
                c = run < scales.size() ? complexValue{c.re * scales[run], c.im * scales[run]}
                                        : complexValue{c.re, -0.0L};
            if (run == 1)
                x[a / 2].re = std::numeric_limits<extended>::infinity();
            if (run == 2)
                x[a - 1].im = -std::numeric_limits<extended>::quiet_NaN();
            std::vector<complexValue> want = x;
            classicRadix2(want);
            plan.transform(x);
            for (std::size_t i = 0; i < a; ++i)
                ASSERT_TRUE(sameBits(x[i], want[i])) << "length " << a << ", run " << run << ", element " << i;
        }
    }
    // The caller's floating-point flags stay raised through a transform.
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_DIVBYZERO | FE_UNDERFLOW);
    std::vector<complexValue> x = randomSignal(4096, 1);
    radix2Transform(x);
    EXPECT_TRUE(std::fetestexcept(FE_DIVBYZERO) && std::fetestexcept(FE_UNDERFLOW));
    std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(Radix2Transform, MatchesTheDirectDft)
{
    for (std::size_t a : {2u, 8u, 64u, 512u}) {
        std::vector<complexValue> x = randomSignal(a, static_cast<unsigned>(a));
        const std::vector<complexValue> want = directDft(x);
        radix2Transform(x);
        extended worst = 0;
        for (std::size_t k = 0; k < a; ++k)
            worst = std::max(worst, distance(x[k], want[k]));
        EXPECT_LT(worst, 1e-16L * a) << "length " << a;
    }
}

TEST(Radix2Transform, LengthOneAndNonPowersOfTwoAreLeftAlone)
{
    std::vector<complexValue> one{{2, 3}};
    radix2Transform(one);
    EXPECT_TRUE(one[0] == (complexValue{2, 3}));
    std::vector<complexValue> three{{1, 0}, {2, 0}, {3, 0}};
    radix2Transform(three);
    EXPECT_TRUE(three[2] == (complexValue{3, 0}));
}

TEST(FourierTransform, WorkedExamples)
{
    expectValues(transform(*realVariable({1, 0, 0, 0}), fourierDirection::direct),
                 {{1, 0}, {1, 0}, {1, 0}, {1, 0}});
    expectValues(transform(*realVariable({0, 1, 0, 0}), fourierDirection::direct),
                 {{1, 0}, {0, -1}, {-1, 0}, {0, 1}});
    expectValues(transform(*realVariable({1, 1, 1, 1}), fourierDirection::inverse),
                 {{1, 0}, {0, 0}, {0, 0}, {0, 0}});
    for (auto direction : {fourierDirection::direct, fourierDirection::inverse}) {
        const sampleBuffer single = transform(*complexVariable({2.5}, {-1}), direction);
        expectValues(single, {{2.5, -1}}, 0);
        EXPECT_TRUE(single.isComplex);
        EXPECT_TRUE(transform(*realVariable({1, 2, 3}), direction).isComplex);
    }
}

TEST(FourierTransform, PowerOfTwoLengthsAgainstTheDirectDft)
{
    for (std::size_t n : {16u, 256u, 512u}) {
        const std::vector<complexValue> x = randomSignal(n, 7u + static_cast<unsigned>(n));
        const auto v = variableFrom(x);
        const sampleBuffer spectrum = transform(*v, fourierDirection::direct);
        const std::vector<complexValue> want = directDft(x);
        extended worst = 0;
        for (std::size_t k = 0; k < n; ++k)
            worst = std::max(worst, distance(spectrum.values[k], want[k]));
        EXPECT_LT(worst, 1e-16L * n) << "length " << n;

        // Back again: the inverse of the direct transform is the signal.
        const auto spectrumVariable = variableFrom(bufferValues(spectrum));
        const sampleBuffer back = transform(*spectrumVariable, fourierDirection::inverse);
        worst = 0;
        for (std::size_t i = 0; i < n; ++i)
            worst = std::max(worst, distance(back.values[i], x[i]));
        EXPECT_LT(worst, 1e-17L * n) << "length " << n;
    }
}

TEST(FourierTransform, RealInputGivesAHermitianSpectrum)
{
    std::vector<complexValue> x = randomSignal(128, 3);
    std::vector<extended> re;
    for (const auto& c : x)
        re.push_back(c.re);
    const sampleBuffer s = transform(*realVariable(re), fourierDirection::direct);
    EXPECT_NEAR(static_cast<double>(s.values[0].im), 0, 1e-17);
    for (int k = 1; k < 128; ++k) {
        EXPECT_NEAR(static_cast<double>(s.values[128 - k].re), static_cast<double>(s.values[k].re), 1e-15);
        EXPECT_NEAR(static_cast<double>(s.values[128 - k].im), static_cast<double>(-s.values[k].im), 1e-15);
    }
}

TEST(FourierTransform, ThreeSamplesFoldFourBins)
{
    // N = 3 runs on a = 4: the resampled signal's bins 1 and 2 both land on output bin 1, bin 3
    // on output bin 2, everything scaled by 3/4.
    const auto v = complexVariable({1, -2, 0.5}, {0.25, 1, -1});
    std::vector<complexValue> resampled(4);
    for (int i = 0; i < 4; ++i)
        resampled[static_cast<std::size_t>(i)] = {v->interpolatedRealPart(50, i / 4.0L),
                                                  v->interpolatedImagPart(50, i / 4.0L)};
    const std::vector<complexValue> w = directDft(resampled);
    const extended s = 3.0L / 4;
    const sampleBuffer out = transform(*v, fourierDirection::direct);
    expectValues(out, {{w[0].re * s, w[0].im * s},
                       {(w[1].re + w[2].re) * s, (w[1].im + w[2].im) * s},
                       {w[3].re * s, w[3].im * s}});

    // The inverse reads the conjugate, and conjugates and divides by a at the end.
    for (auto& c : resampled)
        c.im = -c.im;
    const std::vector<complexValue> wi = directDft(resampled);
    const sampleBuffer back = transform(*v, fourierDirection::inverse);
    expectValues(back, {{wi[0].re / 4, -wi[0].im / 4},
                        {(wi[1].re + wi[2].re) / 4, -(wi[1].im + wi[2].im) / 4},
                        {wi[3].re / 4, -wi[3].im / 4}});
}

TEST(FourierTransform, FoldingAndScalingAreTheDescribedArithmetic)
{
    // Bit for bit: the (resampled, for the inverse conjugated) signal through the stage-by-stage
    // transform, every bin cleared, the low and the high half added onto it, divided by a, then
    // multiplied by N or conjugated.
    for (int n : {1, 2, 64, 3, 100})
        for (bool complex : {false, true})
            for (auto direction : {fourierDirection::direct, fourierDirection::inverse}) {
                const std::vector<complexValue> x = randomSignal(static_cast<std::size_t>(n), 5u + n);
                std::vector<extended> re, im;
                for (const auto& c : x) {
                    re.push_back(c.re);
                    im.push_back(c.im);
                }
                const auto v = complex ? complexVariable(re, im) : realVariable(re);
                const auto a = static_cast<std::size_t>(nextPowerOfTwo(n));
                std::vector<complexValue> w(a);
                if (a == static_cast<std::size_t>(n))
                    for (std::size_t i = 0; i < a; ++i)
                        w[i] = {v->realSample(static_cast<std::int64_t>(i)), v->imagSample(static_cast<std::int64_t>(i))};
                else
                    v->resampleOnto(50, w);
                const bool inverse = direction == fourierDirection::inverse;
                for (auto& c : w)
                    c.im = (inverse ? -1 : 1) * c.im;
                classicRadix2(w);
                std::vector<complexValue> want(static_cast<std::size_t>(n));
                for (std::size_t k = 0; k < a / 2; ++k)
                    want[k] = want[k] + w[k];
                for (std::size_t k = 1; k <= a / 2; ++k)
                    want[static_cast<std::size_t>(n) - k] = want[static_cast<std::size_t>(n) - k] + w[a - k];
                if (a == 1)
                    want[0] = w[0];
                for (auto& c : want)
                    c = inverse ? complexValue{c.re / a, -(c.im / a)} : complexValue{c.re / a * n, c.im / a * n};

                const sampleBuffer got = transform(*v, direction);
                for (int k = 0; k < n; ++k) {
                    const complexValue g = got.values[static_cast<std::size_t>(k)];
                    const complexValue e = want[static_cast<std::size_t>(k)];
                    ASSERT_TRUE(g == e && std::signbit(g.re) == std::signbit(e.re) &&
                                std::signbit(g.im) == std::signbit(e.im))
                        << "n " << n << " complex " << complex << " inverse " << inverse << " bin " << k;
                }
            }
}

TEST(FourierTransform, OtherLengthsApproximateTheExactTransform)
{
    // A tone at bin 5 of 129 samples: the resampled 256-point transform folds back onto bin 5.
    const int n = 129;
    std::vector<complexValue> x(n);
    for (int i = 0; i < n; ++i) {
        const extended angle = 2 * kPi * 5 * i / n;
        x[static_cast<std::size_t>(i)] = {std::cos(angle), std::sin(angle)};
    }
    const sampleBuffer s = transform(*variableFrom(x), fourierDirection::direct);
    ASSERT_EQ(s.count, n);
    EXPECT_NEAR(static_cast<double>(s.values[5].re), n, 0.001 * n);
    extended leak = 0;
    for (int k = 0; k < n; ++k)
        if (k != 5)
            leak = std::max(leak, std::hypot(s.values[k].re, s.values[k].im));
    EXPECT_LT(leak, 0.001 * n);

    // The inverse of that spectrum comes back close to the tone.
    const sampleBuffer back = transform(*variableFrom(bufferValues(s)), fourierDirection::inverse);
    extended worst = 0;
    for (int i = 0; i < n; ++i)
        worst = std::max(worst, distance(back.values[i], x[static_cast<std::size_t>(i)]));
    EXPECT_LT(worst, 0.01);
}

TEST(FourierTransform, EmptyVariableGivesAnEmptyResult)
{
    const sampleBuffer out = transform(tdspvar("E"), fourierDirection::direct);
    EXPECT_EQ(out.count, 0);
    EXPECT_TRUE(out.isComplex);
}

TEST(FourierTransform, SameBitsAsTheTransformHasAlwaysGiven)
{
    // Checksums of results computed once, before plans were kept between calls and the
    // resampling ran on two threads: every length, kind and direction must keep its bits. Two
    // threads run the table at once, so one of them works on a plan of its own while the other
    // holds the kept one, and each runs it twice.
    struct expected {
        int n;
        bool complex;
        fourierDirection direction;
        std::uint64_t bits;
    };
    const auto direct = fourierDirection::direct, inverse = fourierDirection::inverse;
    const std::vector<expected> table = {
        {2, true, direct, 0xb1fae4ba0d7965a7ull},       {64, false, inverse, 0x6ce3d040ad819bc5ull},
        {1000, true, inverse, 0x1b3e94d825980969ull},   {1024, false, direct, 0x4bafa7a377ebaf4eull},
        {65536, true, direct, 0xdd171e4d0fb2c747ull},   {65535, false, direct, 0x658e660f93e4af41ull},
        {65535, true, inverse, 0x729abcd7d8c2bb70ull},
    };
    const auto runTable = [&table](std::vector<std::uint64_t>& got) {
        for (int pass = 0; pass < 2; ++pass)
            for (const expected& e : table)
                got.push_back(bitsChecksum(transform(*fixedVariable(e.n, e.complex), e.direction)));
    };
    std::vector<std::uint64_t> first, second;
    std::thread other(runTable, std::ref(second));
    runTable(first);
    other.join();
    for (const auto* got : {&first, &second})
        for (std::size_t k = 0; k < got->size(); ++k)
            EXPECT_EQ((*got)[k], table[k % table.size()].bits) << "length " << table[k % table.size()].n;
}

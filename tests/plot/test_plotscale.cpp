// The graph's range, scale, grid and readout arithmetic.
#include "core/variable.h"
#include "plot/pixel.h"
#include "plot/plotscale.h"
#include "plotmodes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// A real variable with the given samples.
tdspvarPtr realVariable(std::initializer_list<extended> samples)
{
    return std::make_shared<tdspvar>("V", signalSamples::real(samples));
}

plotScale scaleFor(const tdspvarPtr& v, plotMode mode)
{
    const plotFlags flags = plotPassFlags(mode, v.get(), nullptr);
    plotRange range;
    scanPlotRange(*v, flags, range);
    return makePlotScale(range, flags, v->sampleCount());
}

} // namespace

TEST(PlotMode, FlagsOfAPass)
{
    const tdspvarPtr real = realVariable({1, 2});
    const tdspvar complex("C", signalSamples::complex({0, 0}, {0, 0}));
    EXPECT_FALSE(plotPassFlags(kReal, real.get(), nullptr).modulusView);
    EXPECT_FALSE(plotPassFlags(kReal, real.get(), nullptr).complexData);
    const plotFlags logY = plotPassFlags(kRealLogY, real.get(), nullptr);
    EXPECT_TRUE(logY.modulusView); // log Y always shows the modulus
    EXPECT_TRUE(logY.logY);
    EXPECT_FALSE(logY.logX);
    const plotFlags mixed = plotPassFlags(kLogX, real.get(), &complex);
    EXPECT_TRUE(mixed.complexData);
    EXPECT_TRUE(mixed.second);
    EXPECT_TRUE(mixed.logX);
    EXPECT_FALSE(mixed.modulusView);
}

TEST(PlotRange, ContributionsPerView)
{
    const tdspvar complex("C", signalSamples::complex({3, -1}, {4, 5}));
    const tdspvarPtr realPtr = realVariable({0.5L, 2});
    const tdspvar& real = *realPtr;

    plotFlags cartesian = plotPassFlags(kCartesian, &real, &complex);
    plotRange r;
    scanPlotRange(real, cartesian, r);
    scanPlotRange(complex, cartesian, r);
    EXPECT_EQ(r.maximum, 5);
    EXPECT_EQ(r.minimum, -1);

    // Without complex data only real parts count; a real first variable contributes 0 as its
    // imaginary part once complex data is shown.
    plotRange realOnly;
    scanPlotRange(real, plotPassFlags(kReal, &real, nullptr), realOnly);
    EXPECT_EQ(realOnly.minimum, 0.5L);
    plotRange withZero;
    scanPlotRange(real, cartesian, withZero);
    EXPECT_EQ(withZero.minimum, 0);

    plotRange modulus;
    scanPlotRange(complex, plotPassFlags(kPolar, &complex, nullptr), modulus);
    EXPECT_NEAR(static_cast<double>(modulus.maximum), std::sqrt(26.0), 1e-12);
    EXPECT_EQ(modulus.minimum, 5);
}

TEST(PlotScale, FloorsOfAnAllZeroModulus)
{
    const tdspvarPtr zero = realVariable({0, 0, 0});
    const plotScale polar = scaleFor(zero, kPolar);
    EXPECT_EQ(polar.maximum, 1e-998L);
    EXPECT_EQ(polar.minimum, 1e-999L);

    const plotScale logY = scaleFor(zero, kRealLogY);
    EXPECT_EQ(yRangeLabel(logY.maximum, true, '.'), "-19960 db");
    EXPECT_EQ(yRangeLabel(logY.minimum, true, '.'), "-19980 db");
    // Zeros are plotted at the floor 1e-1000: two decades below the maximum, one below the axis.
    EXPECT_EQ(plotY(logY, 0), 578);
}

TEST(PlotScale, LogarithmicAxisSpansAtMostTenUnits)
{
    const plotScale wide = scaleFor(realVariable({1, 1e-10L}), kRealLogY);
    EXPECT_EQ(wide.yScale, 0.1L);
    EXPECT_NEAR(static_cast<double>(wide.minimum), std::exp(-10.0), 1e-15);
    EXPECT_EQ(plotY(wide, 1), 0);
    EXPECT_EQ(plotY(wide, std::exp(-2.5L)), 72); // 289 * 2.5 / 10

    const plotScale narrow = scaleFor(realVariable({1, 0.5L}), kRealLogY);
    EXPECT_NEAR(static_cast<double>(narrow.minimum), 0.5, 1e-15);
    EXPECT_EQ(plotY(narrow, 0.5L), 289);
    EXPECT_EQ(yRangeLabel(narrow.minimum, true, ','), "-6,0206 db");

    // A constant modulus has no span; it lies along the top of the widest axis.
    const plotScale flat = scaleFor(realVariable({2, 2, -2}), kRealLogY);
    EXPECT_EQ(flat.yScale, 0.1L);
    EXPECT_EQ(plotY(flat, 2), 0);
}

TEST(PlotScale, LinearYRule)
{
    const plotScale s = scaleFor(realVariable({-1, 3}), kReal);
    EXPECT_EQ(plotY(s, 3), 0);
    EXPECT_EQ(plotY(s, -1), 289); // one pixel below the last row
    EXPECT_EQ(plotY(s, 1), 144);  // 144.5: ties go to the even neighbour
    EXPECT_EQ(plotY(s, 100), -1000);
    EXPECT_EQ(plotY(s, -100), 1500);
    EXPECT_EQ(plotY(s, std::numeric_limits<extended>::quiet_NaN()), std::nullopt); // a gap
    EXPECT_EQ(yRangeLabel(s.maximum, false, '.'), "3");

    const plotScale constant = scaleFor(realVariable({7, 7}), kReal);
    EXPECT_EQ(plotY(constant, 7), 0);
}

TEST(PlotScale, PhaseHeights)
{
    EXPECT_EQ(phaseY(kPi), 18);
    EXPECT_EQ(phaseY(-kPi), 270);
    EXPECT_EQ(phaseY(0), 144);
    EXPECT_EQ(roundedPixel(2.5L), 2);
    EXPECT_EQ(roundedPixel(3.5L), 4);
    EXPECT_EQ(roundedPixel(-2.5L), -2);
    EXPECT_EQ(roundedPixel(1e30L), kFarPixel);
    EXPECT_EQ(roundedPixel(-std::numeric_limits<extended>::infinity(), -1000, 1500), -1000);
}

TEST(PlotGrid, LinearStepChoice)
{
    EXPECT_EQ(linearGridStep(2), 1);   // one sample
    EXPECT_EQ(linearGridStep(20), 1);  // 19 samples
    EXPECT_EQ(linearGridStep(21), 2);  // 20 samples
    EXPECT_EQ(linearGridStep(65537), 5000);
    EXPECT_EQ(linearGridStep(1000000), 50000);
    EXPECT_EQ(linearGridStep(1000001), 100000); // past the table the progression goes on
    EXPECT_EQ(gridStepValue(1), 1);
    EXPECT_EQ(gridStepValue(15), 50000);
}

TEST(PlotGrid, XPositions)
{
    plotScale s;
    s.count = 1;
    EXPECT_EQ(plotX(s, 0), 0);
    EXPECT_EQ(plotX(s, 1), 383);
    s.count = 1000;
    EXPECT_EQ(plotX(s, 999), 382);
    s.count = 10'000'000; // 383 a would not fit in 32 bits
    EXPECT_EQ(plotX(s, 9'999'999), 382);

    plotFlags logX;
    logX.logX = true;
    const plotScale l = makePlotScale(plotRange{1, 0}, logX, 1000);
    EXPECT_EQ(plotX(l, 0), 0);
    EXPECT_EQ(plotX(l, 9), static_cast<int>(std::log(10.0) * 383 / std::log(1001.0)));
    EXPECT_GE(plotX(l, 1000), 382);

    // An empty first variable puts everything at x = 0 and divides by nothing.
    const plotScale empty = makePlotScale(plotRange{}, logX, 0);
    EXPECT_EQ(empty.xFactor, 0);
    EXPECT_EQ(plotX(empty, 5), 0);
}

TEST(Readout, FractionAndIndex)
{
    EXPECT_EQ(readoutFraction(383, false), 383.0L / 384);
    EXPECT_EQ(readoutIndex(100, readoutFraction(383, false)), 99);
    EXPECT_EQ(readoutIndex(384, readoutFraction(383, false)), 383);
    EXPECT_EQ(readoutFraction(500, false), 1);
    EXPECT_EQ(readoutFraction(-7, false), 0);
    // Log X: the left edge reads e^-1 of the length.
    EXPECT_EQ(readoutIndex(1000, readoutFraction(0, true)), 367);
    EXPECT_EQ(readoutIndex(1000, readoutFraction(-20, true)), 367);
    EXPECT_EQ(readoutFraction(384, true), 1);
}

TEST(Readout, SlopeUnits)
{
    EXPECT_EQ(slopeLine(1, 3, 5, false, false, '.'), "Panta : 2");
    EXPECT_EQ(slopeLine(1, 0.5L, 5, true, false, '.'), "Panta : -6.0206db");
    EXPECT_EQ(slopeLine(1, 0.5L, 1, true, true, '.'), "Panta : -20db/dec");
    EXPECT_EQ(slopeLine(0, 1e-100L, 5, true, false, '.'), "Panta : 0db"); // both floored
    EXPECT_EQ(slopeLine(1, 2, 9, false, true, ','), "Panta : 21,854/dec");
    EXPECT_EQ(slopeLine(1, 2, 0, false, true, '.'), "Panta : 0/dec");
}

TEST(Readout, LinesForOneAndTwoVariables)
{
    const tdspvarPtr firstPtr = realVariable({5, -2, 4, 1});
    const tdspvar& first = *firstPtr;
    std::vector<std::string> lines = readoutLines(first, nullptr, 96, false, false, '.');
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Pozitie 1 :1");
    EXPECT_EQ(lines[1], "Valoare : 2"); // a real sample of -2 reads as its absolute value
    EXPECT_EQ(lines[2], "Panta : 2");

    // At the right edge the index reaches N1 and wraps to sample 0.
    lines = readoutLines(first, nullptr, 384, false, false, '.');
    EXPECT_EQ(lines[0], "Pozitie 1 :4");
    EXPECT_EQ(lines[1], "Valoare : 5");

    const tdspvar second("S", signalSamples::complex({0, 0, 0, 0, 3, 0, 0, 0}, {0, 0, 0, 0, 4, 0, 0, 0}));
    lines = readoutLines(first, &second, 192, false, false, '.');
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "Pozitie 1 :2");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "Pozitie 2 :4"); // the same fraction of its own length
    EXPECT_EQ(lines[5], "Valoare : 5");
    EXPECT_EQ(lines[6], "Panta : -5");
}

// Moduli at the ends of the extended range read as they are, neither 0 nor INF, with finite slopes;
// the display peak and the modulus curve take the same values.
TEST(Readout, ModuliAtTheEndsOfTheRange)
{
    const struct {
        std::vector<extended> re, im; // im empty: a real variable
        const char *first, *second;   // the readout's value at samples 0 and 1
    } cases[] = {{{1.11111E-4000L, -1.18E+4932L}, {}, "Valoare : 1.1111E-4000", "Valoare : 1.18E4932"},
                 {{3E-3000L, 0}, {4E-3000L, 1}, "Valoare : 5E-3000", "Valoare : 1"},
                 {{3E+4000L, 0}, {-4E+4000L, -2}, "Valoare : 5E4000", "Valoare : 2"}};
    for (const auto& c : cases) {
        const tdspvar v("V", c.im.empty() ? signalSamples::real(c.re) : signalSamples::complex(c.re, c.im));
        for (const bool logY : {false, true})
            for (const auto& [x, value] : {std::pair{0, c.first}, std::pair{192, c.second}}) {
                const std::vector<std::string> lines = readoutLines(v, nullptr, x, false, logY, '.');
                EXPECT_EQ(lines[1], value);
                EXPECT_EQ(lines[2].find_first_of("IN"), std::string::npos) << lines[2]; // no INF, no NAN
            }
        EXPECT_EQ(v.peak(), std::max(v.sampleModulus(0), v.sampleModulus(1)));
        EXPECT_EQ(v.interpolatedModulus(0, 0), v.sampleModulus(0));
    }
}

// Signals the plain range rules drew misleadingly: a modulus constant up to rounding (full-height
// noise), an infinite sample (every point clamped away), a signal of 1e-300 (flat under its
// labels). Each is drawn like an ordinary signal now: heights of its largest and smallest finite
// value, its labels, and where its non-finite samples go.
TEST(PlotScale, ConstantUpToRoundingInfiniteAndTinySignals)
{
    const int n = 64;
    const auto sampled = [n](bool complex, auto f) {
        signalSamples samples;
        samples.resize(n, complex);
        for (int i = 0; i < n; ++i) {
            const complexValue z = f(static_cast<extended>(i) / n);
            samples.re[static_cast<std::size_t>(i)] = z.re;
            if (complex)
                samples.im[static_cast<std::size_t>(i)] = z.im;
        }
        return std::make_shared<tdspvar>("V", std::move(samples));
    };
    // exp(i*x*pi*2): moduli 1 and 1 - 5e-20.
    const tdspvarPtr spiral = sampled(true, [](extended x) {
        return complexValue{std::cos(2 * kPi * x), std::sin(2 * kPi * x)};
    });
    // (1/x)^10: sample 0 is infinite.
    const tdspvarPtr steep = sampled(false, [](extended x) { return complexValue{std::pow(1 / x, 10), 0}; });
    // sin(x*pi*2)/1e300.
    const tdspvarPtr tiny = sampled(false, [](extended x) { return complexValue{std::sin(2 * kPi * x) / 1e300L, 0}; });
    const extended inf = std::numeric_limits<extended>::infinity();

    struct testCase {
        const char* name;
        tdspvarPtr v;
        plotMode mode;
        extended largest, smallest; // finite values of the plotted quantity
        int top, bottom;            // their heights
        const char *maxLabel, *minLabel;
    };
    const testCase cases[] = {
        {"spiral modulus", spiral, kPolar, 1, 1 - 5e-20L, 0, 0, "1", "1"},
        {"spiral log modulus", spiral, kPolarLogY, 1, 1 - 5e-20L, 0, 0, "0 db", "-86,859 db"},
        {"steep", steep, kReal, std::pow(64.0L, 10), std::pow(64.0L / 63, 10), 0, 289, "1,1529E18", "1,1706"},
        {"tiny sine", tiny, kReal, 1e-300L, -1e-300L, 0, 289, "1E-300", "-1E-300"},
    };
    for (const testCase& c : cases) {
        SCOPED_TRACE(c.name);
        const plotScale s = scaleFor(c.v, c.mode);
        EXPECT_EQ(plotY(s, c.largest), c.top);
        EXPECT_EQ(plotY(s, c.smallest), c.bottom);
        EXPECT_EQ(yRangeLabel(s.maximum, s.logY, ','), c.maxLabel);
        EXPECT_EQ(yRangeLabel(s.minimum, s.logY, ','), c.minLabel);
    }
    // Every sample of the spiral's modulus lies on the top row; the tiny sine's zero crossing is
    // in the middle; the infinite sample is a stroke clamped far above, a NaN a gap.
    const plotScale spiralScale = scaleFor(spiral, kPolar);
    for (int i = 0; i < n; ++i)
        ASSERT_EQ(plotY(spiralScale, spiral->sampleModulus(i)), 0) << i;
    EXPECT_EQ(plotY(scaleFor(tiny, kReal), 0), 144);
    EXPECT_EQ(plotY(scaleFor(steep, kReal), inf), -1000);
    EXPECT_EQ(plotY(scaleFor(steep, kReal), -inf), 1500);
    EXPECT_EQ(plotY(scaleFor(steep, kReal), std::numeric_limits<extended>::quiet_NaN()), std::nullopt);
}

// The spectrum view's arithmetic: bins to frequencies in each layout, dB levels, peak snapping
// and the readout texts.
#include "core/variable.h"
#include "dsp/fourier.h"
#include "plot/peaks.h"
#include "plot/spectrumaxis.h"
#include "plot/spectrumlevels.h"
#include "plot/spectrumreadout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

static constexpr extended kNaN = std::numeric_limits<extended>::quiet_NaN();
static constexpr extended kInf = std::numeric_limits<extended>::infinity();

// A lab exercise: two sines at 1024 Hz, read off at their peaks through the program's own
// transform and the one-sided layout a real signal is shown in.
TEST(Spectrum, TwoSinesReadAtTheirPeaks)
{
    std::vector<extended> samples(1024);
    for (int i = 0; i < 1024; ++i) {
        const extended t = i / extended(1024);
        samples[static_cast<std::size_t>(i)] = std::sin(2 * kPi * 50 * t) + 0.5L * std::sin(2 * kPi * 120 * t);
    }
    const tdspvar signal("S", signalSamples::real(std::move(samples)));
    sampleBuffer transformed;
    fourierTransform(signal, fourierDirection::direct, transformed);
    std::vector<extended> re, im;
    for (const complexValue& x : std::span(transformed.values).first(static_cast<std::size_t>(transformed.count))) {
        re.push_back(x.re);
        im.push_back(x.im);
    }
    const spectrumAxis axis(1024, 1024.0L, spectrumLayout::oneSided);
    const spectrumLevels levels = computeSpectrumLevels(axis, re, im);
    const peakIndex peaks(levels.level);

    const auto first = peaks.nearest(axis.positionNearest(46.3L));
    const auto second = peaks.nearest(axis.positionNearest(123));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(frequencyReadout(axis, *first, '.'), "f = 50.0 Hz");
    EXPECT_EQ(frequencyReadout(axis, *second, '.'), "f = 120.0 Hz");
    EXPECT_NEAR(levels.level[static_cast<std::size_t>(*first)] - levels.level[static_cast<std::size_t>(*second)],
                6.02L, 0.01L);
    EXPECT_EQ(levelReadout(std::hypot(re[50], im[50]), levels.floorDb, '.'), "|X| = 54.19 dB");
    // Shift+Right and Shift+Left step between the two; the noise below the floor has no peaks.
    EXPECT_EQ(peaks.positions(), (std::vector<std::int64_t>{*first, *second}));
    EXPECT_EQ(peaks.previous(*second), *first);
}

// Every layout, even and odd lengths: a shown position's frequency names its bin (modulo the
// rate), the nearest position to that frequency is the position itself, and each layout starts
// where a reader expects.
TEST(Spectrum, LayoutsMapPositionsFrequenciesAndBins)
{
    struct layoutCase {
        std::int64_t bins;
        spectrumLayout layout;
        std::int64_t shown;
        std::int64_t firstBin;
        extended firstFrequency; // at rate 8 Hz
    };
    const layoutCase cases[] = {
        {4, spectrumLayout::full, 4, 0, 0},    {4, spectrumLayout::centred, 4, 2, -4},
        {5, spectrumLayout::centred, 5, 3, -3.2L}, {4, spectrumLayout::oneSided, 3, 0, 0},
        {5, spectrumLayout::oneSided, 3, 0, 0}, {1, spectrumLayout::centred, 1, 0, 0},
    };
    for (const layoutCase& c : cases) {
        const spectrumAxis axis(c.bins, 8.0L, c.layout);
        SCOPED_TRACE(testing::Message() << c.bins << " bins, layout " << static_cast<int>(c.layout));
        EXPECT_EQ(axis.shownCount(), c.shown);
        EXPECT_EQ(axis.binAt(0), c.firstBin);
        EXPECT_NEAR(axis.frequencyAt(0), c.firstFrequency, 1e-15L);
        for (std::int64_t p = 0; p < axis.shownCount(); ++p) {
            const extended f = axis.frequencyAt(static_cast<extended>(p));
            const extended binFrequency = static_cast<extended>(axis.binAt(p)) * axis.binSpacing();
            EXPECT_NEAR(std::remainder(f - binFrequency, 8.0L), 0, 1e-15L) << p;
            EXPECT_EQ(axis.positionNearest(f + 0.4L * axis.binSpacing()), p);
        }
        EXPECT_EQ(axis.positionNearest(-1e30L), 0);
        EXPECT_EQ(axis.positionNearest(1e30L), c.shown - 1);
        EXPECT_EQ(axis.positionNearest(kNaN), 0);
    }
    EXPECT_EQ(spectrumAxis(8, -1.0L, spectrumLayout::full).unit(), frequencyUnit::cyclesPerSample);
}

// Extreme parts neither vanish nor overflow; silence lies on the floor; a NaN bin is a gap
// that neither the peak nor the floor sees.
TEST(Spectrum, LevelsOfExtremeAndEmptySpectra)
{
    EXPECT_NEAR(modulusOf(3e-4000L, 4e-4000L) / 5e-4000L, 1, 1e-15L);
    EXPECT_NEAR(modulusOf(-1.18e4932L, 1e4931L) / 1.1842e4932L, 1, 1e-4L);

    const spectrumAxis axis(4, std::nullopt, spectrumLayout::full);
    const std::vector<extended> zeros(4, 0);
    const spectrumLevels silent = computeSpectrumLevels(axis, zeros, {});
    EXPECT_EQ(silent.floorDb, -120);
    EXPECT_EQ(silent.level, std::vector<extended>(4, -120));
    EXPECT_EQ(levelReadout(0, silent.floorDb, ','), "|X| < -120,00 dB");
    EXPECT_TRUE(peakIndex(silent.level).positions().empty());

    const std::vector<extended> re = {kNaN, 10, 1e-9L, kInf};
    const spectrumLevels mixed = computeSpectrumLevels(axis, re, {}, 60);
    EXPECT_TRUE(std::isnan(mixed.level[0]));
    EXPECT_EQ(mixed.peakDb, 20);
    EXPECT_EQ(mixed.level[2], -40); // -180 dB clipped at 60 dB below the peak
    EXPECT_EQ(mixed.level[3], kInf);
}

TEST(Spectrum, ReadoutDigits)
{
    // Neighbouring bins differ by ten units of the last digit shown, or more.
    const std::pair<extended, int> cases[] = {{1, 1}, {100, 1}, {0.25L, 2}, {1 / 1024.0L, 5}, {0, 12}};
    for (const auto& [spacing, decimals] : cases)
        EXPECT_EQ(frequencyDecimals(spacing), decimals) << static_cast<double>(spacing);
    EXPECT_EQ(levelReadout(0.5L, -120, ','), "|X| = -6,02 dB");
    const spectrumAxis centred(1024, std::nullopt, spectrumLayout::centred);
    EXPECT_EQ(frequencyReadout(centred, 0, '.'), "f = -0.50000 cicluri/esantion");
}

TEST(Peaks, RunsEndsAndGaps)
{
    struct peakCase {
        std::vector<extended> levels;
        std::vector<std::int64_t> peaks;
    };
    const peakCase cases[] = {
        {{1, 3, 3, 3, 1}, {2}},        // a flat top: its middle
        {{1, 3, 3, 5, 1}, {3}},        // a shoulder on the way up is no peak
        {{4, 1, 2, 1, 4}, {0, 2, 4}},  // the ends need one lower neighbour
        {{2, 2, 2}, {}},               // one run: nothing stands out
        {{1, kNaN, 0.5L, kNaN}, {0, 2}},
        {{}, {}},
    };
    for (const peakCase& c : cases)
        EXPECT_EQ(peakIndex(c.levels).positions(), c.peaks);

    const peakIndex peaks(std::vector<extended>{5, 1, 1, 1, 2, 1, 1, 1, 1});
    EXPECT_EQ(peaks.nearest(2), 0); // as far as the one at 4, and higher
    EXPECT_EQ(peaks.next(4), std::nullopt);
}

#include "dsp/differencefilter.h"
#include "dsp/iirdesign.h"
#include "dsp/zinverse.h"
#include "dsptestutil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

// The difference equation exactly as written: the natural order of the sums, a division by a[0]
// at every sample, and every term tested against the start of the signal.
std::vector<extended> directRecurrence(const transferFunction& h, const std::vector<extended>& x)
{
    std::vector<extended> y(x.size());
    for (std::size_t n = 0; n < x.size(); ++n) {
        extended sum = 0;
        for (std::size_t k = 0; k < h.b.size() && k <= n; ++k)
            sum += h.b[k] * x[n - k];
        for (std::size_t k = 1; k < h.a.size() && k <= n; ++k)
            sum -= h.a[k] * y[n - k];
        y[n] = sum / h.a[0];
    }
    return y;
}

transferFunction typed(std::string_view numerator, std::string_view denominator)
{
    return systemFromTypedLists(readCoefficients(numerator), readCoefficients(denominator));
}

} // namespace

TEST(DifferenceFilter, EqualsTheDirectRecurrenceOnRealAndComplexSignals)
{
    const transferFunction cases[] = {
        typed("0.25 , 0.5 , 1", "1"),            // FIR, longer numerator than denominator
        typed("1", "-0.5, 1"),                   // fewer numerator coefficients
        typed("0.3, -0.2, 1.5", "0.5, -1.5, 2"), // a[0] = 2
        typed("1, 2, 3, 4", "0.1, 0.2"),         // a short recursive part under a long numerator
        designIir({filterBand::bandStop, 3, 0.1L, 0.3L, 1}, iirFamily::chebyshev1, 1).system,
        designIir({filterBand::lowPass, 10, 0.2L, 0, 1}, iirFamily::butterworth, 0).system,
    };
    std::vector<extended> re, im;
    for (const complexValue& c : dsptest::randomSignal(400, 11)) {
        re.push_back(c.re);
        im.push_back(c.im);
    }
    for (const transferFunction& h : cases) {
        const std::vector<extended> wantRe = directRecurrence(h, re), wantIm = directRecurrence(h, im);
        extended peak = 0;
        for (extended v : wantRe)
            peak = std::max(peak, std::fabs(v));
        const auto near = [&](extended a, extended b) { return std::fabs(a - b) <= 1e-17L * peak; };

        std::vector<extended> y(re.size());
        EXPECT_FALSE(filterSamples(h, re, y).diverged());
        sampleBuffer real, complex;
        filterVariable(h, *dsptest::realVariable(re), real);
        filterVariable(h, *dsptest::complexVariable(re, im), complex);
        ASSERT_TRUE(real.count == 400 && !real.isComplex && complex.count == 400 && complex.isComplex);
        for (std::size_t n = 0; n < re.size(); ++n) {
            EXPECT_TRUE(near(y[n], wantRe[n]) && near(complex.values[n].im, wantIm[n])) << "sample " << n;
            EXPECT_TRUE(real.values[n] == (complexValue{y[n], 0}) && complex.values[n].re == y[n]) << "sample " << n;
        }
    }
}

TEST(DifferenceFilter, ImpulseResponseIsTheInverseZSeries)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1", "1"}, {"0, 1", "-0.5, 1"}, {"1", "-0.5, 1"}, {"1, 0", "-0.5, 1"}, {"1, 1", "0, 1"},
        {"1, 2, 3", "1"}, {"0, 0, 1", "0.5, -1, 1"}, {"0.7, -1.2, 0.4", "0.9, 0, -0.3, 1, 0, 0"},
        {"2, 0, 0, 0, 0, 0, 0, 0, 0, 1", "0.25, 0.5, -0.75, 1.1, -0.4, 0.2, 3"},
    };
    std::vector<extended> impulse(kSeriesTerms, 0), y(kSeriesTerms);
    impulse[0] = 1;
    for (const auto& [numerator, denominator] : cases) {
        const auto series = inverseZSeries(readCoefficients(numerator), readCoefficients(denominator));
        ASSERT_TRUE(series.has_value());
        filterSamples(typed(numerator, denominator), impulse, y);
        for (std::size_t i = 0; i < kSeriesTerms; ++i)
            EXPECT_NEAR(static_cast<double>(y[i]), static_cast<double>((*series)[i]),
                        1e-17 * std::max(1.0, std::fabs(static_cast<double>(y[i]))))
                << numerator << " / " << denominator << ", row " << i + 1;
    }
}

TEST(DifferenceFilter, DivergenceAndRefusalsAreReported)
{
    // A pole at 2 doubles the output at every sample until it passes the largest extended number.
    std::vector<extended> impulse(20000, 0), y(impulse.size());
    impulse[0] = 1;
    const filterOutcome grows = filterSamples(typed("1", "-2, 1"), impulse, y);
    EXPECT_EQ(grows.firstNonFinite, std::numeric_limits<extended>::max_exponent);
    EXPECT_EQ(filterMessage(grows), "Filtrul diverge : de la esantionul 16384 valorile nu mai sunt finite.");

    // A NaN in the input of a complex variable is reported where it enters.
    std::vector<extended> re(32, 1), im(32, 0);
    im[7] = std::numeric_limits<extended>::quiet_NaN();
    sampleBuffer out;
    EXPECT_EQ(filterVariable(typed("1", "1"), *dsptest::complexVariable(re, im), out).firstNonFinite, 7);

    // A refused system writes nothing.
    out.setCount(5);
    const filterOutcome refused = filterVariable(typed("1", "0, 0"), *dsptest::realVariable(re), out);
    EXPECT_EQ(refused.problem, systemProblem::zeroDenominator);
    EXPECT_EQ(out.count, 5);
}

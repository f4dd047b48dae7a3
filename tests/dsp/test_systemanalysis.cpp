#include "dsp/frequencyresponse.h"
#include "dsp/systemanalysis.h"
#include "dsp/zinverse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace {

using cx = complexExtended;

void expectRoots(const std::vector<polynomialRoot>& got, const std::vector<polynomialRoot>& want, extended tolerance,
                 const std::string& label)
{
    ASSERT_EQ(got.size(), want.size()) << label;
    for (std::size_t i = 0; i < want.size(); ++i) {
        const extended scale = std::max(extended{1}, std::abs(want[i].value));
        EXPECT_TRUE(std::abs(got[i].value - want[i].value) <= tolerance * scale &&
                    got[i].multiplicity == want[i].multiplicity)
            << label << ", root " << i << ": " << static_cast<double>(got[i].value.real()) << " x" << got[i].multiplicity;
    }
}

transferFunction typed(std::string_view numerator, std::string_view denominator)
{
    return systemFromTypedLists(readCoefficients(numerator), readCoefficients(denominator));
}

} // namespace

TEST(PolynomialRoots, KnownRootsWithTheirMultiplicities)
{
    const cx unit(0.6L, 0.8L);
    // The roots are multiplied out into the coefficients; the expected ones are ordered by real
    // part, then imaginary part.
    const struct {
        const char* label;
        std::vector<cx> roots;
        std::vector<polynomialRoot> want;
        extended tolerance;
    } cases[] = {
        {"triple root", {1, 1, 1}, {{1, 3}}, 1e-17L},
        {"tenfold root", std::vector<cx>(10, cx(-1)), {{-1, 10}}, 1e-15L},
        {"close but distinct", {0.5L, 0.6L, 0.9L, 0.9001L}, {{0.5L, 1}, {0.6L, 1}, {0.9L, 1}, {0.9001L, 1}}, 1e-12L},
        {"within the grouping tolerance", {0.9L, 0.9L + 1e-8L}, {{0.9L + 5e-9L, 2}}, 1e-15L},
        {"double pairs on the unit circle", {unit, unit, std::conj(unit), std::conj(unit), 1, 1, 1},
         {{std::conj(unit), 2}, {unit, 2}, {1, 3}}, 1e-15L},
        {"sizes far apart", {1e5L, 1e-5L, 3, 3, -2}, {{-2, 1}, {1e-5L, 1}, {3, 2}, {1e5L, 1}}, 1e-15L},
    };
    for (const auto& c : cases)
        expectRoots(polynomialRoots(polynomialFromRoots(c.roots)), c.want, c.tolerance, c.label);

    // Zero coefficients are exact: leading ones lower the degree, trailing ones are roots at 0.
    expectRoots(polynomialRoots(std::vector<extended>{0, 0, 2, -1, 0, 0}), {{0, 2}, {0.5L, 1}}, 0, "zeros at the ends");
    expectRoots(polynomialRoots(std::vector<extended>{1e300L, -0.5e300L}), {{0.5L, 1}}, 0, "1e300");
    EXPECT_TRUE(polynomialRoots(std::vector<extended>{0, 0, 3}).empty());
}

TEST(PolynomialRoots, RandomPolynomialsUpToDegree50)
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> d(-1, 1);
    for (std::size_t degree = 2; degree <= kMaxAnalysedOrder; ++degree) {
        std::vector<extended> c(degree + 1);
        for (extended& v : c)
            v = d(rng);
        std::size_t count = 0;
        for (const polynomialRoot& r : polynomialRoots(c)) {
            // |p(r)| at the level of the rounding of its terms: r is a root of a nearby polynomial.
            cx value = 0;
            extended size = 0;
            for (extended v : c) {
                value = value * r.value + v;
                size = size * std::abs(r.value) + std::fabs(v);
            }
            EXPECT_LE(std::abs(value), 1e-15L * size) << "degree " << degree;
            count += static_cast<std::size_t>(r.multiplicity);
        }
        EXPECT_EQ(count, degree);
    }
}

TEST(SystemAnalysis, PolesZerosAndVerdictOfTypedSystems)
{
    const struct {
        const char *numerator, *denominator;
        std::vector<polynomialRoot> zeros, poles;
        int zerosAtInfinity;
        stabilityVerdict verdict;
    } cases[] = {
        // The window's division lines up the last typed coefficients: 1 over z - 0.5 is z / (z - 0.5).
        {"1", "-0.5, 1", {{0, 1}}, {{0.5L, 1}}, 0, stabilityVerdict::stable},
        {"1, 0", "-0.5, 1", {}, {{0.5L, 1}}, 1, stabilityVerdict::stable},
        {"1, 1", "0, 1", {{-1, 1}}, {{0, 1}}, 0, stabilityVerdict::stable},
        {"1, 2, 1", "1", {{-1, 2}}, {{0, 2}}, 0, stabilityVerdict::stable},
        {"0, 0, 1", "0.25, -1, 1", {{0, 2}}, {{0.5L, 2}}, 0, stabilityVerdict::stable},
        {"1", "-1, 1", {{0, 1}}, {{1, 1}}, 0, stabilityVerdict::marginal},
        {"1, 1", "1, 0, 1", {{-1, 1}, {0, 1}}, {{cx(0, -1), 1}, {cx(0, 1), 1}}, 0, stabilityVerdict::marginal},
        {"1", "-2, 1", {{0, 1}}, {{2, 1}}, 0, stabilityVerdict::unstable},
        {"0, 1e300", "-0.5e300, 1e300", {{0, 1}}, {{0.5L, 1}}, 0, stabilityVerdict::stable},
        {"0, 0", "0.5, 1", {}, {{-0.5L, 1}}, 0, stabilityVerdict::stable},
    };
    for (const auto& c : cases) {
        const std::string label = std::string(c.numerator) + " / " + c.denominator;
        const systemAnalysis a = analyseSystem(typed(c.numerator, c.denominator));
        expectRoots(a.zeros, c.zeros, 1e-17L, label + " zeros");
        expectRoots(a.poles, c.poles, 1e-17L, label + " poles");
        EXPECT_TRUE(a.zerosAtInfinity == c.zerosAtInfinity && a.verdict == c.verdict) << label;
    }
    EXPECT_EQ(analyseSystem(typed("0, 0", "0.5, 1")).problem, systemProblem::zeroNumerator);
}

TEST(SystemAnalysis, RefusalsLeaveNoNumbers)
{
    transferFunction tooLong{std::vector<extended>(kMaxAnalysedOrder + 2, 1), {1}};
    const struct {
        transferFunction h;
        systemProblem problem;
    } cases[] = {
        {typed("1", "0, 0"), systemProblem::zeroDenominator},
        {{{1}, {0, 1}}, systemProblem::leadingZeroDenominator},
        {typed("0e5000", "1"), systemProblem::notFinite}, // 0 times an infinite power of ten
        {typed("1", "1e5000"), systemProblem::notFinite},
        {typed("1e301", "1"), systemProblem::outOfRange},
        {typed("1", "1e-301, 1"), systemProblem::outOfRange},
        {tooLong, systemProblem::orderTooHigh},
    };
    for (const auto& c : cases) {
        const systemAnalysis a = analyseSystem(c.h);
        EXPECT_EQ(a.problem, c.problem);
        EXPECT_FALSE(systemProblemMessage(a.problem).empty());
        EXPECT_TRUE(a.zeros.empty() && a.poles.empty() && a.verdict == stabilityVerdict::unknown);
        EXPECT_EQ(computeFrequencyResponse(c.h, 64).magnitudeDb.empty(), c.problem != systemProblem::orderTooHigh);
    }
}

TEST(FrequencyResponse, MagnitudePhaseAndTheirLimits)
{
    // z^-10 (1 + z^-1) / 2: |H| = cos(w/2) with a zero at w = pi, phase -10.5 w once unwrapped.
    std::vector<extended> b(12, 0);
    b[10] = b[11] = 0.5L;
    const frequencyResponse r = computeFrequencyResponse({b, {1}}, 201);
    ASSERT_TRUE(r.omega.size() == 201 && r.omega.back() == kPi);
    const std::vector<extended> unwrapped = unwrapPhase(r.phase);
    for (std::size_t k = 0; k + 1 < r.omega.size(); ++k) {
        const extended w = r.omega[k];
        EXPECT_NEAR(static_cast<double>(r.magnitudeDb[k]), 20 * std::log10(std::cos(static_cast<double>(w) / 2)), 1e-12);
        EXPECT_TRUE(r.phase[k] > -kPi && r.phase[k] <= kPi);
        EXPECT_NEAR(static_cast<double>(unwrapped[k]), static_cast<double>(-10.5L * w), 1e-13);
    }
    EXPECT_EQ(r.magnitudeDb.back(), kMagnitudeFloorDb);

    // A pole on the grid reads as the ceiling; coefficients near 1e300 as their true gain.
    EXPECT_EQ(computeFrequencyResponse({{1}, {1, -1}}, 5).magnitudeDb.front(), kMagnitudeCeilingDb);
    const frequencyResponse big = computeFrequencyResponse(typed("0, 1e300", "-0.5e300, 1e300"), 3);
    EXPECT_NEAR(static_cast<double>(big.magnitudeDb.front()), 20 * std::log10(2.0), 1e-12);
    EXPECT_NEAR(static_cast<double>(big.magnitudeDb.back()), 20 * std::log10(2.0 / 3), 1e-12);

    const frequencyResponse none = computeFrequencyResponse(typed("0", "1"), 4);
    EXPECT_TRUE(none.problem == systemProblem::zeroNumerator && none.phase == std::vector<extended>(4, 0) &&
                none.magnitudeDb == std::vector<extended>(4, kMagnitudeFloorDb));
}

#include "dsp/zinverse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

std::array<extended, kSeriesTerms> series(std::string_view numerator, std::string_view denominator)
{
    const auto q = inverseZSeries(readCoefficients(numerator), readCoefficients(denominator));
    EXPECT_TRUE(q.has_value()) << numerator << " / " << denominator;
    return q.value_or(std::array<extended, kSeriesTerms>{});
}

// The rows start with `want` and go on with zeros.
void expectRows(const std::array<extended, kSeriesTerms>& q, const std::vector<extended>& want)
{
    for (std::size_t i = 0; i < kSeriesTerms; ++i)
        EXPECT_EQ(q[i], i < want.size() ? want[i] : 0) << "row " << i + 1;
}

// The rows are `zeros` zeros and then 1, 0.5, 0.25, ... (exact: powers of two).
void expectHalving(const std::array<extended, kSeriesTerms>& q, std::size_t zeros)
{
    extended term = 1;
    for (std::size_t i = 0; i < kSeriesTerms; ++i) {
        EXPECT_EQ(q[i], i < zeros ? 0 : term) << "row " << i + 1;
        if (i >= zeros)
            term /= 2;
    }
}

} // namespace

TEST(CoefficientReader, Numbers)
{
    using v = std::vector<extended>;
    EXPECT_EQ(readCoefficients("1.5,2"), (v{1.5, 2}));
    EXPECT_EQ(readCoefficients("1.5e1"), (v{15}));
    EXPECT_EQ(readCoefficients("-  3"), (v{-3}));
    EXPECT_EQ(readCoefficients(".5"), (v{0.5}));
    EXPECT_EQ(readCoefficients("0.25 , 0.5 , 1"), (v{0.25, 0.5, 1}));
    EXPECT_EQ(readCoefficients("2.5E-1, 1e 2, -.125"), (v{0.25, 100, -0.125}));
    // The exponent is read like a coefficient: it may have a fraction and an exponent of its own,
    // and an exponent in the integer part lets fraction digits follow.
    EXPECT_NEAR(static_cast<double>(readCoefficients("1e0.5")[0]), 3.16227766016838, 1e-14);
    EXPECT_NEAR(static_cast<double>(readCoefficients("3e1e1")[0]), 3e10, 1);
}

TEST(CoefficientReader, FieldsAndGarbage)
{
    using v = std::vector<extended>;
    EXPECT_EQ(readCoefficients(""), v{});
    EXPECT_EQ(readCoefficients("abc"), (v{0}));
    EXPECT_EQ(readCoefficients("2x, 3"), (v{2, 3}));
    EXPECT_EQ(readCoefficients("1,,2"), (v{1, 0, 2}));
    EXPECT_EQ(readCoefficients("1.2.3, 4"), (v{1.2L, 4}));
    EXPECT_EQ(readCoefficients("1,"), (v{1}));
    EXPECT_EQ(readCoefficients("1, "), (v{1, 0}));
    EXPECT_EQ(readCoefficients("- x"), (v{0}));
    EXPECT_EQ(readCoefficients("1*2, 5"), (v{1, 5}));

    std::string many;
    for (int i = 1; i <= 25; ++i)
        many += std::to_string(i) + ",";
    const v twenty = readCoefficients(many);
    ASSERT_EQ(twenty.size(), 20u);
    EXPECT_EQ(twenty.back(), 20);
}

TEST(CoefficientReader, HostileTextEndsWithoutCrashing)
{
    std::string tower;
    for (int i = 0; i < 100000; ++i)
        tower += "1e";
    const auto q = readCoefficients(tower);
    ASSERT_EQ(q.size(), 1u);
    EXPECT_TRUE(std::isinf(q[0]));
    EXPECT_TRUE(std::isinf(readCoefficients(std::string(6000, '9'))[0]));
    EXPECT_EQ(readCoefficients("1e-99999")[0], 0);
}

TEST(InverseZSeries, WorkedExamples)
{
    expectRows(series("1", "1"), {1});
    expectHalving(series("0, 1", "-0.5, 1"), 0);
    expectRows(series("1, 1", "0, 1"), {1, 1});
    expectHalving(series("1", "-0.5, 1"), 0);
    expectHalving(series("1, 0", "-0.5, 1"), 1);
    // A variable's magnitudes entered in reverse over 1 come back in their natural order.
    expectRows(series("0.25 , 0.5 , 1", "1"), {1, 0.5, 0.25});
    // Trailing zeros of the denominator do not count towards its degree.
    expectHalving(series("0, 1", "-0.5, 1, 0, 0"), 0);
}

TEST(InverseZSeries, SecondOrderSection)
{
    // z^2 / (z^2 - z + 0.5): x[n] = x[n-1] - 0.5 x[n-2], x[0] = 1, x[1] = 1.
    const auto q = series("0, 0, 1", "0.5, -1, 1");
    extended a = 1, b = 1;
    EXPECT_EQ(q[0], 1);
    EXPECT_EQ(q[1], 1);
    for (std::size_t i = 2; i < kSeriesTerms; ++i) {
        const extended c = b - 0.5L * a;
        EXPECT_NEAR(static_cast<double>(q[i]), static_cast<double>(c), 1e-18) << "row " << i + 1;
        a = b;
        b = c;
    }
}

TEST(InverseZSeries, NoUsableDenominator)
{
    EXPECT_FALSE(inverseZSeries(readCoefficients("1"), readCoefficients("0, 0")).has_value());
    EXPECT_FALSE(inverseZSeries(readCoefficients("1"), readCoefficients("")).has_value());
    EXPECT_FALSE(inverseZSeries({}, {}).has_value());
    // An empty numerator over a usable denominator is all zeros, not "nothing".
    const auto zeros = inverseZSeries({}, {2});
    ASSERT_TRUE(zeros.has_value());
    EXPECT_EQ((*zeros)[0], 0);
}

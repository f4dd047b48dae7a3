#include "core/numformat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(NumberFormat, PlainAndScientificNotation)
{
    EXPECT_EQ(formatGeneral(0.5L, 5), "0.5");
    EXPECT_EQ(formatGeneral(123456.0L, 5), "1.2346E5");
    EXPECT_EQ(formatGeneral(0.000001234L, 5), "1.234E-6");
    EXPECT_EQ(formatGeneral(0.0001L, 5), "0.0001");
    EXPECT_EQ(formatGeneral(0.00009999L, 5), "9.999E-5");
    EXPECT_EQ(formatGeneral(12345.0L, 5), "12345");
    EXPECT_EQ(formatGeneral(100.0L, 15), "100");
    EXPECT_EQ(formatGeneral(1e15L, 15), "1E15");
    EXPECT_EQ(formatGeneral(0.1L, 15), "0.1");
    EXPECT_EQ(formatGeneral(3.14159265358979323851L, 15), "3.14159265358979");
}

TEST(NumberFormat, RoundingCarriesIntoTheNextDecade)
{
    EXPECT_EQ(formatGeneral(9.99995L, 5), "10");
    EXPECT_EQ(formatGeneral(99999.5L, 5), "1E5");
    EXPECT_EQ(formatGeneral(-99999.5L, 5), "-1E5");
    EXPECT_EQ(formatGeneral(0.000099999L, 4), "0.0001");
    EXPECT_EQ(formatGeneral(2.5L, 1), "3"); // halves away from zero
    EXPECT_EQ(formatGeneral(-2.5L, 1), "-3");
}

TEST(NumberFormat, SignsZeroSeparatorAndNonFinite)
{
    EXPECT_EQ(formatGeneral(0.0L, 5), "0");
    EXPECT_EQ(formatGeneral(-0.0L, 5), "0");
    EXPECT_EQ(formatGeneral(-1.5L, 5), "-1.5");
    EXPECT_EQ(formatGeneral(-1.5L, 5, ','), "-1,5");
    EXPECT_EQ(formatGeneral(1.25e-7L, 5, ','), "1,25E-7");
    EXPECT_EQ(formatGeneral(std::numeric_limits<extended>::infinity(), 5), "INF");
    EXPECT_EQ(formatGeneral(-std::numeric_limits<extended>::infinity(), 5), "-INF");
    EXPECT_EQ(formatGeneral(std::numeric_limits<extended>::quiet_NaN(), 5), "NAN");
    EXPECT_EQ(formatGeneral(1e1000L, 15), "1E1000");
    EXPECT_EQ(formatGeneral(1e-1000L, 15), "1E-1000");
}

TEST(NumberFormat, NextPowerOfTwoIsTheSmallestNotBelowTheCount)
{
    EXPECT_EQ(nextPowerOfTwo(0), 1);
    EXPECT_EQ(nextPowerOfTwo(1), 1);
    EXPECT_EQ(nextPowerOfTwo(3), 4);
    EXPECT_EQ(nextPowerOfTwo(65535), 65536);
    EXPECT_EQ(nextPowerOfTwo(65536), 65536);
    EXPECT_EQ(nextPowerOfTwo(65537), 131072);
}

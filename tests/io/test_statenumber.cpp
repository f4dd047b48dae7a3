#include "io/statenumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

namespace {

// The 23-character form built from the C library's exact "%.14Le" digits (tests run in the C
// locale, where strtold and printf are the reference).
std::string referenceForm(extended v)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.14Le", std::fabs(v));
    std::string digits;
    const char* p = text;
    for (; *p != 'e'; ++p)
        if (*p != '.')
            digits += *p;
    const int exponent = std::atoi(p + 1);
    char out[32];
    std::snprintf(out, sizeof out, "%c%c.%sE%c%04d", v < 0 ? '-' : ' ', digits[0],
                  digits.c_str() + 1, exponent < 0 ? '-' : '+', std::abs(exponent));
    return out;
}

extended randomValue(std::mt19937_64& rng, int lowExponent, int highExponent)
{
    const std::uint64_t mantissa = rng() | (std::uint64_t{1} << 63);
    const int e = std::uniform_int_distribution<int>(lowExponent, highExponent)(rng);
    const extended v = std::ldexp(static_cast<extended>(mantissa), e - 63);
    return (rng() & 1) ? -v : v;
}

extended parsed(std::string_view token)
{
    extended v = -12345;
    EXPECT_TRUE(parseStateReal(token, v)) << token;
    return v;
}

bool refused(std::string_view token)
{
    extended v = 0;
    return !parseStateReal(token, v);
}

} // namespace

TEST(StateNumber, WrittenForms)
{
    EXPECT_EQ(formatStateNumber(1), " 1.00000000000000E+0000");
    EXPECT_EQ(formatStateNumber(-0.25L), "-2.50000000000000E-0001");
    EXPECT_EQ(formatStateNumber(0), " 0.00000000000000E+0000");
    EXPECT_EQ(formatStateNumber(-0.0L), " 0.00000000000000E+0000");
    EXPECT_EQ(formatStateNumber(2.0L / 3), " 6.66666666666667E-0001");
    EXPECT_EQ(formatStateNumber(-123456789012345678.0L), "-1.23456789012346E+0017");
    // An exact tie at the 16th digit and a carry into a new decade.
    EXPECT_EQ(formatStateNumber(999999999999999.5L), " 1.00000000000000E+0015");
    EXPECT_EQ(formatStateNumber(9.999999999999996e-5L), " 1.00000000000000E-0004");
    EXPECT_EQ(formatStateNumber(std::numeric_limits<extended>::max()), " 1.18973149535723E+4932");
    EXPECT_EQ(formatStateNumber(std::numeric_limits<extended>::denorm_min()),
              " 3.64519953188247E-4951");
    EXPECT_EQ(formatStateNumber(std::numeric_limits<extended>::quiet_NaN()),
              "                    Nan");
    EXPECT_EQ(formatStateNumber(std::numeric_limits<extended>::infinity()),
              "                   +Inf");
    EXPECT_EQ(formatStateNumber(-std::numeric_limits<extended>::infinity()),
              "                   -Inf");
}

TEST(StateNumber, FormatAgreesWithExactRoundingEverywhere)
{
    std::mt19937_64 rng(7);
    for (int i = 0; i < 200000; ++i) {
        // Mostly the range of everyday samples, then the whole extended range and subnormals.
        const extended v = i % 4 == 0   ? randomValue(rng, -16381, 16383)
                           : i % 4 == 1 ? std::ldexp(static_cast<extended>(rng() >> (rng() % 64)), -16445)
                                        : randomValue(rng, -200, 200);
        ASSERT_EQ(formatStateNumber(v), referenceForm(v)) << static_cast<double>(v);
    }
    // Decimal values with 15 and 16 digits sit on or next to the rounding boundaries.
    for (int i = 0; i < 100000; ++i) {
        char text[48];
        std::snprintf(text, sizeof text, "%llu5e%d",
                      static_cast<unsigned long long>(rng() % 1000000000000000ULL),
                      static_cast<int>(rng() % 80) - 50);
        const extended v = std::strtold(text, nullptr);
        ASSERT_EQ(formatStateNumber(v), referenceForm(v)) << text;
    }
}

TEST(StateNumber, ReadsDecimalFormsAndTheThreeWords)
{
    EXPECT_EQ(parsed("0.25"), 0.25L);
    EXPECT_EQ(parsed("-3"), -3);
    EXPECT_EQ(parsed("1E-3"), 1e-3L);
    EXPECT_EQ(parsed("+2.5e+1"), 25);
    EXPECT_EQ(parsed(".5"), 0.5L);
    EXPECT_EQ(parsed("5."), 5);
    EXPECT_EQ(parsed("000000000000000000000000000000000000000000000000000000000000001"), 1);
    EXPECT_TRUE(std::signbit(parsed("-0.0")));
    EXPECT_TRUE(std::isnan(parsed("Nan")));
    EXPECT_EQ(parsed("+Inf"), std::numeric_limits<extended>::infinity());
    EXPECT_EQ(parsed("-Inf"), -std::numeric_limits<extended>::infinity());

    for (const char* bad : {"", "-", ".", "+.", "e5", "1e", "1e+", "1.2.3", "1,5", "0x10", "1e5x",
                            " 1", "nan", "NaN", "inf", "Inf", "+inf", "INF", "- 1", "1-", "--1"})
        EXPECT_TRUE(refused(bad)) << bad;
    EXPECT_FALSE(refused(std::string(64, '7')));
    EXPECT_TRUE(refused(std::string(65, '7')));
    // Beyond the extended range is not a number of the file; below it is a signed zero.
    EXPECT_TRUE(refused("1E99999"));
    EXPECT_TRUE(refused("-2E4932"));
    EXPECT_EQ(parsed("1E-99999"), 0);
    EXPECT_TRUE(std::signbit(parsed("-1E-5000")));
}

TEST(StateNumber, ReadingRoundsExactlyAndWrittenValuesComeBack)
{
    EXPECT_EQ(parsed("3.64519953188247E-4951"), std::numeric_limits<extended>::denorm_min());
    EXPECT_EQ(parsed("1.8225997659412373E-4951"), 0); // just below half the smallest: to zero
    EXPECT_EQ(parsed("1.8225997659412374E-4951"), std::numeric_limits<extended>::denorm_min());

    std::mt19937_64 rng(11);
    for (int i = 0; i < 6000; ++i) {
        const extended v = i % 3 == 0   ? randomValue(rng, -16381, 16383)
                           : i % 3 == 1 ? std::ldexp(static_cast<extended>(rng() >> (rng() % 64)), -16445)
                                        : randomValue(rng, -60, 60);
        const std::string written = formatStateNumber(v);
        const std::string_view token =
            std::string_view(written).substr(written.find_first_not_of(' '));
        const extended back = parsed(token);
        ASSERT_EQ(back, std::strtold(written.c_str(), nullptr)) << written;
        ASSERT_EQ(formatStateNumber(back), written);
        if (std::fabs(v) > std::numeric_limits<extended>::min()) {
            ASSERT_LE(std::fabs(back - v), std::fabs(v) * 5e-15L) << written;
        }
    }
    // Long tokens and unusual exponents against the C library's correctly rounded reading.
    for (int i = 0; i < 1500; ++i) {
        std::string token =
            std::to_string(rng()) + std::to_string(rng() % 1000000000000ULL) + "." + std::to_string(rng());
        token += 'E';
        token += std::to_string(static_cast<int>(rng() % 9850) - 4980);
        ASSERT_EQ(parsed(token), std::strtold(token.c_str(), nullptr)) << token;
    }
}

TEST(StateNumber, Integers)
{
    std::int32_t v = 0;
    EXPECT_TRUE(parseStateInteger("128", v));
    EXPECT_EQ(v, 128);
    EXPECT_TRUE(parseStateInteger("+7", v));
    EXPECT_EQ(v, 7);
    EXPECT_TRUE(parseStateInteger("-2147483648", v));
    EXPECT_EQ(v, -2147483647 - 1);
    EXPECT_TRUE(parseStateInteger(std::string(31, '0') + "9", v));
    EXPECT_EQ(v, 9);
    for (const char* bad : {"", "-", "2147483648", "99999999999999999999", "1.0", "1E3", "0x1", "3A"})
        EXPECT_FALSE(parseStateInteger(bad, v)) << bad;
    EXPECT_FALSE(parseStateInteger(std::string(32, '0') + "1", v));
}

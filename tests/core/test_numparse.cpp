#include "core/numparse.h"

#include "core/numformat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

testing::AssertionResult parsesTo(std::string_view text, extended expected, char separator = '.')
{
    const auto value = parseCellNumber(text, separator);
    if (!value)
        return testing::AssertionFailure() << '"' << text << "\" does not parse";
    if (*value != expected || std::signbit(*value) != std::signbit(expected))
        return testing::AssertionFailure()
               << '"' << text << "\" gives " << formatGeneral(*value, 20) << ", not "
               << formatGeneral(expected, 20);
    return testing::AssertionSuccess();
}

} // namespace

TEST(ParseCellNumber, AcceptedForms)
{
    EXPECT_TRUE(parsesTo("1e3", 1000));
    EXPECT_TRUE(parsesTo("1E3", 1000));
    EXPECT_TRUE(parsesTo("  -2.5", -2.5L));
    EXPECT_TRUE(parsesTo("+7", 7));
    EXPECT_TRUE(parsesTo(".", 0));
    EXPECT_TRUE(parsesTo(".5", 0.5L));
    EXPECT_TRUE(parsesTo("5.", 5));
    EXPECT_TRUE(parsesTo("-.", -0.0L));
    EXPECT_TRUE(parsesTo("1.5e-2", 0.015L));
    EXPECT_TRUE(parsesTo("2E+2", 200));
    EXPECT_TRUE(parsesTo("00012", 12));
}

TEST(ParseCellNumber, RejectedForms)
{
    for (const char* text : {"", "   ", "-", "+", "1 ", "1x", "e5", "1e", "1e+", "1.2.3", "--1",
                             "1,5", "- 1", "1e5.5", "inf", "nan", "0x10", "\t1"})
        EXPECT_FALSE(parseCellNumber(text)) << '"' << text << '"';
}

TEST(ParseCellNumber, ConvertsExactlyToExtended)
{
    // The nearest 80-bit values, not the nearest doubles.
    EXPECT_TRUE(parsesTo("0.1", 0.1L));
    EXPECT_TRUE(parsesTo("3.14159265358979323846", 3.14159265358979323846L));
    EXPECT_TRUE(parsesTo("1e4000", 1e4000L));
    EXPECT_TRUE(parsesTo("123456789012345678", 123456789012345678.0L));
}

TEST(ParseCellNumber, TheWholeRangeOfTheStateFile)
{
    // Subnormal values are numbers like any other; below the smallest one a value reads as a
    // signed zero; only beyond the largest finite value does a cell not parse.
    const extended smallest = std::numeric_limits<extended>::denorm_min();
    EXPECT_TRUE(parsesTo("3.64519953188247E-4951", smallest));
    EXPECT_TRUE(parsesTo("-3.6451995318824746025e-4951", -smallest));
    EXPECT_TRUE(parsesTo("1e-4940", 1e-4940L));
    EXPECT_TRUE(parsesTo("3.3e-4932", 3.3e-4932L));
    EXPECT_TRUE(parsesTo("1e-5000", 0));
    EXPECT_TRUE(parsesTo("-1e-99999999999999999999", -0.0L));
    EXPECT_TRUE(parsesTo("1.18973149535723176502e4932", std::numeric_limits<extended>::max()));
    EXPECT_FALSE(parseCellNumber("1e5000"));
    EXPECT_FALSE(parseCellNumber("1e99999999999999999999"));
}

TEST(ParseCellNumber, LocaleSeparatorIsAcceptedBesidesThePeriod)
{
    EXPECT_TRUE(parsesTo("1,5", 1.5L, ','));
    EXPECT_TRUE(parsesTo("1.5", 1.5L, ','));
    EXPECT_TRUE(parsesTo("-2,5E-1", -0.25L, ','));
    EXPECT_FALSE(parseCellNumber("1,5.5", ','));
    // A separator that would make the grammar ambiguous is not taken.
    EXPECT_TRUE(parsesTo("1e5", 1e5L, 'e'));
    EXPECT_FALSE(parseCellNumber("1 5", ' '));
}

TEST(ParseCellNumber, ReadsBackWhatTheTableShows)
{
    for (extended v : {0.1L, -1234.5678L, 1e-7L, 6.02214076e23L, 1.0L / 3, 2.5e-4940L,
                       std::numeric_limits<extended>::denorm_min()}) {
        const std::string shown = formatGeneral(v, 15);
        const auto back = parseCellNumber(shown);
        ASSERT_TRUE(back) << shown;
        EXPECT_EQ(formatGeneral(*back, 15), shown);
    }
}

// The built-in vocabulary: the five windows, the real and complex function tables with their
// clamps and replacements, and the agreement of the tables with the workspace's reserved names.
#include "exprtest.h"

#include "expr/windows.h"

#include <algorithm>
#include <cmath>
#include <complex>

using namespace exprtest;

namespace {

extended real(std::string_view name, extended t) { return findRealFunction(name)->function(t); }

complexValue complexCall(std::string_view name, complexValue z)
{
    return findComplexFunction(name)->function(z);
}

constexpr extended kTwoTo63 = 9223372036854775808.0L;

} // namespace

TEST(Windows, ValuesAtTheEdgesAndTheMiddle)
{
    EXPECT_EQ(windowDirichlet(0), 1);
    EXPECT_EQ(windowDirichlet(1), 1);
    EXPECT_EQ(windowDirichlet(1.0000001L), 0);
    EXPECT_EQ(windowDirichlet(-1e-30L), 0);
    EXPECT_EQ(windowBartlett(0.25L), 0.5L);
    EXPECT_EQ(windowBartlett(0.75L), 0.5L);
    EXPECT_EQ(windowBartlett(0.5L), 1);
    EXPECT_EQ(windowBartlett(-0.1L), 0);
    EXPECT_EQ(windowBartlett(1), 0);
    EXPECT_EQ(windowHamming(0), 0.08L);
    EXPECT_EQ(windowHamming(1.5L), 0);
    EXPECT_EQ(windowHanning(0.5L), 1);
    EXPECT_EQ(windowHanning(0), 0);
    EXPECT_NEAR(windowBlackman(0.25L), 0.3325L, 1e-19L);
    EXPECT_EQ(windowBlackman(0.5L), 1);
    EXPECT_EQ(windowBlackman(2), 0);
    for (const extended t : {0.1L, 0.3L, 0.77L}) {
        EXPECT_NEAR(windowHamming(t), 0.54L - 0.46L * std::cos(2 * kPi * t), 1e-18L);
        EXPECT_NEAR(windowHanning(t), 0.5L - 0.5L * std::cos(2 * kPi * t), 1e-18L);
    }
    // Every window is 0 at both ends except Dirichlet (1) and Hamming (0.08), and 1 in the middle.
    for (int index = 0; index < 5; ++index) {
        EXPECT_NEAR(windowFunction(index, 0.5L), 1, 1e-18L) << index;
        const extended edge = index == 0 ? 1 : index == 2 ? 0.08L : 0;
        EXPECT_NEAR(windowFunction(index, 0), edge, 1e-18L) << index;
        EXPECT_NEAR(windowFunction(index, 1), edge, 1e-18L) << index;
    }
}

TEST(Windows, IndexFollowsTheWindowNameList)
{
    const extended t = 0.2L;
    EXPECT_EQ(windowFunction(0, t), windowDirichlet(t));
    EXPECT_EQ(windowFunction(1, t), windowBartlett(t));
    EXPECT_EQ(windowFunction(2, t), windowHamming(t));
    EXPECT_EQ(windowFunction(3, t), windowHanning(t));
    EXPECT_EQ(windowFunction(4, t), windowBlackman(t));
    EXPECT_EQ(valueOf("blackman(x)", t).re, windowBlackman(t));
    EXPECT_EQ(valueOf("bartlett(x)", t).re, windowBartlett(t));
}

TEST(RealFunctions, ClampsAndReplacements)
{
    EXPECT_EQ(real("LN", 0), -1e100L);
    EXPECT_EQ(real("LN", -5), -1e100L);
    EXPECT_EQ(real("LN", 1e-100L), -1e100L);
    EXPECT_NEAR(real("LN", std::exp(1.0L)), 1, 1e-19L);
    EXPECT_NEAR(real("ARCSIN", 2), kPi / 2, 1e-19L);
    EXPECT_NEAR(real("ARCSIN", -7), -kPi / 2, 1e-19L);
    EXPECT_NEAR(real("ARCSIN", 0.5L), kPi / 6, 1e-19L);
    EXPECT_NEAR(real("ARCCOS", -3), kPi, 1e-19L);
    EXPECT_NEAR(real("ARCCOS", 0.5L), kPi / 3, 1e-19L);
    EXPECT_EQ(real("SGN", 0), 0);
    EXPECT_EQ(real("SGN", -0.001L), -1);
    EXPECT_EQ(real("SGN", 3), 1);
    EXPECT_EQ(real("DIRAC", 0), 1);
    EXPECT_EQ(real("DIRAC", 1e-4000L), 0);
    EXPECT_EQ(real("SIN", 1), std::sin(1.0L));
    EXPECT_EQ(real("SIN", kTwoTo63), 0);
    EXPECT_EQ(real("COS", -kTwoTo63), 0);
    EXPECT_EQ(real("COS", 1e30L), 0);
    EXPECT_EQ(real("SIN", kTwoTo63 / 2), std::sin(kTwoTo63 / 2));
}

TEST(ComplexFunctions, Values)
{
    EXPECT_EQ(complexCall("ABS", {3, 4}), (complexValue{5, 0}));
    const complexValue minusOne = complexCall("EXP", {0, kPi});
    EXPECT_NEAR(minusOne.re, -1, 1e-19L);
    EXPECT_NEAR(minusOne.im, 0, 1e-18L);
    for (const complexValue z : {complexValue{0.3L, -1.2L}, complexValue{-2, 0.5L}}) {
        const std::complex<extended> c(z.re, z.im);
        const complexValue s = complexCall("SIN", z);
        const complexValue k = complexCall("COS", z);
        EXPECT_NEAR(s.re, std::sin(c).real(), 1e-18L);
        EXPECT_NEAR(s.im, std::sin(c).imag(), 1e-18L);
        EXPECT_NEAR(k.re, std::cos(c).real(), 1e-18L);
        EXPECT_NEAR(k.im, std::cos(c).imag(), 1e-18L);
    }
}

// PHASE passes the real part as atan2's first argument: not the usual argument of z.
TEST(ComplexFunctions, PhaseWithSwappedArguments)
{
    EXPECT_EQ(valueOf("phase(1)").re, kPi / 2);
    EXPECT_EQ(valueOf("phase(i)").re, 0);
    EXPECT_EQ(valueOf("phase(-1)").re, -kPi / 2);
    EXPECT_EQ(valueOf("phase(-i)").re, kPi);
    EXPECT_EQ(valueOf("phase(0-i)").re, kPi);
    EXPECT_EQ(valueOf("phase(0)").re, 0);
    EXPECT_EQ(valueOf("phase(-0)").re, 0);
    EXPECT_NEAR(valueOf("phase(1+i)").re, kPi / 4, 1e-19L);
}

TEST(ComplexFunctions, ThroughTheParser)
{
    const complexValue abs = valueOf("abs(3+4*i)");
    EXPECT_EQ(abs, (complexValue{5, 0}));
    const complexValue e = valueOf("exp(i*pi)");
    EXPECT_NEAR(e.re, -1, 1e-19L);
    EXPECT_NEAR(e.im, 0, 1e-18L);
    // A real argument that became complex through i*0 still uses the complex row.
    EXPECT_NEAR(valueOf("cos(x+0*i)", 0.4L).re, std::cos(0.4L), 1e-18L);
}

// The workspace refuses exactly the callable names plus NOISE and NNOISE.
TEST(FunctionTables, AgreeWithReservedNames)
{
    std::vector<std::string_view> names{"NOISE", "NNOISE"};
    for (const auto& row : realFunctionTable)
        names.push_back(row.name);
    for (const auto& row : complexFunctionTable)
        names.push_back(row.name);
    for (const std::string_view name : names)
        EXPECT_TRUE(tworkspace::isReservedName(name)) << name;
    for (const std::string_view name : tworkspace::reservedNames)
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
}

// Evaluating trees: complex arithmetic, the real and complex division and power rules, the
// order in which operands draw from the random generator, and variable references.
#include "exprtest.h"

#include "expr/noise.h"

#include <cmath>
#include <complex>

using namespace exprtest;

namespace {

constexpr extended kTiny = 1e-1000L;

void expectComplexNear(complexValue actual, complexValue expected, extended tolerance)
{
    EXPECT_NEAR(actual.re, expected.re, tolerance);
    EXPECT_NEAR(actual.im, expected.im, tolerance);
}

} // namespace

TEST(Evaluation, ComplexArithmetic)
{
    EXPECT_EQ(valueOf("i*i"), (complexValue{-1, 0}));
    EXPECT_EQ(valueOf("(1+2*i)*(3-i)"), (complexValue{5, 5}));
    EXPECT_EQ(valueOf("(1+i)/2"), (complexValue{0.5L, 0.5L}));
    EXPECT_EQ(valueOf("(-i)/2").im, -0.5L);
    EXPECT_EQ(valueOf("(-i)/2").re, 0);
    EXPECT_EQ(valueOf("-i/2").im, -0.5L);
    EXPECT_EQ(valueOf("(3+4*i)/(1-2*i)"), (complexValue{-1, 2}));
    // A zero complex divisor becomes 1e-1000, but the numerator's products with it are 0.
    EXPECT_EQ(valueOf("(1+i)/0"), (complexValue{0, 0}));
    expectComplexNear(valueOf("exp(-i*x)", 0.3L), {std::cos(0.3L), -std::sin(0.3L)}, 1e-18L);
}

TEST(Evaluation, RealDivision)
{
    EXPECT_EQ(valueOf("1/0").re, 1 / kTiny);
    EXPECT_EQ(valueOf("-1/0").re, -1 / kTiny);
    EXPECT_EQ(valueOf("0/0").re, 0);
    EXPECT_EQ(valueOf("7/(x-x)", 3).re, 7 / kTiny);
    EXPECT_EQ(valueOf("abs(i)/2").re, 0.5L);
}

TEST(Evaluation, Power)
{
    EXPECT_EQ(valueOf("0^0").re, 1);
    EXPECT_EQ(valueOf("0^-1").re, 0);
    EXPECT_EQ(valueOf("5^0").re, 1);
    EXPECT_NEAR(valueOf("(-2)^0.5").re, std::sqrt(2.0L), 1e-18L);
    EXPECT_NEAR(valueOf("(-2)^-3").re, -0.125L, 1e-19L);
    EXPECT_NEAR(valueOf("(-2)^3").re, -8, 1e-17L);
    EXPECT_NEAR(valueOf("(-2)^2").re, 4, 1e-17L);
    EXPECT_NEAR(valueOf("(-8)^(1/3)").re, 2, 1e-17L);
    EXPECT_NEAR(valueOf("2^10").re, 1024, 1e-15L);
    EXPECT_NEAR(valueOf("x^0.5", 9).re, 3, 1e-17L);
    EXPECT_EQ(valueOf("i^2"), (complexValue{0, 0}));
    EXPECT_EQ(valueOf("(1+i)^2"), (complexValue{0, 0}));
    EXPECT_EQ(valueOf("2^i"), (complexValue{0, 0}));
    EXPECT_TRUE(std::isinf(valueOf("10^99999").re));
}

// Each NOISE takes one draw and each NNOISE two, in evaluation order: left before right,
// but the divisor first in a real division, and nothing at all inside a complex power.
TEST(Evaluation, OrderOfRandomDraws)
{
    resetRandomGenerator();
    const extended first = uniformNoise();
    const extended second = uniformNoise();
    const extended third = uniformNoise();
    EXPECT_EQ(first, -1);

    const parsedExpression difference = parse("noise-noise");
    resetRandomGenerator();
    EXPECT_EQ(evaluateAt(*difference.root, 0).re, first - second);

    const parsedExpression realQuotient = parse("noise/noise");
    resetRandomGenerator();
    EXPECT_EQ(evaluateAt(*realQuotient.root, 0).re, second / first);

    const parsedExpression complexQuotient = parse("(noise+0*i)/noise");
    resetRandomGenerator();
    EXPECT_EQ(evaluateAt(*complexQuotient.root, 0).re, first / second);

    const parsedExpression complexPower = parse("(noise*i)^noise");
    resetRandomGenerator();
    EXPECT_EQ(evaluateAt(*complexPower.root, 0), (complexValue{0, 0}));
    EXPECT_EQ(uniformNoise(), first);

    const parsedExpression realPower = parse("(noise+2)^noise");
    resetRandomGenerator();
    EXPECT_NEAR(evaluateAt(*realPower.root, 0).re, std::pow(first + 2, second), 1e-18L);
    EXPECT_EQ(uniformNoise(), third);
}

TEST(Evaluation, BellNoiseDrawsTwice)
{
    resetRandomGenerator();
    const std::uint32_t k = drawBelow(999999999);
    const std::uint32_t sign = drawBelow(2);
    const extended afterwards = uniformNoise();

    const extended u = (k + 1) / 1e9L;
    extended m = 43.079L * std::pow(u, 6) - 111.96L * std::pow(u, 5) + 110.34L * std::pow(u, 4) -
                 50.355L * std::pow(u, 3) + 10.71L * u * u + 0.0069L * u + 0.0155L +
                 0.001L / (1 - u);
    if (u < 0.02L)
        m = 50 * u * m;

    const parsedExpression parsed = parse("nnoise");
    resetRandomGenerator();
    EXPECT_NEAR(evaluateAt(*parsed.root, 0).re, sign == 1 ? m : -m, 1e-17L);
    EXPECT_EQ(uniformNoise(), afterwards);
}

TEST(Evaluation, RandomGeneratorSequence)
{
    // seed 1, then 134775814: floor(seed * n / 2^32).
    resetRandomGenerator();
    EXPECT_EQ(valueOf("noise").re, -1);
    EXPECT_EQ(drawBelow(1000), static_cast<std::uint32_t>((134775814ull * 1000) >> 32));
}

TEST(Evaluation, VariableReadsOrder20Interpolation)
{
    tworkspace workspace;
    const int n = 1000;
    signalSamples samples;
    samples.resize(n, true);
    for (int k = 0; k < n; ++k) {
        samples.re[static_cast<std::size_t>(k)] = std::sin(2 * kPi * k / n);
        samples.im[static_cast<std::size_t>(k)] = std::cos(6 * kPi * k / n);
    }
    const tdspvarPtr wave = workspace.add("WAVE", std::move(samples));
    const parsedExpression parsed = parse("wave(x)", workspace);
    ASSERT_EQ(parsed.message, "");
    EXPECT_TRUE(parsed.root->complexFlag());
    for (const extended x : {0.0L, 0.25L, 0.0005L, 0.3337L, 0.9999L, 1.25L, -0.5L}) {
        const complexValue v = evaluateAt(*parsed.root, x);
        EXPECT_EQ(v.re, wave->interpolatedRealPart(20, x)) << static_cast<double>(x);
        EXPECT_EQ(v.im, wave->interpolatedImagPart(20, x)) << static_cast<double>(x);
        EXPECT_NEAR(v.re, std::sin(2 * kPi * x), 1e-3L) << static_cast<double>(x);
    }
    EXPECT_EQ(evaluateAt(*parsed.root, 0.25L).re, wave->real()[250]);
    // The argument's real part is the position; a variable of a real argument is real-valued.
    EXPECT_NEAR(valueOf("wave(x+1)", 0.3337L, workspace).re,
                valueOf("wave(x)", 0.3337L, workspace).re, 1e-15L);
}

TEST(Evaluation, RemovedVariableStaysReadableForARunningTree)
{
    tworkspace workspace;
    auto v = workspace.add("V", signalSamples::real({1, 2, 3}));
    const parsedExpression parsed = parse("v(x)*10", workspace);
    workspace.removeVariable(v);
    v.reset();
    EXPECT_NEAR(evaluateAt(*parsed.root, 1.0L / 3).re, 20, 1e-15L);
}

TEST(Evaluation, RealVariableHasNoImaginaryPart)
{
    tworkspace workspace;
    workspace.add("R", signalSamples::real({0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(valueOf("r(x)", 0.4321L, workspace).im, 0);
    EXPECT_FALSE(parse("r(x)", workspace).root->complexFlag());
    EXPECT_EQ(valueOf("r(x)", 0.5L, workspace).re, 4);
}

TEST(Evaluation, NonFiniteValuesDoNotStopEvaluation)
{
    const complexValue v = valueOf("exp(100000)*0+ln(0)/(10^99999)");
    EXPECT_TRUE(std::isnan(v.re));
    EXPECT_TRUE(std::isinf(valueOf("exp(100000)").re));
    EXPECT_EQ(valueOf("sin(exp(100000))").re, 0);
}

TEST(Evaluation, HelpPageFormula)
{
    const char* text =
        "dirichlet(x*2-1)*(sin(x*pi*2)+0.5)+x*dirichlet(x*2.02)+0.01*noise+0.02*exp(i*x*20)";
    const parsedExpression parsed = parse(text);
    ASSERT_EQ(parsed.message, "");
    constexpr int kPoints = 64;
    complexValue expected[kPoints];
    resetRandomGenerator();
    for (int k = 0; k < kPoints; ++k) {
        const extended x = static_cast<extended>(k) / kPoints;
        const extended noise = static_cast<extended>(drawBelow(2000000000)) / 1e9L - 1;
        const extended gate1 = (x * 2 - 1 >= 0 && x * 2 - 1 <= 1) ? 1 : 0;
        const extended gate2 = (x * 2.02L >= 0 && x * 2.02L <= 1) ? 1 : 0;
        expected[k] = {gate1 * (std::sin(x * kPi * 2) + 0.5L) + x * gate2 + 0.01L * noise +
                           0.02L * std::cos(x * 20),
                       0.02L * std::sin(x * 20)};
    }
    resetRandomGenerator();
    for (int k = 0; k < kPoints; ++k)
        expectComplexNear(evaluateAt(*parsed.root, static_cast<extended>(k) / kPoints), expected[k],
                          1e-17L);
}

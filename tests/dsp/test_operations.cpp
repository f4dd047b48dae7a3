#include "dsp/operations.h"

#include "dsptestutil.h"

#include <gtest/gtest.h>

using namespace dsptest;

namespace {

sampleBuffer run(processingType type, const tdspvar& source, const tdspvar* operand = nullptr,
                 int windowIndex = 0, int length = 128,
                 fourierDirection direction = fourierDirection::direct)
{
    sampleBuffer out;
    runProcessing({.type = type, .source = &source, .operand = operand, .windowIndex = windowIndex,
                   .direction = direction, .length = length},
                  out);
    return out;
}

processingRequest request(processingType type, const tdspvar* source, const tdspvar* operand, int length = 128)
{
    return {.type = type, .source = source, .operand = operand, .length = length};
}

void expectReal(const sampleBuffer& b, const std::vector<extended>& want, extended tolerance = 1e-17L)
{
    ASSERT_EQ(b.count, static_cast<int>(want.size()));
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_NEAR(static_cast<double>(b.values[i].re), static_cast<double>(want[i]),
                    static_cast<double>(tolerance))
            << "sample " << i;
        EXPECT_NEAR(static_cast<double>(b.values[i].im), 0, static_cast<double>(tolerance))
            << "sample " << i;
    }
}

// The correlation by its definition: (2/b) sum_j x1[j] x2p[(j + l) mod b].
std::vector<complexValue> directCorrelation(const std::vector<complexValue>& x1,
                                            const std::vector<complexValue>& x2)
{
    const auto b = static_cast<std::size_t>(nextPowerOfTwo(static_cast<std::int64_t>(x1.size() + x2.size())));
    std::vector<complexValue> r(x1.size());
    for (std::size_t l = 0; l < x1.size(); ++l) {
        complexValue sum{};
        for (std::size_t j = 0; j < x1.size(); ++j) {
            const std::size_t m = (j + l) % b;
            if (m < x2.size())
                sum = sum + x1[j] * x2[m];
        }
        r[l] = {sum.re * 2 / b, sum.im * 2 / b};
    }
    return r;
}

std::vector<complexValue> directConvolution(const std::vector<complexValue>& x1,
                                            const std::vector<complexValue>& x2)
{
    std::vector<complexValue> y(x1.size() + x2.size());
    for (std::size_t i = 0; i < x1.size(); ++i)
        for (std::size_t k = 0; k < x2.size(); ++k)
            y[i + k] = y[i + k] + x1[i] * x2[k];
    return y;
}

extended worstDistance(const sampleBuffer& b, const std::vector<complexValue>& want)
{
    EXPECT_EQ(b.count, static_cast<int>(want.size()));
    extended worst = 0;
    for (std::size_t i = 0; i < want.size() && i < static_cast<std::size_t>(b.count); ++i)
        worst = std::max(worst, distance(b.values[i], want[i]));
    return worst;
}

} // namespace

TEST(Operations, CorrelationWorkedExamples)
{
    const sampleBuffer auto4 = run(processingType::autocorrelation, *realVariable({1, 1, 1, 1}));
    expectReal(auto4, {1, 0.75, 0.5, 0.25});
    EXPECT_FALSE(auto4.isComplex);

    const auto x2 = realVariable({1, 10, 100});
    expectReal(run(processingType::correlation, *realVariable({1, 2, 3}), x2.get()), {80.25, 52.5, 25},
               1e-15L);

    const auto q = realVariable({-3});
    expectReal(run(processingType::correlation, *realVariable({2}), q.get()), {-6});
}

TEST(Operations, ConvolutionWorkedExamples)
{
    const auto ones = realVariable({1, 1});
    expectReal(run(processingType::convolution, *realVariable({1, 2, 3}), ones.get()), {1, 3, 5, 3, 0},
               1e-17L);
    const auto q = realVariable({-3});
    expectReal(run(processingType::convolution, *realVariable({2}), q.get()), {-6, 0});
}

TEST(Operations, CorrelationAndConvolutionAgainstTheirDefinitions)
{
    // Unequal lengths, complex operands, and N1 both below and above half the transform length,
    // so that the negative lags show up at the top of the result.
    for (auto [n1, n2] : {std::pair{5, 3}, std::pair{13, 2}, std::pair{40, 40}, std::pair{3, 29}}) {
        const auto a = randomSignal(static_cast<std::size_t>(n1), static_cast<unsigned>(n1));
        const auto b = randomSignal(static_cast<std::size_t>(n2), static_cast<unsigned>(100 + n2));
        const auto va = variableFrom(a);
        const auto vb = variableFrom(b);
        const sampleBuffer corr = run(processingType::correlation, *va, vb.get());
        EXPECT_TRUE(corr.isComplex);
        EXPECT_LT(worstDistance(corr, directCorrelation(a, b)), 1e-16L) << n1 << " x " << n2;
        const sampleBuffer conv = run(processingType::convolution, *va, vb.get());
        EXPECT_TRUE(conv.isComplex);
        EXPECT_LT(worstDistance(conv, directConvolution(a, b)), 1e-16L * (n1 + n2)) << n1 << " x " << n2;
    }
}

TEST(Operations, SumAndProductRepeatOrCutTheSecondOperand)
{
    const auto x1 = realVariable({1, 2, 3, 4});
    const auto short2 = realVariable({10, 20});
    expectReal(run(processingType::sum, *x1, short2.get()), {11, 22, 13, 24}, 0);
    expectReal(run(processingType::product, *x1, short2.get()), {10, 40, 30, 80}, 0);
    const auto long2 = realVariable({10, 20, 30});
    expectReal(run(processingType::sum, *realVariable({1, 2}), long2.get()), {11, 22}, 0);

    const auto j = complexVariable({0, 0}, {1, 1});
    const sampleBuffer mixed = run(processingType::sum, *realVariable({1, 2}), j.get());
    EXPECT_TRUE(mixed.isComplex);
    EXPECT_TRUE(mixed.values[0] == (complexValue{1, 1}));
    EXPECT_TRUE(mixed.values[1] == (complexValue{2, 1}));

    // (1 + 2j)(3 - j) = 5 + 5j
    const auto c = complexVariable({3}, {-1});
    const sampleBuffer prod = run(processingType::product, *complexVariable({1}, {2}), c.get());
    EXPECT_TRUE(prod.values[0] == (complexValue{5, 5}));
}

TEST(Operations, WindowingSamplesTheWindowAtIOverN)
{
    expectReal(run(processingType::windowing, *realVariable({1, 1, 1, 1}), nullptr, 3), {0, 0.5, 1, 0.5});
    expectReal(run(processingType::windowing, *realVariable(std::vector<extended>(8, 1)), nullptr, 1),
               {0, 0.25, 0.5, 0.75, 1, 0.75, 0.5, 0.25});
    expectReal(run(processingType::windowing, *realVariable({3, -1, 2}), nullptr, 0), {3, -1, 2}, 0);

    // A complex source keeps both parts, weighted alike.
    const sampleBuffer c = run(processingType::windowing, *complexVariable({2, 2}, {4, 4}), nullptr, 1);
    EXPECT_TRUE(c.isComplex);
    EXPECT_TRUE(c.values[0] == (complexValue{0, 0}));
    EXPECT_TRUE(c.values[1] == (complexValue{2, 4}));
}

TEST(Operations, ResamplingInterpolatesLinearlyAndPeriodically)
{
    expectReal(run(processingType::resampling, *realVariable({0, 1}), nullptr, 0, 4), {0, 0.5, 1, 0.5}, 0);
    expectReal(run(processingType::resampling, *realVariable({7, 1, 2}), nullptr, 0, 1), {7}, 0);
    EXPECT_EQ(run(processingType::resampling, *realVariable({1}), nullptr, 0, 300).count, 300);
    EXPECT_EQ(run(processingType::resampling, *realVariable({1}), nullptr, 0, 0).count, 1);
    EXPECT_EQ(run(processingType::resampling, *realVariable({1}), nullptr, 0, 70000).count, 65536);
    EXPECT_TRUE(run(processingType::resampling, *complexVariable({1}, {1}), nullptr, 0, 2).isComplex);
}

TEST(Operations, FourierThroughTheDispatcherFollowsTheDirectionItem)
{
    const auto v = realVariable({0, 1, 0, 0});
    const sampleBuffer direct = run(processingType::fourier, *v, nullptr, 0, 128, fourierDirection::direct);
    const sampleBuffer inverse = run(processingType::fourier, *v, nullptr, 0, 128, fourierDirection::inverse);
    EXPECT_NEAR(static_cast<double>(direct.values[1].im), -1, 1e-18);
    EXPECT_NEAR(static_cast<double>(inverse.values[1].im), 0.25, 1e-18);
    EXPECT_TRUE(inverse.isComplex);
}

TEST(Operations, EmptyVariablesAndMissingOperandsGiveZerosNotCrashes)
{
    const tdspvar empty("E");
    const auto x = realVariable({1, 2});
    EXPECT_EQ(run(processingType::convolution, empty, &empty).count, 0);
    EXPECT_EQ(run(processingType::correlation, empty, x.get()).count, 0);
    expectReal(run(processingType::correlation, *x, &empty), {0, 0}, 0);
    expectReal(run(processingType::convolution, *x, &empty), {0, 0}, 0);
    expectReal(run(processingType::sum, *x, nullptr), {1, 2}, 0);
    expectReal(run(processingType::product, *x, &empty), {0, 0}, 0);
    EXPECT_EQ(run(processingType::windowing, empty, nullptr, 2).count, 0);

    sampleBuffer out;
    runProcessing(request(processingType::sum, nullptr, x.get()), out);
    EXPECT_EQ(out.count, 0);
}

TEST(Operations, NoResultBeyondTheLargestVariable)
{
    // A convolution of N1 + N2 samples up to the largest variable may run; one sample more is
    // refused before anything is allocated, and leaves the buffer empty and real.
    signalSamples halfSamples;
    halfSamples.resize(kMaxVariableSamples / 2, true);
    const tdspvar half("H", std::move(halfSamples));
    signalSamples overSamples;
    overSamples.resize(kMaxVariableSamples / 2 + 1, false);
    const tdspvar over("O", std::move(overSamples));
    sampleBuffer out;
    out.setCount(3);
    out.isComplex = true;
    EXPECT_EQ(resultCount(request(processingType::convolution, &half, &half)), kMaxVariableSamples);
    const processingRequest tooLong = request(processingType::convolution, &half, &over);
    EXPECT_EQ(resultCount(tooLong), kMaxVariableSamples + 1);
    EXPECT_FALSE(runProcessing(tooLong, out));
    EXPECT_EQ(out.count, 0);
    EXPECT_FALSE(out.isComplex);
    convolve(over, half, out);
    EXPECT_EQ(out.count, 0);
    // Every other type keeps the source's count (or M for resampling).
    EXPECT_TRUE(runProcessing(request(processingType::sum, &over, &half), out));
    EXPECT_EQ(out.count, kMaxVariableSamples / 2 + 1);
    EXPECT_EQ(resultCount(request(processingType::correlation, &over, &half)), kMaxVariableSamples / 2 + 1);
    EXPECT_EQ(resultCount(request(processingType::resampling, &over, nullptr, 70000)), 65536);
}

TEST(SpectralOperations, ComplexOperandsKeepTheirBitsAndRealOnesAgreeWithThem)
{
    // Complex operands (or one complex and one real) go through three full transforms as ever:
    // checksums of results computed once before the plans were kept. Two real operands share
    // their transforms; their results must agree with the same real values run as complex ones
    // (imaginary parts 0) to 1e-15 of the peak, with real zeros as imaginary parts.
    struct expected {
        int n1;
        bool conv;
        std::uint64_t complexBits, mixedBits;
    };
    for (const expected& e : std::vector<expected>{{1, true, 0x5f08065e812862a9ull, 0xc332c413fb2bc6b6ull},
                                                   {300, false, 0x984b3c024809bb9full, 0x0019edf2e85d54feull},
                                                   {4096, true, 0x8b5710b34332af22ull, 0xce3f0a4e8e52f6abull}}) {
        const auto a = fixedVariable(e.n1, true), b = fixedVariable(e.n1 / 2 + 1, true);
        const auto r = fixedVariable(e.n1 / 3 + 2, false);
        sampleBuffer out;
        e.conv ? convolve(*a, *b, out) : correlate(*a, *b, out);
        EXPECT_EQ(bitsChecksum(out), e.complexBits) << e.n1;
        e.conv ? convolve(*a, *r, out) : correlate(*r, *a, out);
        EXPECT_EQ(bitsChecksum(out), e.mixedBits) << e.n1;
    }
    for (const auto& [n1, n2] : std::vector<std::pair<int, int>>{{1, 1}, {2, 1}, {3, 2}, {300, 7}, {4095, 4096}, {1, 5000}})
        for (const processingType type :
             {processingType::convolution, processingType::correlation, processingType::autocorrelation}) {
            const auto x1 = fixedVariable(n1, false), x2 = fixedVariable(n2, false);
            auto asComplex = [](const tdspvar& v) {
                return complexVariable(v.real(), std::vector<extended>(v.real().size(), 0));
            };
            const sampleBuffer got = run(type, *x1, x2.get());
            const sampleBuffer want = run(type, *asComplex(*x1), asComplex(*x2).get());
            ASSERT_EQ(got.count, want.count);
            EXPECT_FALSE(got.isComplex);
            extended peak = 0, worst = 0;
            for (std::size_t k = 0; k < static_cast<std::size_t>(got.count); ++k) {
                peak = std::max(peak, std::fabs(want.values[k].re));
                worst = std::max(worst, std::fabs(got.values[k].re - want.values[k].re));
                EXPECT_EQ(got.values[k].im, 0) << k;
            }
            EXPECT_LE(worst, 1e-15L * peak) << n1 << " x " << n2 << " type " << static_cast<int>(type);
        }
}

TEST(Operations, FilterRunsTheDifferenceEquationAndReportsItsTrouble)
{
    // y[n] = x[n] + 0.5 y[n-1], typed as the inverse Z window reads it: z / (z - 0.5).
    const transferFunction halving{{1}, {1, -0.5L}};
    const transferFunction growing{{1}, {1, -1e3000L}};
    const transferFunction noDenominator{{1}, {0, 0}};
    const tdspvarPtr real = realVariable({1, 0, 0, 2});
    const tdspvarPtr complex = complexVariable({1, 0, 0}, {0, 2, 0});
    struct row {
        const char* what;
        const transferFunction* system;
        const tdspvar* source;
        std::vector<complexValue> want; // empty: nothing written
        systemProblem problem;
        std::int64_t firstNonFinite;
    };
    const row rows[] = {
        {"real", &halving, real.get(), {{1, 0}, {0.5L, 0}, {0.25L, 0}, {2.125L, 0}}, systemProblem::none, -1},
        {"complex", &halving, complex.get(), {{1, 0}, {0.5L, 2}, {0.25L, 1}}, systemProblem::none, -1},
        {"refused", &noDenominator, real.get(), {}, systemProblem::zeroDenominator, -1},
        {"no system", nullptr, real.get(), {}, systemProblem::zeroDenominator, -1},
        {"diverging", &growing, real.get(), {}, systemProblem::none, 2},
    };
    for (const row& r : rows) {
        sampleBuffer out;
        filterOutcome report;
        report.firstNonFinite = 99;
        EXPECT_TRUE(runProcessing({.type = processingType::filter, .source = r.source, .system = r.system,
                                   .filterReport = &report},
                                  out))
            << r.what;
        EXPECT_EQ(report.problem, r.problem) << r.what;
        EXPECT_EQ(report.firstNonFinite, r.firstNonFinite) << r.what;
        if (r.firstNonFinite >= 0) { // written as computed, up to the overflow
            ASSERT_EQ(out.count, r.source->sampleCount()) << r.what;
            EXPECT_EQ(out.values[1].re, 1e3000L) << r.what;
            continue;
        }
        ASSERT_EQ(out.count, static_cast<int>(r.want.size())) << r.what;
        EXPECT_EQ(out.isComplex, r.source->isComplex() && !r.want.empty()) << r.what;
        for (std::size_t i = 0; i < r.want.size(); ++i)
            EXPECT_EQ(out.values[i], r.want[i]) << r.what << " sample " << i;
    }
}

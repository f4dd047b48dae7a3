#include "dsp/sampling.h"

#include "core/workspace.h"
#include "expr/parser.h"
#include "tests/expr/pointreference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <thread>
#include <vector>

namespace {

sampleBuffer sample(std::string_view text, int count, std::atomic<int>* progressOut = nullptr)
{
    tworkspace workspace;
    const parsedExpression parsed = parseExpression(text, workspace);
    EXPECT_EQ(parsed.message, "") << text;
    sampleBuffer buffer;
    std::atomic<int> progress{-1};
    runSampling(*parsed.root, count, buffer, progress);
    if (progressOut)
        progressOut->store(progress.load());
    return buffer;
}

} // namespace

TEST(Sampling, CountIsClampedAndXRunsOverIOverN)
{
    EXPECT_EQ(clampSampleCount(70000), 65536);
    EXPECT_EQ(clampSampleCount(65536), 65536);
    EXPECT_EQ(clampSampleCount(0), 1);
    EXPECT_EQ(clampSampleCount(-3), 1);

    std::atomic<int> progress{0};
    const sampleBuffer one = sample("x+1", 0, &progress);
    ASSERT_EQ(one.count, 1);
    EXPECT_TRUE(one.values[0] == (complexValue{1, 0}));
    EXPECT_EQ(progress.load(), 100);

    const sampleBuffer big = sample("x", 70000);
    ASSERT_EQ(big.count, 65536);
    EXPECT_EQ(big.values[65535].re, 65535.0L / 65536);
    EXPECT_FALSE(big.isComplex);
}

TEST(Sampling, DirichletWindowCoversSamples32To96)
{
    const sampleBuffer b = sample("dirichlet(x*2-0.5)", 128);
    ASSERT_EQ(b.count, 128);
    for (int i = 0; i < 128; ++i)
        EXPECT_EQ(b.values[static_cast<std::size_t>(i)].re, (i >= 32 && i <= 96) ? 1 : 0) << i;

    // x = 1 is never sampled, so the plain window gives N ones.
    const sampleBuffer ones = sample("dirichlet(x)", 50);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(ones.values[static_cast<std::size_t>(i)].re, 1) << i;
}

TEST(Sampling, ProgressRoundsHalvesToEven)
{
    EXPECT_EQ(samplingProgress(0, 8), 0);
    EXPECT_EQ(samplingProgress(1, 8), 12);  // 12.5
    EXPECT_EQ(samplingProgress(3, 8), 38);  // 37.5
    EXPECT_EQ(samplingProgress(5, 8), 62);  // 62.5
    EXPECT_EQ(samplingProgress(7, 8), 88);  // 87.5
    EXPECT_EQ(samplingProgress(1, 200), 0); // 0.5
    EXPECT_EQ(samplingProgress(3, 200), 2); // 1.5
    EXPECT_EQ(samplingProgress(2, 3), 67);
    EXPECT_EQ(samplingProgress(65535, 65536), 100);
}

TEST(Sampling, VariableTakesRealOrComplexPartsAndThePeakOfTheFullSamples)
{
    const sampleBuffer b = sample("i*x", 8);
    EXPECT_TRUE(b.isComplex);

    const tdspvar real("R", samplesFromBuffer(b, false));
    EXPECT_EQ(real.sampleCount(), 8);
    EXPECT_FALSE(real.isComplex());
    EXPECT_TRUE(real.imag().empty());
    for (extended r : real.real())
        EXPECT_EQ(r, 0);
    EXPECT_EQ(real.peak(), 7.0L / 8);

    const tdspvar complexVar("C", samplesFromBuffer(b, true));
    ASSERT_EQ(complexVar.imag().size(), 8u);
    EXPECT_EQ(complexVar.imag()[3], 3.0L / 8);
    EXPECT_EQ(complexVar.peak(), 7.0L / 8);

    // An all-zero buffer still has the floor as its peak.
    const signalSamples zeros = samplesFromBuffer(sample("0", 4), false);
    EXPECT_TRUE(zeros.im.empty());
    EXPECT_EQ(zeros.count(), 4);
    EXPECT_EQ(zeros.peak, 1e-10L);
}

TEST(Sampling, RunsOnAWorkerWhileTheCallerReadsProgress)
{
    tworkspace workspace;
    const parsedExpression parsed = parseExpression("sin(x*pi*2)", workspace);
    sampleBuffer buffer;
    buffer.setCount(clampSampleCount(65536)); // grown before the worker starts
    std::atomic<int> progress{0};
    std::atomic<bool> done{false};
    std::thread worker([&] {
        runSampling(*parsed.root, 65536, buffer, progress);
        done = true;
    });
    int last = 0;
    while (!done) {
        const int now = progress.load();
        EXPECT_GE(now, last);
        EXPECT_LE(now, 100);
        last = now;
    }
    worker.join();
    EXPECT_EQ(progress.load(), 100);
    EXPECT_NEAR(static_cast<double>(buffer.values[16384].re), 1, 1e-18);
}

namespace {

// Every node kind, real and complex; signed zeros, infinities and NaN carried through operators;
// division by zero; powers; every function of both tables; variables read by interpolation; the
// random sources in their order of draws; long chains.
const char* const kFormulaTable[] = {
    "x", "5", "-1", "-x", "i", "-i", "pi*e", "0*x", "-(0*x)", "x-x", "0-x", "-x-x", "--x",
    "x*x*x-2*x+1", "(x-1)*(x-2)", "(x-1)*(x-2)*0", "(x-1)*(x-2)+0*x", "-(x-0.5)*(x-0.5)*-1",
    "2*-x", "(-x)*3", "(-x)*(0-x)", "1-(-x)*(-x)", "x*(x-1)*-1", "-x*3+1", "(-x)*(-x)*x",
    "(0-x)*0", "-x*0", "(x-0.5)*(0.5-x)*(x-0.25)", "x*x*x*x*x*x*x*x*x*x*x*x*x*x*x*x",
    "1/x", "x/0", "0/0", "(x-0.5)/(x-0.5)", "1/(x-x)", "-1/(0-x)", "x/2/3*4-x/x", "2/x*x-1/(2/x)",
    "(-x)/3", "(x-1)/(-x)*(x-1)", "3/(-x)-x", "(1+i)/x", "i/(x-0.5)", "(x+i)/(x-i)", "(1+i)/0",
    "(-i)/2", "x/i", "x^2", "x^0.5", "(x-0.5)^3", "(x-0.5)^-3", "(x-0.5)^0.5", "0^x", "x^0",
    "(x*i)^2", "2^x^2", "(-2)^(x*6-3)", "-x^2", "2^-x*3", "sin(x*100)", "cos(x*100)",
    "tan(x*3)", "arcsin(x*4-2)", "arccos(x*4-2)", "arctan(x*10-5)", "abs(x-0.5)",
    "exp(x*20-10)", "ln(x-0.3)", "sgn(x-0.5)", "dirichlet(x*2-0.5)", "bartlett(x*1.5-0.2)",
    "blackman(x*1.2-0.1)", "hamming(x*1.2-0.1)", "hanning(x*1.2-0.1)", "dirac(x-0.5)",
    "sin(x*1e30)", "abs(x+i)", "exp(i*x*40)", "exp(-x*3)*exp(i*x*pi*40)", "sin(x+i*x)",
    "cos(x-i)", "phase(x-0.5)", "phase(i*(x-0.5))", "phase(-x)", "abs(-x*i)", "exp(100000)*x",
    "exp(100000)*x*2", "exp(100000)*x*0", "(exp(100000)*x)/2", "1/(exp(100000)*x)",
    "exp(100000)*x-exp(100000)*x", "ln(0)*ln(0)*x*ln(0)*ln(0)", "x*exp(100000)+i",
    "phase(exp(100000)*x)", "abs(exp(100000)*(x-0.5))", "sin(exp(100000))*x",
    "-exp(100000)*x*(x-0.5)", "(x-0.5)*-exp(100000)*2", "x*10^99999*10^99999/(x+1)", "w(x)",
    "w(x*3+0.1)*2", "c(x)", "c(x*2)*i", "w(x)+c(x)", "w(-x)", "w(w(x))*c(x-0.5)", "noise",
    "nnoise", "noise-noise", "noise/noise", "(noise+0*i)/noise", "(noise*i)^noise",
    "(noise+2)^noise", "nnoise*noise+x", "noise/x/noise*nnoise", "sin(noise)+w(noise)*noise",
    "dirichlet(x*2-1)*(sin(x*pi*2)+0.5)+x*dirichlet(x*2.02)+0.01*noise+0.02*exp(i*x*20)",
    "x+x*2-x/3+x*x-4*x*x*x+1-x-x*0.5+x/7-x*x/9+2*x-3+x*x*x*x-0.25*x", "x-x*x*2",
    "sin(x)*sin(x)-x*3", "sin(x)*sin(x)/(x*2-1)", "(-x)*0", "(-x)*w(x)", "(-x)*(0-x)*(-x)",
    "-w(x)*-x", "(x-0.5)/(x*x-0.25)-2/(x-0.5)", "(1-x*3)*(0-x)/(-x)", "w(x)*(x-w(x))*(-x)",
    "sin(sin(x)*sin(x))-x*3", "sin(sin(x)*sin(x))/(x*3-1)",
};

const tworkspace& tableWorkspace()
{
    static const tworkspace workspace = [] {
        tworkspace w;
        signalSamples real;
        real.resize(1000, false);
        for (int k = 0; k < 1000; ++k)
            real.re[static_cast<std::size_t>(k)] = std::sin(k * 0.02L) - 0.3L * (k % 3);
        w.add("W", std::move(real));
        signalSamples complex;
        complex.resize(333, true);
        for (int k = 0; k < 333; ++k) {
            complex.re[static_cast<std::size_t>(k)] = std::cos(k * 0.05L);
            complex.im[static_cast<std::size_t>(k)] = k % 7 - 3;
        }
        w.add("C", std::move(complex));
        return w;
    }();
    return workspace;
}

// Samples of the text as the run computes them and as the point-by-point rules give them, both
// from the same state of the random generator.
void expectRunMatchesPointByPoint(const std::string& text, int count)
{
    const parsedExpression parsed = parseExpression(text, tableWorkspace());
    ASSERT_EQ(parsed.message, "") << text;
    const std::uint32_t seed = 12345;
    setRandomSeed(seed);
    std::vector<complexValue> expected(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        expected[static_cast<std::size_t>(i)] =
            pointreference::valueAt(*parsed.root, static_cast<extended>(i) / count);
    const extended after = uniformNoise();

    setRandomSeed(seed);
    sampleBuffer buffer;
    std::atomic<int> progress{0};
    runSampling(*parsed.root, count, buffer, progress);
    int mismatches = 0;
    for (int i = 0; i < count && mismatches < 3; ++i) {
        const complexValue got = buffer.values[static_cast<std::size_t>(i)];
        const complexValue want = expected[static_cast<std::size_t>(i)];
        if (!pointreference::sameValue(got, want)) {
            ++mismatches;
            ADD_FAILURE() << text << " at sample " << i << " of " << count << ": got ("
                          << static_cast<double>(got.re) << ", " << static_cast<double>(got.im)
                          << "), want (" << static_cast<double>(want.re) << ", "
                          << static_cast<double>(want.im) << ")";
        }
    }
    EXPECT_EQ(uniformNoise(), after) << text << ": the run drew a different number of values";
}

} // namespace

TEST(Sampling, RunKeepsEverySampleOfThePointByPointRules)
{
    for (const char* text : kFormulaTable)
        expectRunMatchesPointByPoint(text, 1000);
    // Counts around whole blocks, and a single sample.
    for (const int count : {1, 3, 255, 256, 257, 1023, 65536})
        expectRunMatchesPointByPoint("x*x*x-2*x+1+(x-0.5)*-x*noise", count);
}

#include "dsp/sampling.h"

#include "core/workspace.h"
#include "expr/parser.h"

#include <gtest/gtest.h>

#include <thread>

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

    tdspvar real("R");
    fillVariableFromBuffer(real, b, false);
    EXPECT_EQ(real.sampleCount(), 8);
    EXPECT_FALSE(real.isComplex);
    EXPECT_TRUE(real.im.empty());
    for (extended r : real.re)
        EXPECT_EQ(r, 0);
    EXPECT_EQ(real.peak, 7.0L / 8);

    tdspvar complexVar("C");
    fillVariableFromBuffer(complexVar, b, true);
    ASSERT_EQ(complexVar.im.size(), 8u);
    EXPECT_EQ(complexVar.im[3], 3.0L / 8);
    EXPECT_EQ(complexVar.peak, 7.0L / 8);

    // A previous complex content goes; an all-zero buffer still has the floor as its peak.
    fillVariableFromBuffer(complexVar, sample("0", 4), false);
    EXPECT_TRUE(complexVar.im.empty());
    EXPECT_EQ(complexVar.sampleCount(), 4);
    EXPECT_EQ(complexVar.peak, 1e-10L);
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

// Order-50 interpolated reads at 65536 positions of a 65535-sample variable: the stepped kernel
// against the plain formula with one sine and one exponential per neighbour.
#include "core/variable.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>

namespace {

constexpr int kSamples = 65535;
constexpr int kReads = 65536;
constexpr int kOrder = 50;

tdspvar& variable()
{
    static const tdspvarPtr v = [] {
        auto t = std::make_shared<tdspvar>("BENCH");
        std::mt19937 rng(1);
        std::uniform_real_distribution<double> d(-1, 1);
        t->re.resize(kSamples);
        for (auto& s : t->re)
            s = d(rng);
        t->computeDisplayPeak();
        return t;
    }();
    return *v;
}

extended directRead(const tdspvar& v, extended x)
{
    const std::int64_t n = v.sampleCount();
    x -= std::floor(x);
    const extended p = x * n;
    const auto i = static_cast<std::int64_t>(p);
    if (p - i < 1e-5L)
        return v.re[static_cast<std::size_t>(i)];
    extended sum = 0, weight = 1e-100L;
    for (std::int64_t k = i - kOrder + 1; k <= i + kOrder; ++k) {
        const extended w = tdspvar::kernel(p - k);
        sum += w * v.realSample(k);
        weight += w;
    }
    return sum / weight;
}

extended position(int j) { return static_cast<extended>(j) / kReads; }

void BM_FastKernel(benchmark::State& state)
{
    for (auto _ : state)
        for (int j = 0; j < kReads; ++j)
            benchmark::DoNotOptimize(variable().interpolatedRealPart(kOrder, position(j)));
}
BENCHMARK(BM_FastKernel)->Unit(benchmark::kMillisecond);

void BM_DirectFormula(benchmark::State& state)
{
    for (auto _ : state)
        for (int j = 0; j < kReads; ++j)
            benchmark::DoNotOptimize(directRead(variable(), position(j)));
}
BENCHMARK(BM_DirectFormula)->Unit(benchmark::kMillisecond);

template <typename F> double seconds(F&& f)
{
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

void printRatio()
{
    const tdspvar& v = variable();
    extended largest = 0;
    const double fast = seconds([&] {
        for (int j = 0; j < kReads; ++j)
            benchmark::DoNotOptimize(v.interpolatedRealPart(kOrder, position(j)));
    });
    const double direct = seconds([&] {
        for (int j = 0; j < kReads; ++j)
            benchmark::DoNotOptimize(directRead(v, position(j)));
    });
    for (int j = 0; j < kReads; ++j)
        largest = std::max(largest, std::fabs(v.interpolatedRealPart(kOrder, position(j)) -
                                              directRead(v, position(j))));
    std::printf("interpolation order %d, %d reads: direct/fast = %.1fx, largest difference = %.3Lg "
                "of the peak\n",
                kOrder, kReads, direct / fast, largest / v.peak);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    printRatio();
    return 0;
}

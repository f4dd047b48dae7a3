// Sampling expressions at 65536 points: the parsed tree against the same formula written
// directly in long double C++, and a variable read through the tree (order-20 interpolation)
// against the variable's own interpolated read and against the plain kernel formula.
#include "expr/parser.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kPoints = 65536;
constexpr const char* kHelpFormula =
    "dirichlet(x*2-1)*(sin(x*pi*2)+0.5)+x*dirichlet(x*2.02)+0.01*noise+0.02*exp(i*x*20)";
constexpr const char* kSineFormula = "sin(x*pi*50+4*sin(x*17))";

std::vector<complexValue>& buffer()
{
    static std::vector<complexValue> samples(kPoints);
    return samples;
}

const tworkspace& workspace()
{
    static const tworkspace w = [] {
        tworkspace ws;
        auto v = ws.createVariable("V");
        v->resize(1000, false);
        for (int k = 0; k < 1000; ++k)
            v->re[static_cast<std::size_t>(k)] = std::sin(k * 0.037L) + 0.1L * (k % 5);
        return ws;
    }();
    return w;
}

void sampleTree(const mathNode& root)
{
    auto& out = buffer();
    for (int k = 0; k < kPoints; ++k) {
        setCurrentX(static_cast<extended>(k) / kPoints);
        out[static_cast<std::size_t>(k)] = root.evaluate();
    }
}

// The formulas as a C++ programmer would write them, with the program's noise generator inlined.
struct directHelp {
    std::uint32_t seed = 0;
    complexValue operator()(extended x)
    {
        seed = seed * 134775813u + 1u;
        const extended noise =
            static_cast<extended>((static_cast<std::uint64_t>(seed) * 2000000000u) >> 32) / 1e9L - 1;
        const auto gate = [](extended t) { return t >= 0 && t <= 1 ? 1.0L : 0.0L; };
        const std::complex<extended> e = std::exp(std::complex<extended>(0, x * 20));
        return {gate(x * 2 - 1) * (std::sin(x * kPi * 2) + 0.5L) + x * gate(x * 2.02L) +
                    0.01L * noise + 0.02L * e.real(),
                0.02L * e.imag()};
    }
};

struct directSine {
    complexValue operator()(extended x) { return {std::sin(x * kPi * 50 + 4 * std::sin(x * 17)), 0}; }
};

struct directVariable {
    const tdspvar& v = *workspace().findVariable("V");
    complexValue operator()(extended x)
    {
        return {v.interpolatedRealPart(20, x), v.interpolatedImagPart(20, x)};
    }
};

// The same read as the plain formula, one sine and one exponential per neighbour: what the
// variable's stepped kernel saves.
struct plainKernelVariable {
    const tdspvar& v = *workspace().findVariable("V");
    complexValue operator()(extended x)
    {
        const std::int64_t n = v.sampleCount();
        x -= std::floor(x);
        const extended p = x * n;
        const auto i = static_cast<std::int64_t>(p);
        if (p - i < 1e-5L)
            return {v.re[static_cast<std::size_t>(i)], 0};
        extended sum = 0, weight = 1e-100L;
        for (std::int64_t k = i - 19; k <= i + 20; ++k) {
            const extended w = tdspvar::kernel(p - k);
            sum += w * v.realSample(k);
            weight += w;
        }
        return {sum / weight, 0};
    }
};

template <typename F> void sampleDirect(F f)
{
    auto& out = buffer();
    for (int k = 0; k < kPoints; ++k)
        out[static_cast<std::size_t>(k)] = f(static_cast<extended>(k) / kPoints);
}

void BM_TreeHelpFormula(benchmark::State& state)
{
    const parsedExpression parsed = parseExpression(kHelpFormula, workspace());
    for (auto _ : state) {
        sampleTree(*parsed.root);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TreeHelpFormula)->Unit(benchmark::kMillisecond);

void BM_DirectHelpFormula(benchmark::State& state)
{
    for (auto _ : state) {
        sampleDirect(directHelp{});
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DirectHelpFormula)->Unit(benchmark::kMillisecond);

void BM_TreeSineFormula(benchmark::State& state)
{
    const parsedExpression parsed = parseExpression(kSineFormula, workspace());
    for (auto _ : state) {
        sampleTree(*parsed.root);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TreeSineFormula)->Unit(benchmark::kMillisecond);

void BM_DirectSineFormula(benchmark::State& state)
{
    for (auto _ : state) {
        sampleDirect(directSine{});
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DirectSineFormula)->Unit(benchmark::kMillisecond);

void BM_TreeVariable(benchmark::State& state)
{
    const parsedExpression parsed = parseExpression("v(x)", workspace());
    for (auto _ : state) {
        sampleTree(*parsed.root);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TreeVariable)->Unit(benchmark::kMillisecond);

void BM_DirectVariable(benchmark::State& state)
{
    for (auto _ : state) {
        sampleDirect(directVariable{});
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DirectVariable)->Unit(benchmark::kMillisecond);

double threadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The best of five runs in processor time of this thread, so other load on the machine counts
// as little as possible.
template <typename F> double bestSeconds(F&& f)
{
    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        const double t0 = threadSeconds();
        f();
        best = std::min(best, threadSeconds() - t0);
    }
    return best;
}

// Times both ways and checks that they agree sample by sample.
template <typename F> void printRatio(const char* label, const char* text, F direct)
{
    const parsedExpression parsed = parseExpression(text, workspace());
    std::vector<complexValue> fromTree(kPoints), fromDirect(kPoints);
    resetRandomGenerator();
    sampleTree(*parsed.root);
    fromTree = buffer();
    sampleDirect(direct);
    fromDirect = buffer();
    long double largest = 0;
    for (int k = 0; k < kPoints; ++k) {
        const auto i = static_cast<std::size_t>(k);
        largest = std::max({largest, std::fabs(fromTree[i].re - fromDirect[i].re),
                            std::fabs(fromTree[i].im - fromDirect[i].im)});
    }
    const double tree = bestSeconds([&] { sampleTree(*parsed.root); });
    const double plain = bestSeconds([&] { sampleDirect(direct); });
    std::printf("%-14s %d points: tree %.2f ms, direct %.2f ms (processor time), tree/direct = %.2fx, "
                "largest difference %.3Lg\n",
                label, kPoints, tree * 1e3, plain * 1e3, tree / plain, largest);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    printRatio("help formula", kHelpFormula, directHelp{});
    printRatio("sine formula", kSineFormula, directSine{});
    printRatio("v(x), N=1000", "v(x)", directVariable{});
    printRatio("v(x) vs plain", "v(x)", plainKernelVariable{});
    return 0;
}

// Sampling formulas at 65536 points through the program's sampling run, against the same formula
// written as a plain long double loop that writes complex samples. Formulas: pure arithmetic,
// sine-dominated, exponential-dominated (complex), the help page's formula with noise, and a
// variable read with order-20 interpolation (against the variable's own read, and against the
// plain kernel formula). Rounds interleave the two sides (bench/rounds.h); the ratios' median and
// spread print.
#include "rounds.h"

#include "dsp/sampling.h"
#include "expr/parser.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kPoints = 65536;
constexpr double kMinRoundSeconds = 0.03; // the slower side of a round repeats to about this long

const tworkspace& workspace()
{
    static const tworkspace w = [] {
        tworkspace ws;
        signalSamples samples;
        for (int k = 0; k < 1000; ++k)
            samples.re.push_back(std::sin(k * 0.037L) + 0.1L * (k % 5));
        ws.add("V", std::move(samples));
        return ws;
    }();
    return w;
}

std::vector<complexValue>& directOut()
{
    static std::vector<complexValue> samples(kPoints);
    return samples;
}

// A plain loop over x = k/N writing complex samples, one formula per functor.
template <typename F> void sampleDirect(F f)
{
    auto& out = directOut();
    for (int k = 0; k < kPoints; ++k)
        out[static_cast<std::size_t>(k)] = f(static_cast<extended>(k) / kPoints);
    benchmark::DoNotOptimize(out.data());
}

struct directArithmetic {
    complexValue operator()(extended x) const { return {x * x * x - 2 * x + 1, 0}; }
};

struct directSine {
    complexValue operator()(extended x) const
    {
        return {std::sin(x * kPi * 50 + 4 * std::sin(x * 17)), 0};
    }
};

struct directExp {
    complexValue operator()(extended x) const
    {
        extended s, c;
        ::sincosl(x * kPi * 40, &s, &c);
        const extended m = std::exp(-x * 3);
        return {m * c, m * s};
    }
};

// The help formula with the program's noise generator inlined.
struct directHelp {
    std::uint32_t seed = 0;
    complexValue operator()(extended x)
    {
        seed = seed * 134775813u + 1u;
        const extended noise =
            static_cast<extended>((static_cast<std::uint64_t>(seed) * 2000000000u) >> 32) / 1e9L - 1;
        const auto gate = [](extended t) { return t >= 0 && t <= 1 ? 1.0L : 0.0L; };
        extended s, c;
        ::sincosl(x * 20, &s, &c);
        return {gate(x * 2 - 1) * (std::sin(x * kPi * 2) + 0.5L) + x * gate(x * 2.02L) +
                    0.01L * noise + 0.02L * c,
                0.02L * s};
    }
};

struct directVariable {
    const tdspvar& v = *workspace().findVariable("V");
    complexValue operator()(extended x) const { return v.interpolatedValue(20, x); }
};

// The same read as the plain formula, one sine and one exponential per neighbour.
struct plainKernelVariable {
    const tdspvar& v = *workspace().findVariable("V");
    complexValue operator()(extended x) const
    {
        const std::int64_t n = v.sampleCount();
        x -= std::floor(x);
        const extended p = x * n;
        const auto i = static_cast<std::int64_t>(p);
        if (p - i < 1e-5L)
            return {v.real()[static_cast<std::size_t>(i)], 0};
        extended sum = 0, weight = 1e-100L;
        for (std::int64_t k = i - 19; k <= i + 20; ++k) {
            const extended w = tdspvar::kernel(p - k);
            sum += w * v.realSample(k);
            weight += w;
        }
        return {sum / weight, 0};
    }
};

struct formulaCase {
    const char* label;
    const char* text;
    std::function<void()> direct;
};

std::vector<formulaCase> cases()
{
    return {
        {"arithmetic", "x*x*x-2*x+1", [] { sampleDirect(directArithmetic{}); }},
        {"sine", "sin(x*pi*50+4*sin(x*17))", [] { sampleDirect(directSine{}); }},
        {"exp (complex)", "exp(-x*3)*exp(i*x*pi*40)", [] { sampleDirect(directExp{}); }},
        {"help (noise)",
         "dirichlet(x*2-1)*(sin(x*pi*2)+0.5)+x*dirichlet(x*2.02)+0.01*noise+0.02*exp(i*x*20)",
         [] { sampleDirect(directHelp{}); }},
        {"v(x), N=1000", "v(x)", [] { sampleDirect(directVariable{}); }},
        {"v(x) vs plain", "v(x)", [] { sampleDirect(plainKernelVariable{}); }},
    };
}

// The program's sampling run over the parsed formula.
struct treeRun {
    parsedExpression parsed;
    sampleBuffer buffer;
    std::atomic<int> progress{0};
    explicit treeRun(const char* text) : parsed(parseExpression(text, workspace()))
    {
        buffer.setCount(kPoints);
    }
    void operator()()
    {
        runSampling(*parsed.root, kPoints, buffer, progress);
        benchmark::DoNotOptimize(buffer.values.data());
    }
};

void BM_Tree(benchmark::State& state, const char* text)
{
    treeRun run(text);
    for (auto _ : state)
        run();
}

void BM_Direct(benchmark::State& state, std::function<void()> direct)
{
    for (auto _ : state)
        direct();
}

// Calls per round for each side so that a round of the slower one lasts about kMinRoundSeconds.
int callsPerRound(const std::function<void()>& a, const std::function<void()>& b)
{
    const auto once = [](const std::function<void()>& f) {
        const double t0 = benchrounds::threadSeconds();
        f();
        return benchrounds::threadSeconds() - t0;
    };
    const double slower = std::max({once(a), once(b), 1e-6});
    return std::max(1, static_cast<int>(kMinRoundSeconds / slower));
}

// The largest difference between the run's samples and the direct loop's, both from seed 0.
long double largestDifference(treeRun& run, const formulaCase& c)
{
    resetRandomGenerator();
    run();
    c.direct();
    long double largest = 0;
    for (std::size_t k = 0; k < static_cast<std::size_t>(kPoints); ++k)
        largest = std::max({largest, std::fabs(run.buffer.values[k].re - directOut()[k].re),
                            std::fabs(run.buffer.values[k].im - directOut()[k].im)});
    return largest;
}

void printRatios()
{
    std::printf("\n%d points; median (smallest-largest) over %d interleaved rounds of thread CPU time;"
                " ratio = run / loop\n",
                kPoints, benchrounds::kRounds);
    std::printf("%-14s %-26s %-26s %-20s %s\n", "formula", "run", "loop", "ratio", "largest diff");
    for (const formulaCase& c : cases()) {
        treeRun run(c.text);
        const long double difference = largestDifference(run, c);
        const std::function<void()> tree = [&run] { run(); };
        const auto seconds = benchrounds::interleaved({tree, c.direct}, callsPerRound(tree, c.direct));
        std::printf("%-14s %-26s %-26s %-20s %.3Lg\n", c.label,
                    benchrounds::millisecondsText(seconds[0]).c_str(),
                    benchrounds::millisecondsText(seconds[1]).c_str(),
                    benchrounds::ratioText(benchrounds::ratios(seconds[0], seconds[1])).c_str(),
                    difference);
    }
}

} // namespace

int main(int argc, char** argv)
{
    for (const formulaCase& c : cases()) {
        benchmark::RegisterBenchmark((std::string("run/") + c.label).c_str(), BM_Tree, c.text)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("loop/") + c.label).c_str(), BM_Direct, c.direct)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    printRatios();
    return 0;
}

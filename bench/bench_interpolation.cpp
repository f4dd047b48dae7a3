// Order-50 tapered-sinc reads at 65536 positions of a 65535-sample variable, real and complex,
// one at a time and as the resampling onto that grid (which the Fourier transform of a
// 65535-sample variable runs), against their floor: the same 100-tap multiply-add per read with
// the weights already computed, so what remains above 1x is the cost of the weights.
// Each line is the median and the spread of per-round ratios over interleaved rounds of the
// process's CPU time (bench/rounds.h; the resampling onto the grid runs on two threads, and both
// count), then the largest difference from the defining formula (one sine and
// one exponential per neighbour) over every sixteenth read, relative to the samples' peak.
#include "core/variable.h"
#include "rounds.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <random>

namespace {

constexpr int kSamples = 65535;
constexpr int kReads = 65536;
constexpr int kOrder = 50;
constexpr int kTaps = 2 * kOrder;

tdspvarPtr randomVariable(bool complex)
{
    std::mt19937 rng(1);
    std::uniform_real_distribution<double> d(-1, 1);
    signalSamples samples;
    samples.resize(kSamples, complex);
    for (auto& s : samples.re)
        s = d(rng);
    for (auto& s : samples.im)
        s = d(rng);
    return std::make_shared<tdspvar>("BENCH", std::move(samples));
}

extended position(int j) { return static_cast<extended>(j) / kReads; }

// The defining formula: kernel(p - k) for each of the 2n neighbours, normalised by their sum.
extended definingRead(const std::vector<extended>& samples, extended x)
{
    const auto n = static_cast<std::int64_t>(samples.size());
    const extended p = x * n;
    const auto i = static_cast<std::int64_t>(p);
    if (p - i < 1e-5L)
        return samples[static_cast<std::size_t>(i)];
    extended sum = 0, weight = 1e-100L;
    for (std::int64_t k = i - kOrder + 1; k <= i + kOrder; ++k) {
        const extended w = tdspvar::kernel(p - k);
        sum += w * samples[static_cast<std::size_t>((k % n + n) % n)];
        weight += w;
    }
    return sum / weight;
}

// The floor: per read, 100 precomputed weights times 100 consecutive samples, one multiply-add
// per tap (both parts in the same loop for a complex variable), and the division by the weights'
// sum; the samples are copied once with 100 more after the end, so no read wraps.
struct multiplyAddFloor {
    explicit multiplyAddFloor(const tdspvar& v) : complex(v.isComplex())
    {
        for (int k = 0; k < kSamples + kTaps; ++k) {
            re.push_back(v.real()[static_cast<std::size_t>(k % kSamples)]);
            im.push_back(complex ? v.imag()[static_cast<std::size_t>(k % kSamples)] : 0);
        }
        for (int k = 0; k < kTaps; ++k) {
            weights[static_cast<std::size_t>(k)] = tdspvar::kernel(k - kOrder + 0.37L);
            weightSum += weights[static_cast<std::size_t>(k)];
        }
    }

    void run()
    {
        for (int j = 0; j < kReads; ++j) {
            const auto first = static_cast<std::size_t>(static_cast<std::int64_t>(j) * kSamples / kReads);
            const extended* x = &re[first];
            const extended* y = &im[first];
            extended sumRe = 0, sumIm = 0;
            if (complex)
                for (std::size_t k = 0; k < kTaps; ++k) {
                    sumRe += weights[k] * x[k];
                    sumIm += weights[k] * y[k];
                }
            else
                for (std::size_t k = 0; k < kTaps; ++k)
                    sumRe += weights[k] * x[k];
            benchmark::DoNotOptimize(sumRe / weightSum);
            benchmark::DoNotOptimize(sumIm / weightSum);
        }
    }

    bool complex;
    std::vector<extended> re, im;
    std::array<extended, kTaps> weights{};
    extended weightSum = 0;
};

void line(bool complex)
{
    const tdspvarPtr p = randomVariable(complex);
    const tdspvar& v = *p;
    multiplyAddFloor floor(v);
    std::vector<complexValue> grid(kReads);
    const auto s = benchrounds::interleaved(
        {[&] {
             for (int j = 0; j < kReads; ++j)
                 benchmark::DoNotOptimize(v.interpolatedValue(kOrder, position(j)));
         },
         [&] {
             v.resampleOnto(kOrder, grid);
             benchmark::DoNotOptimize(grid.data());
         },
         [&] { floor.run(); }},
        1, benchrounds::kRounds, CLOCK_PROCESS_CPUTIME_ID);
    extended largest = 0;
    v.resampleOnto(kOrder, grid);
    for (int j = 0; j < kReads; j += 16) {
        for (const complexValue got : {v.interpolatedValue(kOrder, position(j)), grid[static_cast<std::size_t>(j)]}) {
        largest = std::max(largest, std::fabs(got.re - definingRead(v.real(), position(j))));
        if (complex)
            largest = std::max(largest, std::fabs(got.im - definingRead(v.imag(), position(j))));
        }
    }
    std::printf("order-%d reads, %d of a %s variable: one by one %s, onto the grid %s, floor %s\n"
                "    one by one / floor = %s; onto the grid / floor = %s; largest difference from the "
                "defining formula %.2Le of the peak\n",
                kOrder, kReads, complex ? "complex" : "real", benchrounds::millisecondsText(s[0]).c_str(),
                benchrounds::millisecondsText(s[1]).c_str(), benchrounds::millisecondsText(s[2]).c_str(),
                benchrounds::ratioText(benchrounds::ratios(s[0], s[2])).c_str(),
                benchrounds::ratioText(benchrounds::ratios(s[1], s[2])).c_str(), largest / v.peak());
}

} // namespace

int main()
{
    std::printf("median (smallest-largest) over %d interleaved rounds, process CPU time\n",
                benchrounds::kRounds);
    line(false);
    line(true);
    return 0;
}

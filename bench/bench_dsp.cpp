// Speed of the signal-processing core, each against a reference in the same run:
//   - the radix-2 transform at 2^16 and 2^20 points against FFTW's long-double transform
//     (fftwl_plan_dft_1d, FFTW_ESTIMATE), with the largest difference between the two;
//   - the Fourier transform of a 65535-sample variable (resampling to 65536, transform, folding)
//     against the 65536-sample one;
//   - convolution and correlation of two 32768-sample variables against one radix-2 transform of
//     their transform length 65536 (they take three such transforms plus a pass).
// Google Benchmark reports the single timings; the summary lines print the ratios, each from the
// fastest of several interleaved runs of thread CPU time, so other load on the machine matters less.
#include "dsp/fourier.h"
#include "dsp/operations.h"

#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

namespace {

std::vector<complexValue> randomSignal(std::size_t n, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> d(-1, 1);
    std::vector<complexValue> x(n);
    for (auto& c : x)
        c = {static_cast<extended>(d(rng)), static_cast<extended>(d(rng))};
    return x;
}

tdspvarPtr randomVariable(int n, bool complex, unsigned seed)
{
    auto p = std::make_shared<tdspvar>("BENCH");
    tdspvar& v = *p;
    v.resize(n, complex);
    const auto x = randomSignal(static_cast<std::size_t>(n), seed);
    for (int i = 0; i < n; ++i) {
        v.re[static_cast<std::size_t>(i)] = x[static_cast<std::size_t>(i)].re;
        if (complex)
            v.im[static_cast<std::size_t>(i)] = x[static_cast<std::size_t>(i)].im;
    }
    v.computeDisplayPeak();
    return p;
}

// One long-double FFTW plan with its in-place buffer.
struct fftwTransform {
    explicit fftwTransform(std::size_t n)
        : size(n), data(static_cast<fftwl_complex*>(fftwl_malloc(sizeof(fftwl_complex) * n))),
          plan(fftwl_plan_dft_1d(static_cast<int>(n), data, data, FFTW_FORWARD, FFTW_ESTIMATE))
    {
    }
    ~fftwTransform()
    {
        fftwl_destroy_plan(plan);
        fftwl_free(data);
    }
    fftwTransform(const fftwTransform&) = delete;
    fftwTransform& operator=(const fftwTransform&) = delete;

    void run(const std::vector<complexValue>& input)
    {
        for (std::size_t i = 0; i < size; ++i) {
            data[i][0] = input[i].re;
            data[i][1] = input[i].im;
        }
        fftwl_execute(plan);
    }

    std::size_t size;
    fftwl_complex* data;
    fftwl_plan plan;
};

// Ours, timed the same way as FFTW: copy the input in, transform in place.
void radix2Run(const std::vector<complexValue>& input, std::vector<complexValue>& work)
{
    std::copy(input.begin(), input.end(), work.begin());
    radix2Transform(work);
}

void BM_Radix2(benchmark::State& state)
{
    const auto n = static_cast<std::size_t>(1) << state.range(0);
    const auto input = randomSignal(n, 1);
    std::vector<complexValue> work(n);
    for (auto _ : state) {
        radix2Run(input, work);
        benchmark::DoNotOptimize(work.data());
    }
}
BENCHMARK(BM_Radix2)->Arg(16)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_FftwLongDouble(benchmark::State& state)
{
    const auto n = static_cast<std::size_t>(1) << state.range(0);
    const auto input = randomSignal(n, 1);
    fftwTransform fftw(n);
    for (auto _ : state) {
        fftw.run(input);
        benchmark::DoNotOptimize(fftw.data);
    }
}
BENCHMARK(BM_FftwLongDouble)->Arg(16)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_FourierTransform(benchmark::State& state)
{
    const tdspvarPtr v = randomVariable(static_cast<int>(state.range(0)), state.range(1) != 0, 2);
    sampleBuffer out;
    for (auto _ : state) {
        fourierTransform(*v, fourierDirection::direct, out);
        benchmark::DoNotOptimize(out.values.data());
    }
}
BENCHMARK(BM_FourierTransform)
    ->Args({65536, 0})
    ->Args({65535, 0})
    ->Args({65535, 1})
    ->Unit(benchmark::kMillisecond);

void BM_Convolution(benchmark::State& state)
{
    const tdspvarPtr a = randomVariable(32768, false, 3), b = randomVariable(32768, false, 4);
    sampleBuffer out;
    for (auto _ : state) {
        convolve(*a, *b, out);
        benchmark::DoNotOptimize(out.values.data());
    }
}
BENCHMARK(BM_Convolution)->Unit(benchmark::kMillisecond);

void BM_Correlation(benchmark::State& state)
{
    const tdspvarPtr a = randomVariable(32768, false, 3), b = randomVariable(32768, false, 4);
    sampleBuffer out;
    for (auto _ : state) {
        correlate(*a, *b, out);
        benchmark::DoNotOptimize(out.values.data());
    }
}
BENCHMARK(BM_Correlation)->Unit(benchmark::kMillisecond);

double threadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// The fastest of `rounds` runs of each of the two, alternating, and their ratio.
template <typename A, typename B> double ratio(int rounds, A&& a, B&& b, double* secondsA = nullptr)
{
    double bestA = 1e30, bestB = 1e30;
    for (int r = 0; r < rounds; ++r) {
        double t0 = threadSeconds();
        a();
        bestA = std::min(bestA, threadSeconds() - t0);
        t0 = threadSeconds();
        b();
        bestB = std::min(bestB, threadSeconds() - t0);
    }
    if (secondsA)
        *secondsA = bestA;
    return bestA / bestB;
}

void printRatios()
{
    for (int lg : {16, 20}) {
        const std::size_t n = std::size_t{1} << lg;
        const auto input = randomSignal(n, 1);
        std::vector<complexValue> ours(n);
        fftwTransform fftw(n);
        double seconds = 0;
        const double r = ratio(
            lg == 16 ? 30 : 6, [&] { radix2Run(input, ours); }, [&] { fftw.run(input); }, &seconds);
        extended worst = 0, peak = 0;
        for (std::size_t i = 0; i < n; ++i) {
            worst = std::max(worst, std::hypot(ours[i].re - fftw.data[i][0], ours[i].im - fftw.data[i][1]));
            peak = std::max(peak, std::hypot(ours[i].re, ours[i].im));
        }
        std::printf("radix-2 transform 2^%d: %.2f ms, radix-2 / FFTW long double = %.3f "
                    "(largest difference %.2Le of the peak)\n",
                    lg, seconds * 1e3, r, worst / peak);
    }

    sampleBuffer out;
    for (bool complex : {false, true}) {
        const tdspvarPtr odd = randomVariable(65535, complex, 2);
        const tdspvarPtr even = randomVariable(65536, complex, 2);
        double seconds = 0;
        const double r = ratio(
            3, [&] { fourierTransform(*odd, fourierDirection::direct, out); },
            [&] { fourierTransform(*even, fourierDirection::direct, out); }, &seconds);
        std::printf("Fourier transform, %s variable: 65535 samples %.1f ms, 65535 / 65536 = %.2f\n",
                    complex ? "complex" : "real", seconds * 1e3, r);
    }

    const tdspvarPtr a = randomVariable(32768, false, 3), b = randomVariable(32768, false, 4);
    const auto input = randomSignal(65536, 1);
    std::vector<complexValue> work(65536);
    double seconds = 0;
    double r = ratio(
        10, [&] { convolve(*a, *b, out); }, [&] { radix2Run(input, work); }, &seconds);
    std::printf("convolution 32768 x 32768: %.1f ms, / radix-2 transform of 65536 = %.2f\n", seconds * 1e3, r);
    r = ratio(
        10, [&] { correlate(*a, *b, out); }, [&] { radix2Run(input, work); }, &seconds);
    std::printf("correlation 32768 x 32768: %.1f ms, / radix-2 transform of 65536 = %.2f\n", seconds * 1e3, r);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    printRatios();
    return 0;
}

// Speed of the signal-processing core, each line against a competent reference in the same run:
//   - the Fourier transform of a variable of 2^10, 2^16 and 2^20 samples, called as the program
//     calls it (fourierTransform, with whatever plan handling it does inside), against FFTW's
//     long-double transform with a FFTW_MEASURE plan made once (the wisdom is kept in the build
//     folder, so planning is paid once), reading the variable and writing the scaled bins into a
//     sample buffer as a program built on FFTW would;
//   - the Fourier transform of a 65535-sample variable (resampling to 65536, transform, folding)
//     against the 65536-sample one, in elapsed time since the resampling runs on two threads,
//     next to the floor of that path: one bare 100-tap multiply-add pass over 65536 outputs with
//     precomputed weights, on one thread, plus the 65536 transform;
//   - convolution and correlation of two 32768-sample variables against the same operation built
//     on FFTW long double (real-input transforms for real operands, complex ones otherwise).
// Every line is the median and the spread of per-round ratios over interleaved rounds of thread
// CPU time (elapsed time where said; bench/rounds.h).
#include "dsp/fourier.h"
#include "dsp/operations.h"
#include "rounds.h"

#include <fftw3.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#ifndef KELMO_FFTW_WISDOM
#define KELMO_FFTW_WISDOM "fftw.wisdom"
#endif

namespace {

using benchrounds::interleaved;
using benchrounds::millisecondsText;
using benchrounds::ratios;
using benchrounds::ratioText;

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
    signalSamples samples;
    samples.resize(n, complex);
    const auto x = randomSignal(static_cast<std::size_t>(n), seed);
    for (std::size_t i = 0; i < x.size(); ++i) {
        samples.re[i] = x[i].re;
        if (complex)
            samples.im[i] = x[i].im;
    }
    return std::make_shared<tdspvar>("BENCH", std::move(samples));
}

// FFTW's wisdom lives in the build folder: the first run measures, later runs only read it.
struct fftwWisdom {
    fftwWisdom() { fftwl_import_wisdom_from_filename(KELMO_FFTW_WISDOM); }
    ~fftwWisdom() { fftwl_export_wisdom_to_filename(KELMO_FFTW_WISDOM); }
};

// The transform of a variable of power-of-two length on FFTW: the samples into FFTW's array, one
// in-place long-double transform with a MEASURE plan, the bins scaled into a sample buffer.
struct fftwTransform {
    explicit fftwTransform(std::size_t n)
        : size(n), data(fftwl_alloc_complex(n)),
          plan(fftwl_plan_dft_1d(static_cast<int>(n), data, data, FFTW_FORWARD, FFTW_MEASURE))
    {
    }
    ~fftwTransform()
    {
        fftwl_destroy_plan(plan);
        fftwl_free(data);
    }
    fftwTransform(const fftwTransform&) = delete;
    fftwTransform& operator=(const fftwTransform&) = delete;

    void run(const tdspvar& v, sampleBuffer& out)
    {
        for (std::size_t i = 0; i < size; ++i) {
            data[i][0] = v.real()[i];
            data[i][1] = v.imag()[i];
        }
        fftwl_execute(plan);
        out.setCount(static_cast<int>(size));
        const extended scale = 1 / static_cast<extended>(size) * static_cast<extended>(size);
        for (std::size_t k = 0; k < size; ++k)
            out.values[k] = {data[k][0] * scale, data[k][1] * scale};
    }

    std::size_t size;
    fftwl_complex* data;
    fftwl_plan plan;
};

void transformLine(int lg)
{
    const std::size_t n = std::size_t{1} << lg;
    const tdspvarPtr v = randomVariable(static_cast<int>(n), true, 1);
    sampleBuffer ours, theirs;
    fftwTransform fftw(n);
    const int calls = lg <= 10 ? 200 : lg <= 16 ? 5 : 1;
    const auto s = interleaved({[&] { fourierTransform(*v, fourierDirection::direct, ours); },
                                [&] { fftw.run(*v, theirs); }},
                               calls);
    extended worst = 0, peak = 0;
    for (std::size_t i = 0; i < n; ++i) {
        worst = std::max(worst, std::hypot(ours.values[i].re - theirs.values[i].re,
                                           ours.values[i].im - theirs.values[i].im));
        peak = std::max(peak, std::hypot(ours.values[i].re, ours.values[i].im));
    }
    std::printf("Fourier transform of 2^%d samples: fourierTransform %s, on FFTW long double (MEASURE) %s\n"
                "    ours / FFTW = %s; largest difference %.2Le of the peak\n",
                lg, millisecondsText(s[0]).c_str(), millisecondsText(s[1]).c_str(),
                ratioText(ratios(s[0], s[1])).c_str(), worst / peak);
}

// The floor of the any-length path's resampling: 100 precomputed weights, one multiply-add per
// tap, per output sample; a complex signal takes both parts in the same loop.
constexpr int kTaps = 100;

struct multiplyAddFloor {
    explicit multiplyAddFloor(const tdspvar& v)
    {
        const std::size_t n = v.real().size();
        for (std::size_t k = 0; k < n + kTaps; ++k) {
            re.push_back(v.real()[k % n]);
            im.push_back(v.isComplex() ? v.imag()[k % n] : 0);
        }
        for (int k = 0; k < kTaps; ++k)
            weights[static_cast<std::size_t>(k)] = tdspvar::kernel(k - kTaps / 2 + 0.37L);
        out.resize(n + 1);
    }

    void runReal()
    {
        const std::size_t n = out.size();
        for (std::size_t i = 0; i < n; ++i) {
            const extended* x = &re[i * (re.size() - kTaps) / n];
            extended sum = 0;
            for (int k = 0; k < kTaps; ++k)
                sum += weights[static_cast<std::size_t>(k)] * x[k];
            out[i] = {sum, 0};
        }
    }

    void runComplex()
    {
        const std::size_t n = out.size();
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t first = i * (re.size() - kTaps) / n;
            const extended* x = &re[first];
            const extended* y = &im[first];
            extended sumRe = 0, sumIm = 0;
            for (int k = 0; k < kTaps; ++k) {
                sumRe += weights[static_cast<std::size_t>(k)] * x[k];
                sumIm += weights[static_cast<std::size_t>(k)] * y[k];
            }
            out[i] = {sumRe, sumIm};
        }
    }

    std::vector<extended> re, im;
    std::array<extended, kTaps> weights{};
    std::vector<complexValue> out;
};

void anyLengthLine(bool complex)
{
    const tdspvarPtr odd = randomVariable(65535, complex, 2);
    const tdspvarPtr even = randomVariable(65536, complex, 2);
    multiplyAddFloor floor(*odd);
    sampleBuffer out;
    const auto s = interleaved({[&] { fourierTransform(*odd, fourierDirection::direct, out); },
                                [&] { fourierTransform(*even, fourierDirection::direct, out); },
                                [&] { complex ? floor.runComplex() : floor.runReal(); }},
                               1, benchrounds::kRounds, CLOCK_MONOTONIC);
    std::vector<double> floorRatio, oursOverFloor;
    for (std::size_t r = 0; r < s[0].size(); ++r) {
        floorRatio.push_back((s[2][r] + s[1][r]) / s[1][r]);
        oursOverFloor.push_back(s[0][r] / (s[2][r] + s[1][r]));
    }
    std::printf("Fourier transform, %s variable, elapsed: 65535 samples %s, 65536 samples %s\n"
                "    65535 / 65536 = %s; floor (100-tap multiply-add + the 65536 path) / 65536 = "
                "%s; ours / floor = %s\n",
                complex ? "complex" : "real", millisecondsText(s[0]).c_str(),
                millisecondsText(s[1]).c_str(), ratioText(ratios(s[0], s[1])).c_str(),
                ratioText(floorRatio).c_str(), ratioText(oursOverFloor).c_str());
}

// Convolution, or correlation, the way an FFTW user writes it: the first operand placed (for
// correlation reversed about index 0) and the second zero-padded to the transform length, two
// forward transforms, the product, one backward transform, the first `count` samples scaled.
class fftwReference {
public:
    fftwReference(std::size_t length, bool realInput) : a(length), real(realInput)
    {
        const int n = static_cast<int>(a);
        if (real) {
            rp = fftwl_alloc_real(a);
            rq = fftwl_alloc_real(a);
            p = fftwl_alloc_complex(a / 2 + 1);
            q = fftwl_alloc_complex(a / 2 + 1);
            forwardP = fftwl_plan_dft_r2c_1d(n, rp, p, FFTW_MEASURE);
            forwardQ = fftwl_plan_dft_r2c_1d(n, rq, q, FFTW_MEASURE);
            backward = fftwl_plan_dft_c2r_1d(n, p, rp, FFTW_MEASURE);
        } else {
            p = fftwl_alloc_complex(a);
            q = fftwl_alloc_complex(a);
            forwardP = fftwl_plan_dft_1d(n, p, p, FFTW_FORWARD, FFTW_MEASURE);
            forwardQ = fftwl_plan_dft_1d(n, q, q, FFTW_FORWARD, FFTW_MEASURE);
            backward = fftwl_plan_dft_1d(n, p, p, FFTW_BACKWARD, FFTW_MEASURE);
        }
    }
    ~fftwReference()
    {
        for (fftwl_plan plan : {forwardP, forwardQ, backward})
            fftwl_destroy_plan(plan);
        fftwl_free(p);
        fftwl_free(q);
        fftwl_free(rp);
        fftwl_free(rq);
    }
    fftwReference(const fftwReference&) = delete;
    fftwReference& operator=(const fftwReference&) = delete;

    void run(const tdspvar& x1, const tdspvar& x2, bool correlation, std::size_t count, extended scale,
             std::vector<complexValue>& out)
    {
        const std::size_t n1 = x1.real().size(), n2 = x2.real().size();
        if (real) {
            std::fill(rp, rp + a, 0.0L);
            std::fill(rq, rq + a, 0.0L);
            for (std::size_t j = 0; j < n1; ++j)
                rp[correlation && j ? a - j : j] = x1.real()[j];
            std::copy(x2.real().begin(), x2.real().end(), rq);
        } else {
            std::fill(&p[0][0], &p[0][0] + 2 * a, 0.0L);
            std::fill(&q[0][0], &q[0][0] + 2 * a, 0.0L);
            for (std::size_t j = 0; j < n1; ++j) {
                const std::size_t k = correlation && j ? a - j : j;
                p[k][0] = x1.real()[j];
                p[k][1] = x1.imag()[j];
            }
            for (std::size_t j = 0; j < n2; ++j) {
                q[j][0] = x2.real()[j];
                q[j][1] = x2.imag()[j];
            }
        }
        fftwl_execute(forwardP);
        fftwl_execute(forwardQ);
        const std::size_t bins = real ? a / 2 + 1 : a;
        for (std::size_t k = 0; k < bins; ++k) {
            const long double re = p[k][0] * q[k][0] - p[k][1] * q[k][1];
            p[k][1] = p[k][0] * q[k][1] + p[k][1] * q[k][0];
            p[k][0] = re;
        }
        fftwl_execute(backward);
        out.resize(count);
        const extended s = scale / static_cast<extended>(a);
        for (std::size_t k = 0; k < count; ++k)
            out[k] = real ? complexValue{rp[k] * s, 0} : complexValue{p[k][0] * s, p[k][1] * s};
    }

private:
    std::size_t a;
    bool real;
    long double* rp = nullptr;
    long double* rq = nullptr;
    fftwl_complex* p = nullptr;
    fftwl_complex* q = nullptr;
    fftwl_plan forwardP{}, forwardQ{}, backward{};
};

void spectralOperationLines(bool complex)
{
    constexpr int n = 32768;
    const tdspvarPtr x1 = randomVariable(n, complex, 3), x2 = randomVariable(n, complex, 4);
    const std::size_t a = nextPowerOfTwo(2 * n);
    fftwReference reference(a, !complex);
    sampleBuffer out;
    std::vector<complexValue> want;
    for (bool correlation : {false, true}) {
        const std::size_t count = correlation ? n : 2 * n;
        const extended scale = correlation ? 2.0L / a : 1;
        const auto s = interleaved(
            {[&] { correlation ? correlate(*x1, *x2, out) : convolve(*x1, *x2, out); },
             [&] { reference.run(*x1, *x2, correlation, count, scale, want); }},
            2);
        extended worst = 0, peak = 0;
        for (std::size_t k = 0; k < count; ++k) {
            worst = std::max(worst, std::hypot(out.values[k].re - want[k].re, out.values[k].im - want[k].im));
            peak = std::max(peak, std::hypot(want[k].re, want[k].im));
        }
        std::printf("%s %d x %d, %s: ours %s, on FFTW long double %s\n"
                    "    ours / FFTW-based = %s; largest difference %.2Le of the peak\n",
                    correlation ? "correlation" : "convolution", n, n, complex ? "complex" : "real",
                    millisecondsText(s[0]).c_str(), millisecondsText(s[1]).c_str(),
                    ratioText(ratios(s[0], s[1])).c_str(), worst / peak);
    }
}

} // namespace

int main()
{
    const fftwWisdom wisdom;
    std::printf("median (smallest-largest) over %d interleaved rounds, thread CPU time\n",
                benchrounds::kRounds);
    transformLine(10);
    transformLine(16);
    transformLine(20);
    anyLengthLine(false);
    anyLengthLine(true);
    spectralOperationLines(false);
    spectralOperationLines(true);
    return 0;
}

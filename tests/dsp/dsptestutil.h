// Helpers shared by the signal-processing tests: variables from sample lists, random signals and a
// direct O(N^2) DFT to check the fast transforms against.
#pragma once

#include "core/variable.h"
#include "dsp/samplebuffer.h"

#include <cmath>
#include <complex>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

namespace dsptest {

inline tdspvarPtr realVariable(std::vector<extended> re)
{
    return std::make_shared<tdspvar>("V", signalSamples::real(std::move(re)));
}

inline tdspvarPtr complexVariable(std::vector<extended> re, std::vector<extended> im)
{
    return std::make_shared<tdspvar>("V", signalSamples::complex(std::move(re), std::move(im)));
}

inline std::vector<complexValue> randomSignal(std::size_t n, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> d(-1, 1);
    std::vector<complexValue> x(n);
    for (auto& c : x)
        c = {static_cast<extended>(d(rng)), static_cast<extended>(d(rng))};
    return x;
}

inline tdspvarPtr variableFrom(const std::vector<complexValue>& x)
{
    std::vector<extended> re, im;
    for (const auto& c : x) {
        re.push_back(c.re);
        im.push_back(c.im);
    }
    return complexVariable(std::move(re), std::move(im));
}

// X[k] = sum_n x[n] e^(sign j 2 pi k n / N), in extended precision with exact angle reduction.
inline std::vector<complexValue> directDft(const std::vector<complexValue>& x, int sign = -1)
{
    const auto n = static_cast<std::int64_t>(x.size());
    std::vector<complexValue> out(x.size());
    for (std::int64_t k = 0; k < n; ++k) {
        complexValue sum{};
        for (std::int64_t m = 0; m < n; ++m) {
            const extended angle = sign * 2 * kPi * static_cast<extended>((k * m) % n) / n;
            sum = sum + x[static_cast<std::size_t>(m)] * complexValue{std::cos(angle), std::sin(angle)};
        }
        out[static_cast<std::size_t>(k)] = sum;
    }
    return out;
}

inline extended distance(complexValue a, complexValue b)
{
    return std::hypot(a.re - b.re, a.im - b.im);
}

inline std::vector<complexValue> bufferValues(const sampleBuffer& b)
{
    return {b.values.begin(), b.values.begin() + b.count};
}

// A variable of n samples from a fixed 64-bit generator (the same on every machine and library),
// values in [-1, 1) with 52 random bits; the seed follows n and the kind.
inline tdspvarPtr fixedVariable(int n, bool complex)
{
    std::uint64_t state = 77 + static_cast<std::uint64_t>(n) + (complex ? 1 : 0);
    const auto next = [&state] {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<extended>(static_cast<std::int64_t>(state >> 11) - (std::int64_t{1} << 52)) /
               (std::int64_t{1} << 52);
    };
    signalSamples s;
    s.resize(n, complex);
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
        s.re[i] = next();
        if (complex)
            s.im[i] = next();
    }
    return std::make_shared<tdspvar>("T", std::move(s));
}

// FNV-1a over the ten significant bytes of both parts of every sample: equal for equal bits.
inline std::uint64_t bitsChecksum(const sampleBuffer& b)
{
    std::uint64_t h = 1469598103934665603ull;
    for (std::size_t k = 0; k < static_cast<std::size_t>(b.count); ++k)
        for (const extended* part : {&b.values[k].re, &b.values[k].im}) {
            unsigned char bytes[sizeof(extended)] = {};
            std::memcpy(bytes, part, 10);
            for (int i = 0; i < 10; ++i)
                h = (h ^ bytes[i]) * 1099511628211ull;
        }
    return h;
}

} // namespace dsptest

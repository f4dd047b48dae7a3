// Helpers shared by the signal-processing tests: variables from sample lists, random signals and a
// direct O(N^2) DFT to check the fast transforms against.
#pragma once

#include "core/variable.h"
#include "dsp/samplebuffer.h"

#include <cmath>
#include <complex>
#include <cstdint>
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

} // namespace dsptest

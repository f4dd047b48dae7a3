// Interleaved timing rounds for the summary lines of bench_dsp and bench_interpolation.
// Each round runs every contender once, one after the other, on this thread's CPU clock, so load
// from other programs on the machine falls on all of them alike; a line then reports the median
// of the per-round ratios and their spread (smallest and largest), never a single best run.
#pragma once

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace benchrounds {

inline constexpr int kRounds = 7;

inline double clockSeconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

inline double threadSeconds() { return clockSeconds(CLOCK_THREAD_CPUTIME_ID); }

struct spread {
    double median = 0, low = 0, high = 0;
};

inline spread summarise(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    return {median, v.front(), v.back()};
}

// seconds[c][r]: contender c in round r, each timed over `calls` calls and divided by them.
// One untimed call of each comes first, so that first-touch costs stay out of the rounds. The
// thread's CPU clock by default; CLOCK_MONOTONIC for work that runs on more than one thread.
inline std::vector<std::vector<double>> interleaved(const std::vector<std::function<void()>>& contenders,
                                                    int calls = 1, int rounds = kRounds,
                                                    clockid_t clock = CLOCK_THREAD_CPUTIME_ID)
{
    std::vector<std::vector<double>> seconds(contenders.size());
    for (const auto& c : contenders)
        c();
    for (int r = 0; r < rounds; ++r)
        for (std::size_t c = 0; c < contenders.size(); ++c) {
            const double t0 = clockSeconds(clock);
            for (int k = 0; k < calls; ++k)
                contenders[c]();
            seconds[c].push_back((clockSeconds(clock) - t0) / calls);
        }
    return seconds;
}

// Per-round a[r] / b[r].
inline std::vector<double> ratios(const std::vector<double>& a, const std::vector<double>& b)
{
    std::vector<double> r;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        r.push_back(a[i] / b[i]);
    return r;
}

// "1.23x (1.19-1.30)": median and spread of per-round ratios.
inline std::string ratioText(const std::vector<double>& perRound)
{
    const spread s = summarise(perRound);
    char text[64];
    std::snprintf(text, sizeof text, "%.2fx (%.2f-%.2f)", s.median, s.low, s.high);
    return text;
}

// "5.41 ms (5.30-5.62)": median and spread of per-round times.
inline std::string millisecondsText(const std::vector<double>& seconds)
{
    const spread s = summarise(seconds);
    char text[64];
    std::snprintf(text, sizeof text, "%.2f ms (%.2f-%.2f)", s.median * 1e3, s.low * 1e3, s.high * 1e3);
    return text;
}

} // namespace benchrounds

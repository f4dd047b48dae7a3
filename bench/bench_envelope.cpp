// The envelope of a 2^20-sample curve in 384 and 1920 pixel columns, as a zoom or resize step of
// the graph asks for it: from the min/max pyramid against a direct scan of every column's
// samples, for the whole curve and for a zoomed eighth of it. Each line is the median and the
// spread of per-round times and ratios over interleaved rounds of thread CPU time
// (bench/rounds.h); the pyramid's one-off build per variable is timed too. A frame at 60 Hz
// lasts 16.7 ms.
#include "plot/minmaxpyramid.h"
#include "rounds.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

constexpr std::int64_t kSamples = std::int64_t(1) << 20;

std::vector<extended> noisySines()
{
    std::vector<extended> v(static_cast<std::size_t>(kSamples));
    std::mt19937 rng(3);
    std::normal_distribution<double> noise(0, 0.1);
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = std::sin(static_cast<extended>(i) * 0.001L) + noise(rng);
    return v;
}

// What the graph would do without the pyramid: every column scans its samples.
void directEnvelope(const std::vector<extended>& v, std::int64_t first, std::int64_t count,
                    std::vector<minMax>& columns)
{
    const int n = static_cast<int>(columns.size());
    for (int c = 0; c < n; ++c) {
        minMax m;
        const std::int64_t to = columnBoundary(first, count, n, c + 1);
        for (std::int64_t i = columnBoundary(first, count, n, c); i < to; ++i)
            m.take(v[static_cast<std::size_t>(i)]);
        columns[static_cast<std::size_t>(c)] = m;
    }
}

void line(const minMaxPyramid& pyramid, const std::vector<extended>& v, int columns,
          std::int64_t first, std::int64_t count, const char* what)
{
    std::vector<minMax> fromPyramid(static_cast<std::size_t>(columns));
    std::vector<minMax> direct(static_cast<std::size_t>(columns));
    const auto s = benchrounds::interleaved(
        {[&] {
             pyramid.envelope(first, count, fromPyramid);
             benchmark::DoNotOptimize(fromPyramid.data());
         },
         [&] {
             directEnvelope(v, first, count, direct);
             benchmark::DoNotOptimize(direct.data());
         }},
        5);
    bool same = true;
    for (std::size_t c = 0; c < direct.size(); ++c)
        same = same && fromPyramid[c].low == direct[c].low && fromPyramid[c].high == direct[c].high;
    std::printf("%4d columns, %s: pyramid %s, direct scan %s\n"
                "    direct scan / pyramid = %s; columns %s\n",
                columns, what, benchrounds::millisecondsText(s[0]).c_str(),
                benchrounds::millisecondsText(s[1]).c_str(),
                benchrounds::ratioText(benchrounds::ratios(s[1], s[0])).c_str(),
                same ? "identical" : "DIFFER");
}

} // namespace

int main()
{
    const std::vector<extended> v = noisySines();
    minMaxPyramid pyramid;
    const auto build = benchrounds::interleaved({[&] { pyramid = minMaxPyramid(std::vector<extended>(v)); }});
    std::printf("median (smallest-largest) over %d interleaved rounds, thread CPU time\n"
                "building the pyramid of %lld samples (with the copy of the samples): %s\n",
                benchrounds::kRounds, static_cast<long long>(kSamples),
                benchrounds::millisecondsText(build[0]).c_str());
    for (const int columns : {384, 1920}) {
        line(pyramid, v, columns, 0, kSamples, "whole curve");
        line(pyramid, v, columns, 3 * kSamples / 8, kSamples / 8, "zoomed 1/8");
    }
    return 0;
}

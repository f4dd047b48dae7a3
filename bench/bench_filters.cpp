// Speed of filtering by H(z) and of the pole-zero and response view, each against a reference
// in the same run:
//   - 2^20 samples through a 10th-order IIR filter (a designed Butterworth low-pass) against a
//     plain long double recurrence loop over zero-padded arrays with a[0] = 1, the way one
//     writes it by hand: real samples through filterSamples, and a complex variable through
//     filterVariable against the same loop run on both parts;
//   - the live view's work for 20 typed numerator and 20 denominator coefficients (the system,
//     its poles and zeros, and a 512-point response) against the 20 ms a typing user allows, for
//     random coefficients and for a numerator with a 19-fold zero.
// Every line is the median and the spread of per-round figures over interleaved rounds of thread
// CPU time (bench/rounds.h).
#include "dsp/differencefilter.h"
#include "dsp/frequencyresponse.h"
#include "dsp/iirdesign.h"
#include "dsp/systemanalysis.h"
#include "rounds.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

using benchrounds::interleaved;
using benchrounds::millisecondsText;
using benchrounds::ratios;
using benchrounds::ratioText;

constexpr std::size_t kSamples = std::size_t{1} << 20;
constexpr int kOrder = 10;
constexpr double kTypingBudgetSeconds = 0.020;

std::vector<extended> randomSamples(std::size_t n, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> d(-1, 1);
    std::vector<extended> x(n);
    for (extended& v : x)
        v = d(rng);
    return x;
}

// The hand-written recurrence: inputs and outputs behind `order` zeros, no bounds to test.
struct plainRecurrence {
    plainRecurrence(const transferFunction& h, const std::vector<extended>& input)
        : b(h.b), a(h.a), order(std::max(h.b.size(), h.a.size()) - 1), x(order, 0), y(order + input.size(), 0)
    {
        x.insert(x.end(), input.begin(), input.end());
    }

    void run()
    {
        const std::size_t nb = b.size(), na = a.size();
        for (std::size_t n = order; n < x.size(); ++n) {
            extended sum = 0;
            for (std::size_t k = 0; k < nb; ++k)
                sum += b[k] * x[n - k];
            for (std::size_t k = 1; k < na; ++k)
                sum -= a[k] * y[n - k];
            y[n] = sum;
        }
    }

    extended output(std::size_t n) const { return y[order + n]; }

    std::vector<extended> b, a;
    std::size_t order;
    std::vector<extended> x, y;
};

void filterLines()
{
    const filterDesign design = designIir({filterBand::lowPass, kOrder, 0.1L, 0, 1}, iirFamily::butterworth, 0);
    const transferFunction& h = design.system;
    const std::vector<extended> re = randomSamples(kSamples, 1), im = randomSamples(kSamples, 2);

    std::vector<extended> ours(kSamples);
    plainRecurrence plain(h, re);
    const auto s = interleaved({[&] { filterSamples(h, re, ours); }, [&] { plain.run(); }});
    extended worst = 0, peak = 0;
    for (std::size_t n = 0; n < kSamples; ++n) {
        worst = std::max(worst, std::fabs(ours[n] - plain.output(n)));
        peak = std::max(peak, std::fabs(plain.output(n)));
    }
    std::printf("10th-order IIR over 2^20 real samples: ours %s, plain recurrence %s\n"
                "    ours / plain = %s; largest difference %.2Le of the peak\n",
                millisecondsText(s[0]).c_str(), millisecondsText(s[1]).c_str(),
                ratioText(ratios(s[0], s[1])).c_str(), worst / peak);

    const tdspvar variable("BENCH", signalSamples::complex(re, im));
    sampleBuffer out;
    plainRecurrence plainIm(h, im);
    const auto c = interleaved({[&] { filterVariable(h, variable, out); }, [&] {
                                    plain.run();
                                    plainIm.run();
                                }});
    std::printf("the same over a complex variable into a sample buffer: ours %s, plain on both parts %s\n"
                "    ours / plain = %s\n",
                millisecondsText(c[0]).c_str(), millisecondsText(c[1]).c_str(),
                ratioText(ratios(c[0], c[1])).c_str());
}

void liveViewLine(const char* label, const std::vector<extended>& numerator, const std::vector<extended>& denominator)
{
    constexpr int calls = 20;
    std::size_t found = 0;
    const auto s = interleaved({[&] {
                                   const transferFunction h = systemFromTypedLists(numerator, denominator);
                                   const systemAnalysis a = analyseSystem(h);
                                   const frequencyResponse r = computeFrequencyResponse(h, 512);
                                   found = a.zeros.size() + a.poles.size() + r.omega.size();
                               }},
                               calls);
    std::vector<double> budget(s[0].size(), kTypingBudgetSeconds);
    std::printf("live view, %s (%zu entries): %s per recomputation, %s of 20 ms\n", label, found,
                millisecondsText(s[0]).c_str(), ratioText(ratios(s[0], budget)).c_str());
}

} // namespace

int main()
{
    filterLines();
    const std::vector<extended> numerator = randomSamples(20, 3), denominator = randomSamples(20, 4);
    liveViewLine("20 + 20 random coefficients", numerator, denominator);
    // (1 + z)^19: a 19-fold zero at -1, the slowest case of the grouping.
    std::vector<extended> binomial{1};
    for (int k = 0; k < 19; ++k) {
        binomial.push_back(0);
        for (std::size_t i = binomial.size() - 1; i > 0; --i)
            binomial[i] += binomial[i - 1];
    }
    liveViewLine("(1 + z)^19 over 20 random coefficients", binomial, denominator);
    return 0;
}

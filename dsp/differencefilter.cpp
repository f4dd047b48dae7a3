#include "dsp/differencefilter.h"

#include "dsp/dsptexts.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// b / a[0] and a[1..K] / a[0]: the recurrence then has no division in it.
struct recurrence {
    std::vector<extended> b;
    std::vector<extended> a; // a[k-1] multiplies y[n-k]
};

recurrence normalised(const transferFunction& h)
{
    const extended lead = h.a.front();
    recurrence r{h.b, {h.a.begin() + 1, h.a.end()}};
    if (lead != 1) {
        for (extended& v : r.b)
            v /= lead;
        for (extended& v : r.a)
            v /= lead;
    }
    return r;
}

// The recurrence over `count` samples; y(n) is the place of output sample n. Each output sums
// the oldest terms first and a[1] y[n-1] last, so that it waits on the one before it for a
// single multiply and subtract only. The first samples reach back only as far as the signal
// goes (zero initial state).
template <class Output>
void runRecurrence(const recurrence& r, const extended* x, Output y, std::size_t count)
{
    const std::size_t nb = r.b.size(), na = r.a.size();
    const auto next = [&](std::size_t n, std::size_t kb, std::size_t ka) {
        extended sum = 0;
        for (std::size_t k = kb; k-- > 0;)
            sum += r.b[k] * x[n - k];
        for (std::size_t k = ka; k > 0; --k)
            sum -= r.a[k - 1] * y(n - k);
        y(n) = sum;
    };
    const std::size_t warm = std::min(count, std::max(nb, na + 1) - 1);
    for (std::size_t n = 0; n < warm; ++n)
        next(n, std::min(nb, n + 1), std::min(na, n));
    for (std::size_t n = warm; n < count; ++n)
        next(n, nb, na);
}

std::int64_t firstNonFinite(std::span<const extended> y)
{
    const auto bad = std::find_if(y.begin(), y.end(), [](extended v) { return !std::isfinite(v); });
    return bad == y.end() ? -1 : bad - y.begin();
}

} // namespace

filterOutcome filterSamples(const transferFunction& h, std::span<const extended> x, std::span<extended> y)
{
    filterOutcome outcome;
    outcome.problem = checkFilterable(h);
    if (outcome.problem != systemProblem::none)
        return outcome;
    const std::size_t count = std::min(x.size(), y.size());
    runRecurrence(normalised(h), x.data(), [&y](std::size_t n) -> extended& { return y[n]; }, count);
    outcome.firstNonFinite = firstNonFinite(y.first(count));
    return outcome;
}

filterOutcome filterVariable(const transferFunction& h, const tdspvar& x, sampleBuffer& out)
{
    filterOutcome outcome;
    outcome.problem = checkFilterable(h);
    if (outcome.problem != systemProblem::none)
        return outcome;
    const recurrence r = normalised(h);
    const std::size_t count = x.real().size();
    out.setCount(x.sampleCount());
    out.isComplex = x.isComplex();
    complexValue* values = out.values.data();
    runRecurrence(r, x.real().data(), [values](std::size_t n) -> extended& { return values[n].re; }, count);
    if (x.isComplex())
        runRecurrence(r, x.imag().data(), [values](std::size_t n) -> extended& { return values[n].im; }, count);
    for (std::size_t n = 0; n < count; ++n) {
        if (!x.isComplex())
            values[n].im = 0;
        if (outcome.firstNonFinite < 0 && !(std::isfinite(values[n].re) && std::isfinite(values[n].im)))
            outcome.firstNonFinite = static_cast<std::int64_t>(n);
    }
    return outcome;
}

std::string filterMessage(const filterOutcome& outcome)
{
    if (outcome.problem != systemProblem::none)
        return std::string(systemProblemMessage(outcome.problem));
    if (outcome.diverged())
        return fillText(kFilterDivergesText, {std::to_string(outcome.firstNonFinite)});
    return {};
}

// Filtering a signal by H(z): the difference equation of a transferFunction run over a sequence
// from a zero initial state, in extended arithmetic, for the filter command and its preview.
//     y[n] = (b[0] x[n] + ... + b[M] x[n-M] - a[1] y[n-1] - ... - a[K] y[n-K]) / a[0]
// With the system read from the inverse Z window's lists (systemFromTypedLists), the impulse
// response is that window's series. A recurrence that runs to infinity or NaN is reported with
// the first such sample; its values are left as computed, never hidden.
#pragma once

#include "core/variable.h"
#include "dsp/samplebuffer.h"
#include "dsp/transferfunction.h"

#include <cstdint>
#include <span>
#include <string>

struct filterOutcome {
    // none, or why nothing was written (checkFilterable's refusals).
    systemProblem problem = systemProblem::none;
    // The first output sample that is infinite or not a number; -1 when every one is finite.
    std::int64_t firstNonFinite = -1;
    bool diverged() const { return firstNonFinite >= 0; }
};

// y = H x, y.size() = x.size(); x and y must not overlap. Coefficients are divided by a[0] once
// beforehand, which is exact when a[0] = 1, as in every designed filter.
filterOutcome filterSamples(const transferFunction& h, std::span<const extended> x, std::span<extended> y);

// The variable's samples through H into `out`: as many samples, complex when the variable is
// (real coefficients filter the two parts apart). A refusal leaves `out` as it was.
filterOutcome filterVariable(const transferFunction& h, const tdspvar& x, sampleBuffer& out);

// What to tell the user: the refusal's message, or the sample where the recurrence diverged;
// empty when there is nothing to say.
std::string filterMessage(const filterOutcome& outcome);

#include "dsp/systemanalysis.h"

#include "core/showntext.h"

#include <algorithm>

namespace {

std::vector<extended> withoutTrailingZeros(std::vector<extended> c)
{
    while (!c.empty() && c.back() == 0)
        c.pop_back();
    return c;
}

int leadingZeros(const std::vector<extended>& c)
{
    return static_cast<int>(std::find_if(c.begin(), c.end(), [](extended v) { return v != 0; }) - c.begin());
}

// z^k in the numerator and z^m in the denominator leave z^(k-m) on one side only.
void cancelAtOrigin(std::vector<polynomialRoot>& zeros, std::vector<polynomialRoot>& poles)
{
    const auto atOrigin = [](const polynomialRoot& r) { return r.value == complexExtended{}; };
    const auto z = std::find_if(zeros.begin(), zeros.end(), atOrigin);
    const auto p = std::find_if(poles.begin(), poles.end(), atOrigin);
    if (z == zeros.end() || p == poles.end())
        return;
    const int common = std::min(z->multiplicity, p->multiplicity);
    z->multiplicity -= common;
    p->multiplicity -= common;
    if (z->multiplicity == 0)
        zeros.erase(z);
    if (p->multiplicity == 0)
        poles.erase(p);
}

stabilityVerdict verdictOf(const std::vector<polynomialRoot>& poles)
{
    extended largest = 0;
    for (const polynomialRoot& p : poles)
        largest = std::max(largest, std::abs(p.value));
    if (largest > 1 + kUnitCircleTolerance)
        return stabilityVerdict::unstable;
    return largest >= 1 - kUnitCircleTolerance ? stabilityVerdict::marginal : stabilityVerdict::stable;
}

} // namespace

systemAnalysis analyseSystem(const transferFunction& h)
{
    systemAnalysis out;
    out.problem = checkAnalysable(h);
    if (out.problem != systemProblem::none && out.problem != systemProblem::zeroNumerator)
        return out;
    std::vector<extended> b = withoutTrailingZeros(h.b);
    std::vector<extended> a = withoutTrailingZeros(h.a);
    // Both as polynomials in z of the one degree: H(z) = (b[0] z^P + ... ) / (a[0] z^P + ...).
    const std::size_t degree = std::max(b.size(), a.size()) - 1;
    if (degree > static_cast<std::size_t>(kMaxAnalysedOrder)) {
        out.problem = systemProblem::orderTooHigh;
        return out;
    }
    b.resize(degree + 1, 0);
    a.resize(degree + 1, 0);
    out.poles = polynomialRoots(a);
    if (out.problem == systemProblem::none) {
        out.zeros = polynomialRoots(b);
        out.zerosAtInfinity = leadingZeros(b);
        cancelAtOrigin(out.zeros, out.poles);
    }
    out.verdict = verdictOf(out.poles);
    return out;
}

std::string_view stabilityMessage(stabilityVerdict verdict)
{
    switch (verdict) {
    case stabilityVerdict::unknown: return {};
    case stabilityVerdict::stable: return KELMO_TEXT("Texts", "Sistemul este stabil.");
    case stabilityVerdict::marginal: return KELMO_TEXT("Texts", "Sistemul nu este stabil : un pol este pe cercul unitate.");
    case stabilityVerdict::unstable: return KELMO_TEXT("Texts", "Sistemul este instabil : un pol este in afara cercului unitate.");
    }
    return {};
}

#include "dsp/transferfunction.h"

#include "core/showntext.h"

#include <algorithm>
#include <cmath>

namespace {

bool allZero(const std::vector<extended>& c)
{
    return std::all_of(c.begin(), c.end(), [](extended v) { return v == 0; });
}

bool allFinite(const std::vector<extended>& c)
{
    return std::all_of(c.begin(), c.end(), [](extended v) { return std::isfinite(v); });
}

bool withinRange(const std::vector<extended>& c)
{
    return std::all_of(c.begin(), c.end(), [](extended v) {
        const extended m = std::fabs(v);
        return v == 0 || (m >= kSmallestCoefficient && m <= kLargestCoefficient);
    });
}

} // namespace

transferFunction systemFromTypedLists(std::span<const extended> numerator,
                                      std::span<const extended> denominator)
{
    std::size_t top = denominator.size();
    while (top > 0 && denominator[top - 1] == 0)
        --top;
    transferFunction h;
    h.b.assign(numerator.rbegin(), numerator.rend());
    h.a.assign(denominator.rend() - static_cast<std::ptrdiff_t>(top), denominator.rend());
    return h;
}

typedLists typedListsFromSystem(const transferFunction& h)
{
    return {{h.b.rbegin(), h.b.rend()}, {h.a.rbegin(), h.a.rend()}};
}

std::string_view systemProblemMessage(systemProblem problem)
{
    switch (problem) {
    case systemProblem::none: return {};
    case systemProblem::zeroDenominator: return KELMO_TEXT("Texts", "Numitorul este nul.");
    case systemProblem::leadingZeroDenominator: return KELMO_TEXT("Texts", "Coeficientul a0 al numitorului este nul.");
    case systemProblem::notFinite: return KELMO_TEXT("Texts", "Un coeficient nu este un numar finit.");
    case systemProblem::outOfRange:
        return KELMO_TEXT("Texts", "Coeficientii nenuli trebuie sa fie intre 1E-300 si 1E300 in valoare absoluta.");
    case systemProblem::orderTooHigh: return KELMO_TEXT("Texts", "Ordinul este mai mare decat 50.");
    case systemProblem::zeroNumerator: return KELMO_TEXT("Texts", "Numaratorul este nul.");
    }
    return {};
}

systemProblem checkFilterable(const transferFunction& h)
{
    if (!allFinite(h.b) || !allFinite(h.a))
        return systemProblem::notFinite;
    if (allZero(h.a))
        return systemProblem::zeroDenominator;
    if (h.a.front() == 0)
        return systemProblem::leadingZeroDenominator;
    return systemProblem::none;
}

systemProblem checkAnalysable(const transferFunction& h)
{
    if (const systemProblem p = checkFilterable(h); p != systemProblem::none)
        return p;
    if (!withinRange(h.b) || !withinRange(h.a))
        return systemProblem::outOfRange;
    return allZero(h.b) ? systemProblem::zeroNumerator : systemProblem::none;
}

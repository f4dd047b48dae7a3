#include "dsp/frequencyresponse.h"

#include <algorithm>
#include <cmath>

namespace {

// A polynomial in z^-1 scaled by 2^-exponent, so that its largest coefficient is about 1.
struct scaledPolynomial {
    std::vector<extended> c;
    int exponent = 0;
};

scaledPolynomial scaledBy2(const std::vector<extended>& c)
{
    extended largest = 0;
    for (extended v : c)
        largest = std::max(largest, std::fabs(v));
    scaledPolynomial s;
    std::frexp(largest, &s.exponent);
    for (extended v : c)
        s.c.push_back(std::ldexp(v, -s.exponent));
    return s;
}

struct complexPair {
    extended re = 0, im = 0;
};

// sum c[m] u^m by Horner's rule, u = e^-jw = (cosw, -sinw).
complexPair evaluate(const std::vector<extended>& c, extended cosw, extended sinw)
{
    complexPair s;
    for (std::size_t m = c.size(); m-- > 0;) {
        const extended re = s.re * cosw + s.im * sinw + c[m];
        s.im = s.im * cosw - s.re * sinw;
        s.re = re;
    }
    return s;
}

} // namespace

frequencyResponse computeFrequencyResponse(const transferFunction& h, int points)
{
    frequencyResponse out;
    out.problem = checkAnalysable(h);
    if (out.problem != systemProblem::none && out.problem != systemProblem::zeroNumerator)
        return out;
    const int count = std::clamp(points, 2, kMaxResponsePoints);
    const scaledPolynomial b = scaledBy2(h.b), a = scaledBy2(h.a);
    const extended log10Of2 = std::log10(extended{2});
    const extended gainDb = 20 * log10Of2 * static_cast<extended>(b.exponent - a.exponent);
    for (int k = 0; k < count; ++k) {
        const extended w = k == count - 1 ? kPi : kPi * k / (count - 1);
        out.omega.push_back(w);
        if (out.problem == systemProblem::zeroNumerator) {
            out.magnitudeDb.push_back(kMagnitudeFloorDb);
            out.phase.push_back(0);
            continue;
        }
        const extended cosw = std::cos(w), sinw = std::sin(w);
        const complexPair nb = evaluate(b.c, cosw, sinw), na = evaluate(a.c, cosw, sinw);
        const extended top = std::hypot(nb.re, nb.im), bottom = std::hypot(na.re, na.im);
        extended db = kMagnitudeFloorDb;
        if (top > 0)
            db = bottom > 0 ? 20 * std::log10(top / bottom) + gainDb : kMagnitudeCeilingDb;
        out.magnitudeDb.push_back(std::clamp(db, kMagnitudeFloorDb, kMagnitudeCeilingDb));
        // arg(B conj(A)); a zero imaginary part counts as +0, so that the phase is pi, not -pi.
        const extended re = nb.re * na.re + nb.im * na.im;
        const extended im = nb.im * na.re - nb.re * na.im;
        out.phase.push_back(std::atan2(im == 0 ? extended{0} : im, re));
    }
    return out;
}

std::vector<extended> unwrapPhase(std::span<const extended> wrapped)
{
    std::vector<extended> out(wrapped.begin(), wrapped.end());
    extended turns = 0;
    for (std::size_t k = 1; k < out.size(); ++k) {
        const extended step = wrapped[k] - wrapped[k - 1];
        turns -= 2 * kPi * std::round(step / (2 * kPi));
        out[k] = wrapped[k] + turns;
    }
    return out;
}

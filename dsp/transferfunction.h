// transferFunction: a discrete-time system H(z) = B(z) / A(z) held as the coefficients of its
// difference equation, and the reading of the inverse Z window's two coefficient lists as such a
// system. The analysis, the frequency response, the filter and the filter designs all speak of a
// system in this one form; it assumes real coefficients and a[0] != 0 (checkFilterable says when not).
//
// Convention: b and a are the coefficients of z^0, z^-1, z^-2, ...
//     H(z) = (b[0] + b[1] z^-1 + ... + b[M] z^-M) / (a[0] + a[1] z^-1 + ... + a[K] z^-K)
// so that  y[n] = (b[0] x[n] + ... + b[M] x[n-M] - a[1] y[n-1] - ... - a[K] y[n-K]) / a[0].
//
// The inverse Z window's lists run the other way: the free term first, in ascending powers of z,
//     N(z) = n[0] + n[1] z + ... + n[J-1] z^(J-1),  D(z) = d[0] + d[1] z + ... + d[L-1] z^(L-1),
// with d[L-1] the denominator's highest non-zero coefficient. Its long division lines up the
// numerator's last typed coefficient with that one, so its 50 terms are the impulse response of
//     b = (n[J-1], n[J-2], ..., n[0]),   a = (d[L-1], d[L-2], ..., d[0]),
// which is H(z) = N(z) / D(z) when J = L, and N(z) / D(z) times z^(L-J) otherwise (the window
// then shows the series from a later or an earlier term). Every function here works on that
// system, so the window's terms, the filter's impulse response, the poles and zeros and the
// frequency response all belong to one and the same H(z).
#pragma once

#include "core/extended.h"

#include <span>
#include <string_view>
#include <vector>

struct transferFunction {
    std::vector<extended> b; // numerator, coefficient of z^0 first
    std::vector<extended> a; // denominator, coefficient of z^0 first
};

// The system whose impulse response the inverse Z window's series is (see above): the numerator
// reversed with all its J coefficients, the denominator reversed from its highest non-zero
// coefficient. A denominator with no non-zero coefficient gives an empty a.
transferFunction systemFromTypedLists(std::span<const extended> numerator,
                                      std::span<const extended> denominator);

// The two lists to type into the inverse Z window for `h`, free term first: b and a reversed.
// systemFromTypedLists gives `h` back when a[0] != 0.
struct typedLists {
    std::vector<extended> numerator;
    std::vector<extended> denominator;
};
typedLists typedListsFromSystem(const transferFunction& h);

// What keeps a system from being filtered or analysed. zeroNumerator is a note rather than a
// refusal: H(z) = 0, the filter gives zeros and the poles still exist.
enum class systemProblem {
    none,
    zeroDenominator,        // no denominator coefficient, or all of them 0
    leadingZeroDenominator, // a[0] = 0 with a later one not 0: the system would need the future
    notFinite,              // a coefficient is infinite or not a number
    outOfRange,             // a non-zero coefficient outside 1e-300 .. 1e300 in magnitude
    orderTooHigh,           // more than kMaxAnalysedOrder: no poles and zeros
    zeroNumerator,          // every numerator coefficient is 0 (or there is none)
};

// The largest degree of B(z) and A(z) that the pole-zero analysis takes, and the magnitudes a
// non-zero coefficient may have there: within these every root, gain and response value is a
// finite extended number.
inline constexpr int kMaxAnalysedOrder = 50;
inline constexpr extended kLargestCoefficient = 1e300L;
inline constexpr extended kSmallestCoefficient = 1e-300L;

// The program's message for a problem (empty for none), short and in its language.
std::string_view systemProblemMessage(systemProblem problem);

// What the filter needs: a usable denominator with a[0] != 0 and finite coefficients.
systemProblem checkFilterable(const transferFunction& h);

// What the response and the pole-zero analysis need besides: non-zero coefficients within
// kSmallestCoefficient .. kLargestCoefficient. Reports zeroNumerator last, when nothing else.
systemProblem checkAnalysable(const transferFunction& h);

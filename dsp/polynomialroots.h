// The roots of a polynomial with real coefficients, in extended precision, for the poles and zeros
// of a system. The roots come from the Aberth-Ehrlich iteration started on the circles of the
// coefficients' Newton polygon; a computed cluster that one multiple root explains is given once,
// with its multiplicity. Assumes finite coefficients within about 1e-300 .. 1e300 in magnitude
// (checkAnalysable makes sure), so that every root is a finite number.
#pragma once

#include "core/extended.h"

#include <complex>
#include <span>
#include <vector>

using complexExtended = std::complex<extended>;

struct polynomialRoot {
    complexExtended value;
    int multiplicity = 1;
};

// Roots that a relative change of this size in every coefficient could make one multiple root
// are grouped. Coefficients typed with 15 significant digits are exact to well within it, while
// the computed roots of an m-fold root spread over a circle of about tolerance^(1/m).
inline constexpr extended kRootGroupingTolerance = 1e-12L;

// The roots of c[0] z^n + c[1] z^(n-1) + ... + c[n] (the highest power first), each distinct
// root once with its multiplicity, ordered by real part and then imaginary part; the
// multiplicities add up to the degree. Leading zero coefficients lower the degree; trailing zero
// coefficients are a root at exactly 0. A cluster's root is its mean refined as a multiple root;
// complex roots come in exactly conjugate pairs, and a root whose conjugate has no partner of its
// own is real.
// No coefficient, or only the constant, gives no root.
std::vector<polynomialRoot> polynomialRoots(std::span<const extended> coefficients);

// The other way: the coefficients of prod (z - r) over `roots`, the highest power first, which
// are also those of prod (1 - r z^-1) with the z^0 coefficient first. Only the real parts are
// kept: roots that come in conjugate pairs make them real.
std::vector<extended> polynomialFromRoots(std::span<const complexExtended> roots);

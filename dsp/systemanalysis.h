// The poles and zeros of a system H(z) and its stability, for the pole-zero view: the roots of
// B and A written as polynomials in z, the zeros and poles at the origin that the powers of z^-1
// make, the zeros at infinity, and whether a pole lies on or outside the unit circle. Assumes the
// system in the difference-equation form of transferFunction (so it is causal: no pole at
// infinity); a common factor of B and A is not cancelled, except the powers of z at the origin,
// since the filter's recurrence keeps such a pole as it is.
#pragma once

#include "dsp/polynomialroots.h"
#include "dsp/transferfunction.h"

#include <string_view>
#include <vector>

enum class stabilityVerdict {
    unknown,  // the system could not be analysed
    stable,   // every pole strictly inside the unit circle
    marginal, // a pole on the unit circle (within kUnitCircleTolerance), none outside
    unstable, // a pole outside the unit circle
};

// A pole whose modulus is within this of 1 counts as on the unit circle.
inline constexpr extended kUnitCircleTolerance = 1e-12L;

struct systemAnalysis {
    // none, or why nothing below was computed; with zeroNumerator the zeros are left empty but
    // the poles and the verdict are given.
    systemProblem problem = systemProblem::none;
    std::vector<polynomialRoot> zeros; // the finite zeros, the origin as an exact 0
    std::vector<polynomialRoot> poles; // every pole, the origin as an exact 0
    int zerosAtInfinity = 0;           // as many as b starts with zero coefficients
    stabilityVerdict verdict = stabilityVerdict::unknown;
};

// Refuses what checkAnalysable refuses, and systems of degree above kMaxAnalysedOrder (after
// dropping b's and a's zero coefficients of the highest powers of z^-1, which change nothing).
systemAnalysis analyseSystem(const transferFunction& h);

// The note to show beside the pole-zero plot (empty for unknown).
std::string_view stabilityMessage(stabilityVerdict verdict);

// The frequency response H(e^jw) of a system on an even grid over 0 .. pi (0 .. rate/2 in Hz:
// w * rate / (2 pi)), as magnitude in dB and phase, for the response view. It is evaluated in
// the logarithm with each polynomial scaled by a power of two, so that no coefficient size makes
// it overflow; every value is a finite number. Assumes what checkAnalysable asks of the system.
#pragma once

#include "dsp/transferfunction.h"

#include <span>
#include <vector>

// The magnitude is shown within these: |H| below 1e-15 (a zero on the grid) reads as the floor,
// above 1e15 (a pole on the grid) as the ceiling.
inline constexpr extended kMagnitudeFloorDb = -300;
inline constexpr extended kMagnitudeCeilingDb = 300;
// Grid sizes are clamped to 2 .. kMaxResponsePoints.
inline constexpr int kMaxResponsePoints = 1 << 16;

struct frequencyResponse {
    // none or zeroNumerator (magnitude all at the floor, phase 0) when the values below are given;
    // otherwise why they are empty.
    systemProblem problem = systemProblem::none;
    std::vector<extended> omega;       // w_k = pi k / (points - 1), from 0 to pi inclusive
    std::vector<extended> magnitudeDb; // 20 log10 |H(e^jw_k)|, clamped to the floor and ceiling
    std::vector<extended> phase;       // arg H(e^jw_k), wrapped into (-pi, pi]; 0 where H is 0
};

// Costs points * (b.size() + a.size()) complex multiply-adds; any order is taken.
frequencyResponse computeFrequencyResponse(const transferFunction& h, int points);

// The wrapped phase made continuous: each step between neighbours brought into [-pi, pi] by
// whole turns. A zero on the unit circle between two grid points still shows as a jump of pi.
std::vector<extended> unwrapPhase(std::span<const extended> wrapped);

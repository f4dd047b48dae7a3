// The cursor readout lines of a spectrum view: the frequency under the cursor and the level of
// its bin, "f = 50.0 Hz" and "|X| = 54.19 dB", written beside the graph's index and value lines.
//
// The frequency has as many decimals as make neighbouring bins differ by at least ten units of
// the last digit (at least one, at most twelve): "50.0 Hz" at 1 Hz per bin, "50.25 Hz" at
// 0.25 Hz, so a bin's frequency reads exactly wherever the spacing allows. Without a sample rate
// the unit is cycles per sample. The level has two decimals, fine enough for the 6.02 dB between
// amplitudes 1 and 0.5. A level below the view's floor reads "|X| < " and the floor, since the
// curve shows only the floor there. Numbers that are not finite read "INF", "-INF" and "NAN".
#pragma once

#include "core/extended.h"
#include "plot/spectrumaxis.h"

#include <string>

// Digits after the decimal separator for frequencies on an axis with this bin spacing.
int frequencyDecimals(extended binSpacing);

// "f = " and the frequency of a shown position, then " Hz" or " cicluri/esantion".
std::string frequencyReadout(const spectrumAxis& axis, std::int64_t position, char decimalSeparator);

// "|X| = " and 20 log10 of the modulus with two decimals, then " dB"; "|X| < " and the floor for
// a modulus below it (0 included).
std::string levelReadout(extended modulus, extended floorDb, char decimalSeparator);

// `value` with exactly `decimals` digits after the separator, no exponent, no "-" on a value
// that reads as zero.
std::string formatFixed(extended value, int decimals, char decimalSeparator);

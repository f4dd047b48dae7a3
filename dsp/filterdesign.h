// What the two filter designs share: the kind of band, the order and the cutoffs of a design,
// their checks, and the designed system. Cutoffs are given in the units of a rate: with rate 1
// they are fractions of the sampling rate (the Nyquist frequency is 0.5); with the signal's rate
// in Hz they are in Hz. Every design comes out as a transferFunction (z^0 coefficient first),
// ready for the filter, the analysis and, through typedListsFromSystem, the inverse Z window.
#pragma once

#include "dsp/transferfunction.h"

#include <string>

enum class filterBand { lowPass, highPass, bandPass, bandStop };

struct filterParameters {
    filterBand band = filterBand::lowPass;
    int order = 2;            // FIR: the number of taps - 1; IIR: the prototype's order
    extended cutoff = 0.25L;  // low- and high-pass: the cutoff; band-pass and band-stop: the lower edge
    extended upperCutoff = 0; // band-pass and band-stop: the upper edge; unused otherwise
    extended rate = 1;        // the unit of the cutoffs: 1, or the sampling rate in Hz
};

struct filterDesign {
    std::string message; // empty when designed; otherwise why not, and `system` is empty
    transferFunction system;
};

inline bool isBandFilter(filterBand band)
{
    return band == filterBand::bandPass || band == filterBand::bandStop;
}

// The first thing wrong with the parameters for an order of at most `maxOrder`, in the program's
// words, or an empty text: a positive rate, 1 <= order <= maxOrder, and 0 < cutoff (< upperCutoff
// for a band) < rate / 2.
std::string checkFilterParameters(const filterParameters& parameters, int maxOrder);

// The cutoffs as fractions of the sampling rate.
extended cutoffFraction(const filterParameters& parameters);
extended upperCutoffFraction(const filterParameters& parameters);

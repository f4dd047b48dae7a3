#include "dsp/filterdesign.h"

#include "core/numformat.h"
#include "dsp/dsptexts.h"

#include <cmath>

std::string checkFilterParameters(const filterParameters& parameters, int maxOrder)
{
    if (!std::isfinite(parameters.rate) || parameters.rate <= 0)
        return KELMO_TEXT("Texts", "Frecventa de esantionare trebuie sa fie pozitiva.");
    if (parameters.order < 1 || parameters.order > maxOrder)
        return fillText(kOrderRangeText, {std::to_string(maxOrder)});
    const extended nyquist = parameters.rate / 2;
    const auto inside = [&](extended f) { return f > 0 && f < nyquist; }; // false for NaN
    if (!inside(parameters.cutoff) || (isBandFilter(parameters.band) && !inside(parameters.upperCutoff)))
        return fillText(kCutoffRangeText, {formatGeneral(nyquist, 15)});
    if (isBandFilter(parameters.band) && parameters.upperCutoff <= parameters.cutoff)
        return KELMO_TEXT("Texts", "Frecventele de taiere trebuie sa fie crescatoare.");
    return {};
}

extended cutoffFraction(const filterParameters& parameters) { return parameters.cutoff / parameters.rate; }

extended upperCutoffFraction(const filterParameters& parameters) { return parameters.upperCutoff / parameters.rate; }

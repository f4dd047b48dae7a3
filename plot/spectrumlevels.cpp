#include "plot/spectrumlevels.h"

#include <algorithm>
#include <cmath>
#include <limits>

extended modulusOf(extended re, extended im)
{
    return std::hypot(re, im); // scales its operands: no square is ever formed unscaled
}

extended decibelsOf(extended modulus)
{
    return 20 * std::log10(modulus);
}

spectrumLevels computeSpectrumLevels(const spectrumAxis& axis, std::span<const extended> re,
                                     std::span<const extended> im, extended range)
{
    if (!(std::isfinite(range) && range > 0))
        range = kDefaultDecibelRange;
    const auto shown = static_cast<std::size_t>(axis.shownCount());
    spectrumLevels out;
    out.level.resize(shown);
    extended peak = 0;
    for (std::size_t p = 0; p < shown; ++p) {
        const auto k = static_cast<std::size_t>(axis.binAt(static_cast<std::int64_t>(p)));
        // A bin the arrays do not hold is a gap, like a bin that is not a number.
        const extended m = k < re.size() ? modulusOf(re[k], k < im.size() ? im[k] : 0)
                                         : std::numeric_limits<extended>::quiet_NaN();
        if (std::isfinite(m))
            peak = std::max(peak, m);
        out.level[p] = m;
    }
    out.peakDb = peak > 0 ? decibelsOf(peak) : 0;
    out.floorDb = out.peakDb - range;
    for (extended& v : out.level)
        if (!std::isnan(v))
            v = std::max(decibelsOf(v), out.floorDb);
    return out;
}
